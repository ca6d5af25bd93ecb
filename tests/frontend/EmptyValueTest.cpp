// An empty value is refused as a missing one is (tesselink then exits with status 2):
// `--device ''` must never reach the file system.
#include <gtest/gtest.h>

#include "frontend/CommandLine.h"

TEST(CommandLine, AnEmptyValueIsRefused) {
    for (const char* option : {"--device", "--script", "--screenshot", "--log"}) {
        std::string error;
        EXPECT_FALSE(emu::parse_command_line({option, ""}, error)) << option;
        EXPECT_EQ(error, std::string(option) + " needs a value, not an empty one");
    }
}
