#include <tuple>

#include "PersistenceFixture.h"
#include "apps/OptionsFile.h"

namespace {

using Flags = std::tuple<int, int, int>;  // smallMode, autoload, sound
const Flags kDefaults{1, 0, 1};

void set_options(Flags flags) { std::tie(appState.smallMode, appState.autoload, appState.sound) = flags; }

Flags read_options() {
    ReadOptions();
    return {appState.smallMode, appState.autoload, appState.sound};
}

TEST_F(PersistenceTest, TheDefaultsStayWithoutAFileAndTheWriterInvertsModeAndReplacesTheFile) {
    EXPECT_EQ(read_options(), kDefaults);
    WriteOptions();
    EXPECT_EQ(bytes_of("Windows/tslink.opt"), "MODE=0\r\nALOAD=0\r\nSOUND=1\r\n");
    EXPECT_FALSE(std::filesystem::exists(host("Windows/tslink.opt.new")));

    put("Windows/tslink.opt", "something much longer than the options\r\n");
    set_options({0, 1, 0});
    WriteOptions();
    EXPECT_EQ(bytes_of("Windows/tslink.opt"), "MODE=1\r\nALOAD=1\r\nSOUND=0\r\n");
    set_options(kDefaults);
    EXPECT_EQ(read_options(), (Flags{0, 1, 0}));
}

TEST_F(PersistenceTest, OptionsAreReadByThePositionOfEachEquals) {
    const std::pair<const char*, Flags> cases[] = {
        {"MODE=1\r\n", {0, 0, 1}},           {"MODE=7\r\nALOAD=0\r\nSOUND=1\r\n", {0, 0, 1}},
        {"SOUND=0\r\nMODE=1\r\nALOAD=1\r\n", {1, 1, 1}}, {"MODE=0\r\nALOAD=10\r\nSOUND=0\r\n", {1, 1, 0}},
        {"x=0 y=1 z=0", {1, 1, 0}},          {"MODE=0\nALOAD=1\nSOUND=0\n", {1, 1, 0}},
        {"MODE=", {0, 0, 1}},                {"MODE=0\r\nALOAD=", {1, 1, 1}},
        {"no separators at all", {1, 0, 1}}, {"", {1, 0, 1}}};
    for (const auto& [file, expected] : cases) {
        set_options(kDefaults);
        put("Windows/tslink.opt", file);
        EXPECT_EQ(read_options(), expected) << file;
    }
}

TEST_F(PersistenceTest, AFailedWriteLeavesTheOldOptionsFile) {
    put("Windows/tslink.opt", "MODE=1\r\nALOAD=1\r\nSOUND=0\r\n");
    std::filesystem::create_directory(host("Windows/tslink.opt.new"));
    WriteOptions();
    EXPECT_EQ(bytes_of("Windows/tslink.opt"), "MODE=1\r\nALOAD=1\r\nSOUND=0\r\n");

    std::filesystem::remove(host("Windows/tslink.opt.new"));
    SetFileAttributes(L"\\Windows\\tslink.opt", FILE_ATTRIBUTE_READONLY);
    WriteOptions();
    EXPECT_EQ(bytes_of("Windows/tslink.opt"), "MODE=1\r\nALOAD=1\r\nSOUND=0\r\n");
    EXPECT_FALSE(std::filesystem::exists(host("Windows/tslink.opt.new")));
}

}  // namespace
