#include "PersistenceFixture.h"
#include "apps/OptionsFile.h"

namespace {

struct Flags {
    int smallMode, autoload, sound;
};

Flags read_options() {
    ReadOptions();
    return {appState.smallMode, appState.autoload, appState.sound};
}

bool operator==(const Flags& a, const Flags& b) {
    return a.smallMode == b.smallMode && a.autoload == b.autoload && a.sound == b.sound;
}

void PrintTo(const Flags& f, std::ostream* out) { *out << f.smallMode << f.autoload << f.sound; }

const Flags kDefaults{1, 0, 1};

TEST_F(PersistenceTest, TheDefaultsStayWithoutAFileAndTheWriterInvertsModeAndReplacesTheFile) {
    EXPECT_EQ(read_options(), kDefaults);
    WriteOptions();
    EXPECT_EQ(bytes_of("Windows/tslink.opt"), "MODE=0\r\nALOAD=0\r\nSOUND=1\r\n");
    EXPECT_FALSE(std::filesystem::exists(host("Windows/tslink.opt.new")));

    put("Windows/tslink.opt", "something much longer than the options\r\n");
    appState.smallMode = 0;
    appState.autoload = 1;
    appState.sound = 0;
    WriteOptions();
    EXPECT_EQ(bytes_of("Windows/tslink.opt"), "MODE=1\r\nALOAD=1\r\nSOUND=0\r\n");
    appState.smallMode = kDefaults.smallMode;
    appState.autoload = kDefaults.autoload;
    appState.sound = kDefaults.sound;
    EXPECT_EQ(read_options(), (Flags{0, 1, 0}));
}

struct OptionsCase {
    const char* file;
    Flags expected;
};

class OptionsReader : public PersistenceTest, public ::testing::WithParamInterface<OptionsCase> {};

TEST_P(OptionsReader, ReadsValuesByThePositionOfEachEquals) {
    put("Windows/tslink.opt", GetParam().file);
    EXPECT_EQ(read_options(), GetParam().expected) << GetParam().file;
}

INSTANTIATE_TEST_SUITE_P(
    Options, OptionsReader,
    ::testing::Values(OptionsCase{"MODE=1\r\n", {0, 0, 1}}, OptionsCase{"MODE=7\r\nALOAD=0\r\nSOUND=1\r\n", {0, 0, 1}},
                      OptionsCase{"SOUND=0\r\nMODE=1\r\nALOAD=1\r\n", {1, 1, 1}},
                      OptionsCase{"MODE=0\r\nALOAD=10\r\nSOUND=0\r\n", {1, 1, 0}},
                      OptionsCase{"x=0 y=1 z=0", {1, 1, 0}}, OptionsCase{"MODE=0\nALOAD=1\nSOUND=0\n", {1, 1, 0}},
                      OptionsCase{"MODE=", {0, 0, 1}}, OptionsCase{"MODE=0\r\nALOAD=", {1, 1, 1}},
                      OptionsCase{"no separators at all", {1, 0, 1}}, OptionsCase{"", {1, 0, 1}}));

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
