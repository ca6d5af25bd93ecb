#include "frontend/desktop/ScreenshotFile.h"

#include <cstdio>
#include <memory>
#include <string>

namespace emu::desktop {

namespace fs = std::filesystem;

fs::path pictures_folder() {
    std::string answer;
    using Pipe = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;
    if (Pipe pipe{::popen("xdg-user-dir PICTURES 2>/dev/null", "re"), ::pclose}; pipe) {
        char buffer[4096];
        while (std::fgets(buffer, sizeof buffer, pipe.get())) answer += buffer;
    }
    while (!answer.empty() && answer.back() == '\n') answer.pop_back();
    std::error_code failure;
    if (!answer.empty() && fs::path(answer).is_absolute() && fs::is_directory(answer, failure)) return answer;
    return fs::current_path(failure);
}

fs::path screenshot_file(const fs::path& folder, std::time_t when) {
    std::tm local{};
    ::localtime_r(&when, &local);
    char stamp[32];
    std::strftime(stamp, sizeof stamp, "tesselink-%Y%m%d-%H%M%S", &local);
    std::error_code failure;
    auto file = folder / (std::string(stamp) + ".png");
    for (int number = 2; fs::exists(fs::symlink_status(file, failure)); ++number)
        file = folder / (std::string(stamp) + "-" + std::to_string(number) + ".png");
    return file;
}

}  // namespace emu::desktop
