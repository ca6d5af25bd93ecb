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

// A missing folder, or an empty one named with a trailing separator, receives the whole
// image and nothing is left beside it.
TEST(UnpackImage, FillsAMissingOrEmptyFolderWithTheWholeImage) {
    test::TempDir parent;
    fs::create_directories(parent.path() / "empty");
    for (const auto& requested : {parent.path() / "device", parent.path() / "empty" / ""}) {
        std::string error;
        ASSERT_TRUE(unpack_default_image(requested, error)) << error;
        for (const auto& file : default_image_files()) {
            const auto path = requested / fs::path(file.path);
            ASSERT_TRUE(fs::is_regular_file(path)) << file.path;
            EXPECT_EQ(test::read_file(path), std::string(reinterpret_cast<const char*>(file.data), file.size));
        }
    }
    EXPECT_EQ(entries_in(parent.path()), 2u);
}

// A device (a folder holding .device) is left as it is; a file, a place below one, or a
// folder holding other things cannot be a device, is named in the error and left untouched.
TEST(UnpackImage, LeavesAnExistingDeviceAndRefusesAnythingElse) {
    test::TempDir parent;
    fs::create_directories(parent.path() / "device" / ".device");
    fs::create_directories(parent.path() / "notes");
    std::ofstream(parent.path() / "device" / "mine.txt") << "kept";
    std::ofstream(parent.path() / "notes" / "notes.txt") << "mine";
    const auto file = parent.path() / "file";
    std::ofstream(file) << "not a folder";
    std::string error;
    EXPECT_TRUE(unpack_default_image(parent.path() / "device", error)) << error;
    EXPECT_EQ(entries_in(parent.path() / "device"), 2u);
    EXPECT_EQ(test::read_file(parent.path() / "device" / "mine.txt"), "kept");
    for (const auto& dir : {file, file / "device", parent.path() / "notes"}) {
        EXPECT_FALSE(unpack_default_image(dir, error)) << dir;
        EXPECT_NE(error.find(parent.path().string()), std::string::npos) << error;
    }
    EXPECT_EQ(test::read_file(file), "not a folder");
    EXPECT_EQ(entries_in(parent.path() / "notes"), 1u);
    EXPECT_EQ(entries_in(parent.path()), 3u);
}

}  // namespace
}  // namespace emu
