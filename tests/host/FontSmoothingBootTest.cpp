// The device reads at boot whether its registry turns font smoothing on for every font.
#include <gtest/gtest.h>

#include <set>

#include <windows.h>

#include "host/DeviceHost.h"
#include "support/TempDir.h"

namespace {

// Boots the device in `folder` and answers how many colours black text in the system font
// then leaves on white, drawn after the smoothing key was made when `make_key` says so.
std::size_t text_colours_at_boot(const std::filesystem::path& folder, bool make_key) {
    std::string error;
    auto host = emu::DeviceHost::boot({folder}, error);
    EXPECT_TRUE(host) << error;
    if (!host) return 0;
    std::set<COLORREF> colours;
    host->run(L"\\Windows\\text.exe", [&] {
        HKEY key = nullptr;
        if (make_key) RegCreateKeyEx(HKEY_LOCAL_MACHINE, L"System\\GDI\\Fontsmoothing", 0, nullptr, 0, 0, nullptr, &key, nullptr);
        RegCloseKey(key);
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP bitmap = CreateCompatibleBitmap(dc, 80, 20);
        HGDIOBJ previous = SelectObject(dc, bitmap);
        const RECT all{0, 0, 80, 20};
        FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        ExtTextOut(dc, 2, 2, 0, nullptr, L"Sky wave 8", 10, nullptr);
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 80; ++x) colours.insert(GetPixel(dc, x, y));
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
        return 0;
    });
    host->shutdown();
    return colours.size();
}

TEST(FontSmoothingAtBoot, TheDefaultImageDrawsTextUnsmoothedAndTheRegistryKeySmoothsItFromTheNextBoot) {
    test::TempDir dir;
    EXPECT_EQ(text_colours_at_boot(dir.path(), true), 2u);  // the key is read at boot only
    EXPECT_GT(text_colours_at_boot(dir.path(), false), 2u);
}

}  // namespace
