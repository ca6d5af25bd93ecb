// An icon menu in two columns: the left one holds the first half of the entries (rounded
// up), the right one the rest, with a grey divider line between them.
#pragma once
#include "ui/IconMenu.h"

class TwoColumnIconMenu : public IconMenu {
public:
    using IconMenu::IconMenu;

    void DrawEntries() override;

protected:
    int IndexAt(int x, int y) const override;
    void DrawEntry(int index, COLORREF text, COLORREF fill) override;

private:
    int LeftRows() const { return entryCount_ / 2 + entryCount_ % 2; }
    int Half() const { return width_ / 2; }
    // The top-left corner of the entry's cell.
    POINT CellOf(int index) const;
    void DrawDivider(HDC dc) const;
};
