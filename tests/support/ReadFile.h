#pragma once
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace test {

// The whole content of a host file, byte for byte ("" when it cannot be read).
inline std::string read_file(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace test
