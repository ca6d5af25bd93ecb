// Selecting, describing and deleting GDI objects, and what a fresh DC holds.
#include <cwchar>

#include "GdiTest.h"

namespace gdi_test {
namespace {

class ObjectRules : public GdiTest {};

TEST_F(ObjectRules, FreshDcHoldsBlackPenWhiteBrushSystemFontAndOpaqueWhiteBackground) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(SYSTEM_FONT));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    DeleteDC(dc);
}

TEST_F(ObjectRules, SelectObjectAnswersThePreviousObjectOfTheSameKind) {
    HDC dc = surface(2, 2);
    HPEN red = CreatePen(PS_SOLID, 1, RGB(255, 0, 0));
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    EXPECT_EQ(SelectObject(dc, red), GetStockObject(BLACK_PEN));
    EXPECT_EQ(SelectObject(dc, blue), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(SelectObject(dc, GetStockObject(WHITE_PEN)), red);
    EXPECT_EQ(SelectObject(dc, GetStockObject(WHITE_BRUSH)), blue);
    EXPECT_TRUE(DeleteObject(red));
    EXPECT_TRUE(DeleteObject(blue));
}

TEST_F(ObjectRules, DeletingASelectedObjectFailsUntilItIsDeselected) {
    HDC dc = surface(2, 2);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HGDIOBJ previous = SelectObject(dc, brush);
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), brush);
    SelectObject(dc, previous);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(brush));
    EXPECT_EQ(SelectObject(dc, brush), nullptr);
}

TEST_F(ObjectRules, StockObjectsSurviveDeleteObject) {
    HGDIOBJ pen = GetStockObject(BLACK_PEN);
    EXPECT_TRUE(DeleteObject(pen));
    EXPECT_EQ(GetStockObject(BLACK_PEN), pen);
    LOGPEN description{};
    EXPECT_EQ(GetObject(pen, sizeof description, &description), static_cast<int>(sizeof description));
    EXPECT_EQ(description.lopnColor, RGB(0, 0, 0));
}

TEST_F(ObjectRules, GetObjectDescribesTheSystemFontInFull) {
    LOGFONT font{};
    HGDIOBJ system = GetStockObject(SYSTEM_FONT);
    EXPECT_EQ(GetObject(system, 0, nullptr), static_cast<int>(sizeof(LOGFONT)));
    ASSERT_EQ(GetObject(system, sizeof font, &font), static_cast<int>(sizeof font));
    EXPECT_LT(font.lfHeight, 0);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_STREQ(font.lfFaceName, L"DejaVu Sans");
}

TEST_F(ObjectRules, ABitmapGoesIntoOneMemoryDcAtATimeAndNeverIntoAScreenDc) {
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(first, 3, 2);
    HGDIOBJ original = SelectObject(first, bitmap);
    EXPECT_NE(original, nullptr);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    BITMAP description{};
    GetObject(bitmap, sizeof description, &description);
    EXPECT_EQ(description.bmWidth, 3);
    EXPECT_EQ(description.bmHeight, 2);
    EXPECT_EQ(description.bmBitsPixel, 32);
    SelectObject(first, original);
    HDC screen = gdi().create_screen_dc({0, 0}, emu::Region(RECT{0, 0, 240, 320}));
    EXPECT_EQ(SelectObject(screen, bitmap), nullptr);
    gdi().release_dc(screen);
    EXPECT_TRUE(DeleteObject(bitmap));
    DeleteDC(first);
    DeleteDC(second);
}

TEST_F(ObjectRules, CountersFollowObjectsDcsAndIconsToTheirEnd) {
    HBRUSH brush = CreateSolidBrush(RGB(9, 9, 9));
    HDC dc = CreateCompatibleDC(nullptr);
    HICON icon = gdi().create_icon(1, 1, {0xFF000000});
    EXPECT_EQ(gdi().live_objects(), 1u);
    EXPECT_EQ(gdi().live_dcs(), 1u);
    EXPECT_EQ(gdi().live_icons(), 1u);
    DeleteObject(brush);
    DeleteDC(dc);
    DestroyIcon(icon);
    EXPECT_EQ(gdi().live_objects(), 0u);
    EXPECT_EQ(gdi().live_dcs(), 0u);
    EXPECT_EQ(gdi().live_icons(), 0u);
    HDC screen = gdi().create_screen_dc({0, 0}, emu::Region(RECT{0, 0, 1, 1}));
    EXPECT_FALSE(DeleteDC(screen));
    EXPECT_TRUE(gdi().release_dc(screen));
    EXPECT_FALSE(gdi().release_dc(screen));
    EXPECT_EQ(gdi().live_dcs(), 0u);
}

TEST_F(ObjectRules, ForeignAndStaleHandlesAreRefused) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectObject(dc, dc), nullptr);
    EXPECT_FALSE(DeleteObject(dc));
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(GetPixel(dc, 0, 0), CLR_INVALID);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
}

}  // namespace
}  // namespace gdi_test
