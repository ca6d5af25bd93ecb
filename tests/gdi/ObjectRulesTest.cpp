// Selecting, describing and deleting GDI objects, and what a fresh DC holds.
#include "GdiTest.h"

namespace gdi_test {
namespace {

class ObjectRules : public GdiTest {};

TEST_F(ObjectRules, AFreshDcHoldsTheStockObjectsAndSelectingAnswersThePreviousOne) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(std::make_tuple(GetCurrentObject(dc, OBJ_FONT), GetTextColor(dc), GetBkColor(dc), GetBkMode(dc)),
              std::make_tuple(GetStockObject(SYSTEM_FONT), kBlack, kWhite, OPAQUE));
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    EXPECT_EQ(SelectObject(dc, red), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, blue), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, GetStockObject(WHITE_PEN)), red);
    EXPECT_EQ(SelectObject(dc, GetStockObject(WHITE_BRUSH)), blue);
    EXPECT_TRUE(DeleteObject(red) && DeleteObject(blue));

    // A bitmap goes into one memory DC at a time and never into a screen DC.
    HDC second = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(dc, 3, 2);
    HGDIOBJ original = SelectObject(dc, bitmap);
    EXPECT_NE(original, nullptr);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    BITMAP description{};
    GetObject(bitmap, sizeof description, &description);
    EXPECT_EQ(std::tie(description.bmWidth, description.bmHeight, description.bmBitsPixel), std::make_tuple(3, 2, 32));
    SelectObject(dc, original);
    HDC screen = gdi().create_screen_dc({0, 0}, emu::Region(RECT{0, 0, 240, 320}));
    EXPECT_EQ(SelectObject(screen, bitmap), nullptr);
    for (auto [index, value] : {std::pair{HORZRES, 240}, {VERTRES, 320}, {BITSPIXEL, 32}, {LOGPIXELSY, 96}})
        EXPECT_EQ(GetDeviceCaps(screen, index), value) << index;
    gdi().release_dc(screen);
    EXPECT_TRUE(DeleteObject(bitmap));
    DeleteDC(second);
    DeleteDC(dc);

    LOGFONT font{};
    HGDIOBJ system = GetStockObject(SYSTEM_FONT);
    EXPECT_EQ(GetObject(system, 0, nullptr), static_cast<int>(sizeof(LOGFONT)));
    ASSERT_EQ(GetObject(system, sizeof font, &font), static_cast<int>(sizeof font));
    EXPECT_EQ(std::make_tuple(font.lfHeight < 0, font.lfWeight, std::wstring(font.lfFaceName)),
              std::make_tuple(true, LONG(FW_NORMAL), std::wstring(L"DejaVu Sans")));
}

TEST_F(ObjectRules, ObjectsDcsAndIconsEndOnceAndOnlyWhenFree) {
    HDC dc = surface(2, 2);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HGDIOBJ previous = SelectObject(dc, brush);
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    SelectObject(dc, previous);
    EXPECT_EQ(gdi().live_objects(), 2u);  // the surface's bitmap and the brush
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_EQ(SelectObject(dc, brush), nullptr);

    HGDIOBJ pen = GetStockObject(WHITE_PEN);  // a stock object that no DC holds
    EXPECT_TRUE(DeleteObject(pen));
    LOGPEN description{};
    EXPECT_EQ(GetObject(pen, sizeof description, &description), static_cast<int>(sizeof description));
    EXPECT_EQ(description.lopnColor, kWhite);

    HICON first = gdi().create_icon(1, 1, {0xFF000000});
    HICON second = gdi().create_icon(1, 1, {0xFF000000});
    EXPECT_EQ(gdi().create_icon(2, 2, {0xFF000000}), nullptr);
    EXPECT_EQ(gdi().create_icon(0, 0, {}), nullptr);
    EXPECT_EQ(gdi().live_icons(), 2u);
    EXPECT_TRUE(DestroyIcon(first));
    EXPECT_FALSE(DestroyIcon(first));
    EXPECT_TRUE(DeleteObject(second));
    EXPECT_FALSE(DeleteObject(second));
    EXPECT_FALSE(DrawIconEx(dc, 0, 0, second, 0, 0, 0, nullptr, DI_NORMAL));
    EXPECT_EQ(gdi().live_icons(), 0u);

    HDC screen = gdi().create_screen_dc({0, 0}, emu::Region(RECT{0, 0, 1, 1}));
    EXPECT_EQ(gdi().live_dcs(), 2u);
    EXPECT_FALSE(DeleteDC(screen));
    EXPECT_TRUE(gdi().release_dc(screen));
    EXPECT_FALSE(gdi().release_dc(screen));
    EXPECT_EQ(gdi().live_dcs(), 1u);

    HDC memory = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(memory, memory), nullptr);
    EXPECT_FALSE(DeleteObject(memory));
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_FALSE(DeleteDC(memory));
    SetLastError(0);
    EXPECT_EQ(GetPixel(memory, 0, 0), CLR_INVALID);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

}  // namespace
}  // namespace gdi_test
