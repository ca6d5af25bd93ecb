// The device reads at boot whether its registry turns font smoothing on for every font.
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include <windows.h>

#include "host/DeviceHost.h"
#include "host/TemporaryFolder.h"

namespace {

std::unique_ptr<emu::DeviceHost> Boot(const emu::TemporaryFolder& folder) {
    std::string error;
    auto host = emu::DeviceHost::boot(emu::BootOptions{folder.path()}, error);
    EXPECT_TRUE(host) << error;
    return host;
}

// How many colours black text in the system font leaves on white.
std::size_t TextColourCount(emu::DeviceHost& host) {
    std::set<COLORREF> colours;
    host.run(L"\\Windows\\text.exe", [&] {
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
    return colours.size();
}

}  // namespace

TEST(FontSmoothingAtBoot, TheDefaultImageDrawsTextUnsmoothedAndTheRegistryKeySmoothsItFromTheNextBoot) {
    emu::TemporaryFolder folder;
    auto host = Boot(folder);
    ASSERT_TRUE(host);
    EXPECT_EQ(TextColourCount(*host), 2u);
    host->run(L"\\Windows\\setup.exe", [] {
        HKEY key = nullptr;
        DWORD disposition = 0;
        const LONG created = RegCreateKeyEx(HKEY_LOCAL_MACHINE, L"System\\GDI\\Fontsmoothing", 0, nullptr, 0, 0,
                                            nullptr, &key, &disposition);
        RegCloseKey(key);
        return created == ERROR_SUCCESS && disposition == REG_CREATED_NEW_KEY ? 0 : 1;
    });
    EXPECT_EQ(host->exit_code(L"\\Windows\\setup.exe"), 0);
    EXPECT_EQ(TextColourCount(*host), 2u);  // read at boot only
    host->shutdown();
    host.reset();

    host = Boot(folder);
    ASSERT_TRUE(host);
    EXPECT_GT(TextColourCount(*host), 2u);
}
