#include <gtest/gtest.h>

#include <fstream>

#include "image/DefaultImage.h"
#include "support/ReadFile.h"
#include "support/TempDir.h"

namespace emu {
namespace {

namespace fs = std::filesystem;

std::size_t entries_in(const fs::path& dir) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

void expect_whole_image(const fs::path& dir) {
    for (const auto& file : default_image_files()) {
        const auto path = dir / fs::path(file.path);
        ASSERT_TRUE(fs::is_regular_file(path)) << file.path;
        EXPECT_EQ(test::read_file(path), std::string(reinterpret_cast<const char*>(file.data), file.size)) << file.path;
    }
}

TEST(UnpackImage, FillsAMissingFolderAndLeavesNothingBeside) {
    test::TempDir parent;
    const auto dir = parent.path() / "device";
    std::string error;
    ASSERT_TRUE(unpack_default_image(dir, error)) << error;
    expect_whole_image(dir);
    EXPECT_EQ(entries_in(parent.path()), 1u);
}

TEST(UnpackImage, FillsAnEmptyFolderNamedWithATrailingSeparator) {
    test::TempDir dir;
    std::string error;
    ASSERT_TRUE(unpack_default_image(dir.path() / "", error)) << error;
    expect_whole_image(dir.path());
    EXPECT_TRUE(fs::is_directory(dir.path() / ".device"));
}

TEST(UnpackImage, LeavesAnExistingDeviceAsItIs) {
    test::TempDir dir;
    fs::create_directory(dir.path() / ".device");
    std::ofstream(dir.path() / "mine.txt") << "kept";
    std::string error;
    EXPECT_TRUE(unpack_default_image(dir.path(), error)) << error;
    EXPECT_EQ(entries_in(dir.path()), 2u);
    EXPECT_EQ(test::read_file(dir.path() / "mine.txt"), "kept");
}

TEST(UnpackImage, RefusesAFileAndAPlaceItCannotWrite) {
    test::TempDir parent;
    const auto file = parent.path() / "file";
    std::ofstream(file) << "not a folder";
    for (const auto& dir : {file, file / "device"}) {
        std::string error;
        EXPECT_FALSE(unpack_default_image(dir, error)) << dir;
        EXPECT_NE(error.find(parent.path().string()), std::string::npos) << error;
    }
    EXPECT_EQ(test::read_file(file), "not a folder");
    EXPECT_EQ(entries_in(parent.path()), 1u);
}

}  // namespace
}  // namespace emu
