#include "ui/TwoColumnIconMenu.h"

#include "ui/Colours.h"
#include "ui/DrawingHelpers.h"

namespace {

// The right column starts this far right of the divider.
const int kRightColumnGap = 2;

}  // namespace

void TwoColumnIconMenu::DrawEntries() {
    HDC dc = GetDC(window_);
    if (!dc) return;
    DrawDivider(dc);
    for (int i = 0; i < entryCount_; ++i) {
        POINT cell = CellOf(i);
        DrawEntryContent(dc, i, cell.x, cell.y, kTextColour);
    }
    ReleaseDC(window_, dc);
}

int TwoColumnIconMenu::IndexAt(int x, int y) const {
    int row = (y - kMargin) / rowHeight_;
    return x / Half() == 0 ? row : LeftRows() + row;
}

void TwoColumnIconMenu::DrawEntry(int index, COLORREF text, COLORREF fill) {
    HDC dc = GetDC(window_);
    if (!dc) return;
    POINT cell = CellOf(index);
    FillSoftRect(dc, cell.x, cell.y, cell.x + (width_ - 13) / 2, cell.y + rowHeight_, fill);
    DrawEntryContent(dc, index, cell.x, cell.y, text);
    ReleaseDC(window_, dc);
}

POINT TwoColumnIconMenu::CellOf(int index) const {
    int rows = LeftRows();
    if (index < rows) return POINT{kColumnLeft, index * rowHeight_ + kMargin};
    return POINT{Half() + kRightColumnGap, (index - rows) * rowHeight_ + kMargin};
}

void TwoColumnIconMenu::DrawDivider(HDC dc) const {
    RECT client;
    GetClientRect(window_, &client);
    HPEN pen = CreatePen(PS_SOLID, 1, kDividerColour);
    HGDIOBJ previous = SelectObject(dc, pen);
    POINT line[] = {{Half(), client.top + kMargin}, {Half(), client.bottom - kMargin}};
    Polyline(dc, line, 2);
    SelectObject(dc, previous);
    DeleteObject(pen);
}
