#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

#include <windows.h>

#include "gdi/Gdi.h"
#include "support/BareDevice.h"

namespace gdi_test {

using Picture = std::vector<std::string>;

// The colours the tests draw with, one character each in a picture.
inline const std::map<COLORREF, char> kLegend{{RGB(255, 255, 255), '.'}, {RGB(0, 0, 0), '#'}, {RGB(128, 128, 128), 'g'},
                                              {RGB(0, 0, 255), 'b'},     {RGB(255, 0, 0), 'r'},
                                              {RGB(127, 127, 255), 'p'}};
inline constexpr COLORREF kWhite = RGB(255, 255, 255), kGrey = RGB(128, 128, 128), kBlack = RGB(0, 0, 0);

// A device with nothing but its GDI, bound to the test's thread, and tiny bitmaps to
// draw on whose pixels read back as pictures of characters.
class GdiTest : public ::testing::Test, protected test::BareDevice {
protected:
    GdiTest() { device.gdi = std::make_shared<emu::Gdi>(device); }

    emu::Gdi& gdi() { return *device.gdi; }

    // A memory DC on a new width x height bitmap filled with `background`, left for the
    // device to free with everything else at the end of the test.
    HDC surface(int width, int height, COLORREF background = kWhite) {
        HDC dc = CreateCompatibleDC(nullptr);
        SelectObject(dc, CreateCompatibleBitmap(dc, width, height));
        HBRUSH brush = CreateSolidBrush(background);
        RECT all{0, 0, width, height};
        FillRect(dc, &all, brush);
        DeleteObject(brush);
        return dc;
    }

    // The pixels of the DC's width x height top-left corner, one character each from
    // kLegend, '?' for any other colour.
    static Picture picture(HDC dc, int width, int height) {
        Picture rows(static_cast<std::size_t>(height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                auto found = kLegend.find(GetPixel(dc, x, y));
                rows[y] += found == kLegend.end() ? '?' : found->second;
            }
        return rows;
    }

    // A framebuffer pixel as 0x00RRGGBB.
    std::uint32_t screen(int x, int y) { return gdi().framebuffer()[y * emu::Gdi::kScreenWidth + x]; }
};

}  // namespace gdi_test
