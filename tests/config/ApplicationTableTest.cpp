// The application table: its rows, the scroll bar it carries when the items do not fit,
// scrolling that draws only the rows coming into view, and taps that tick items.
#include "ConfigFixture.h"

#include <algorithm>
#include <tuple>

#include <shellapi.h>

#include "config/ApplicationTable.h"
#include "config/ScrollOwner.h"
#include "config/SelectedItems.h"

using config_test::ResetShellLookups;
using config_test::ShellLookups;

namespace {

// The table sits at (20, 65) of the full-screen bar, as in the dialog; its client area,
// inside the one-pixel border, starts one pixel further in.
const int kClientLeft = 21, kClientTop = 66;
const int kClientWidth = 198, kClientHeight = 126;
const int kRowsWidth = 182, kRowHeight = 18;
const COLORREF kWhite = RGB(255, 255, 255);

class ApplicationTableTest : public config_test::ConfigTest {
protected:
    // Shows a table on the items, in place of the one shown before.
    // The table is made as the dialog makes it: 7 rows, the height given replaced.
    void Open(std::vector<ApplicationItem> given) {
        items = std::move(given);
        Show(config_test::kScreen, table, [this] {
            table = new ApplicationTable(L"Application Table", WS_CHILD | WS_VISIBLE, 20, 65, 200, 18, bar, instance);
            table->SetItems(items.data(), static_cast<int>(items.size()), 7);
            window = table->Create(1);
        });
    }
    void Open(int count) { Open(test::ProgramItems(count)); }
    std::vector<COLORREF> Rows() { return ScreenArea(kClientLeft, kClientTop, kRowsWidth, kClientHeight); }
    std::vector<COLORREF> Box(int row) { return ScreenArea(kClientLeft + 3, kClientTop + row * kRowHeight + 3, 14, 12); }
    void ScrollTo(int first) { OnUiThread([this, first] { table->Scroll(kScrollNotification, first); }); }
    void TapRow(int row, int x = 100) { device.host().tap(kClientLeft + x, kClientTop + row * kRowHeight + 9); }
    int Flag(int index) {
        return device.host().inspect([&](emu::Device&) { return items[index].selected; });
    }
    // A repaint shows what the rows show now: one of part of the rows, as when a pop-up over
    // them goes away, and one of the whole table.
    void ExpectRepaintShowsTheSame() {
        const auto shown = Rows();
        OnUiThread([this] {
            const RECT part = {0, 50, 100, 126};
            InvalidateRect(window, &part, TRUE);
            UpdateWindow(window);
        });
        EXPECT_EQ(Rows(), shown);
        Repaint(window);
        EXPECT_EQ(Rows(), shown);
    }

    std::vector<ApplicationItem> items;
    ApplicationTable* table = nullptr;
    HWND window = nullptr;
};

bool AllWhite(const std::vector<COLORREF>& pixels) {
    return std::all_of(pixels.begin(), pixels.end(), [](COLORREF c) { return c == kWhite; });
}

}  // namespace

TEST_F(ApplicationTableTest, ARowShowsItsBoxTheSeparatorTheShellIconAndTheNameAndNothingBelow) {
    Open(3);
    EXPECT_EQ(ShellLookups(), 3);  // one per row drawn
    EXPECT_EQ(Box(1), BoxIcon(147));
    for (int y = 0; y < kRowHeight; ++y)
        EXPECT_EQ(device.host().pixel(kClientLeft + 20, kClientTop + kRowHeight + y),
                  y % 2 ? RGB(165, 165, 165) : kWhite)
            << y;
    const auto shellIcon = Rendered(16, 16, kWhite, [&](HDC dc) {
        SHFILEINFO info = {};
        SHGetFileInfo(items[1].path.c_str(), 0, &info, sizeof(info), SHGFI_ICON | SHGFI_SMALLICON);
        DrawIconEx(dc, 0, 0, info.hIcon, 0, 0, 0, nullptr, DI_NORMAL);
        DestroyIcon(info.hIcon);
    });
    EXPECT_EQ(ScreenArea(kClientLeft + 24, kClientTop + kRowHeight + 1, 16, 16), shellIcon);
    EXPECT_FALSE(AllWhite(ScreenArea(kClientLeft + 44, kClientTop + kRowHeight, 60, kRowHeight)));  // the name
    EXPECT_TRUE(AllWhite(ScreenArea(kClientLeft, kClientTop + 3 * kRowHeight, kClientWidth, kClientHeight - 54)));
    const auto before = Rows();
    TapRow(5);  // below the last item
    EXPECT_EQ(Flag(0) + Flag(1) + Flag(2), 0);
    EXPECT_EQ(Rows(), before);
}

TEST_F(ApplicationTableTest, OnlyATableWithMoreItemsThanRowsHasAScrollBarAndAnEmptyOneIgnoresTaps) {
    for (int count : {0, 7, 8}) {
        SCOPED_TRACE("items " + std::to_string(count));
        Open(count);
        const bool scrolls = count > 7;
        EXPECT_EQ(WindowAt(kClientLeft + 190, kClientTop + 60),
                  scrolls ? L"Scroll Bar for Application Table\n" : L"Application Table");
        RECT rect = {};
        device.run([&] { GetWindowRect(window, &rect); });
        EXPECT_EQ(rect.bottom - rect.top, 128);  // seven rows and the border
        if (count) continue;
        TapRow(0);
        EXPECT_EQ(ShellLookups(), 0);
        EXPECT_TRUE(AllWhite(ScreenArea(kClientLeft, kClientTop, kClientWidth, kClientHeight)));
        EXPECT_EQ(CountSelected(items.data(), 0), 0);
        ApplicationItem* selected = CopySelected(items.data(), 0);
        EXPECT_NE(selected, nullptr);  // an array of no items, which the caller deletes as any other
        delete[] selected;
    }
    RECT r = {};
    device.run([&] { GetWindowRect(WindowFromPoint(POINT{kClientLeft + 190, kClientTop + 60}), &r); });
    EXPECT_EQ(std::tuple(r.left, r.top, r.right, r.bottom),
              std::tuple(kClientLeft + 182, kClientTop + 1, kClientLeft + 197, kClientTop + 125));
}

TEST_F(ApplicationTableTest, AScrollByDRowsShiftsTheRowsAndDrawsExactlyTheDNewOnes) {
    Open(20);
    const auto before = Rows();
    ResetShellLookups();
    device.host().tap(kClientLeft + 189, kClientTop + 1 + 124 - 8);  // the line-down button
    EXPECT_EQ(ShellLookups(), 1);
    const auto after = Rows();
    const auto rowSize = kRowHeight * kRowsWidth;
    EXPECT_TRUE(std::equal(after.begin(), after.begin() + 6 * rowSize, before.begin() + rowSize));
    ExpectRepaintShowsTheSame();
    for (auto [first, drawn] : {std::pair{4, 3}, {0, 4}, {0, 0}, {13, 13}, {6, 7}}) {
        SCOPED_TRACE("to " + std::to_string(first));
        ResetShellLookups();
        ScrollTo(first);
        EXPECT_EQ(ShellLookups(), drawn);
        ExpectRepaintShowsTheSame();
    }
}

TEST_F(ApplicationTableTest, ATapAnywhereOnARowFlipsItsItemAndTheTickMovesWithTheRow) {
    auto given = test::ProgramItems(10);
    given[1].selected = 2;  // any non-zero flag shows ticked
    Open(given);
    EXPECT_EQ(Box(1), BoxIcon(148));
    TapRow(1);  // stores 0
    EXPECT_EQ(Flag(1), 0);
    EXPECT_EQ(Box(1), BoxIcon(147));
    const auto before = Rows();
    TapRow(1);
    TapRow(1);
    EXPECT_EQ(Flag(1), 0);

    TapRow(2);  // on the name
    EXPECT_EQ(Flag(2), 1);
    EXPECT_EQ(Box(2), BoxIcon(148));
    TapRow(4, 5);  // on the box
    EXPECT_EQ(Flag(4), 1);
    ScrollTo(1);
    for (int row : {0, 1, 2, 3}) EXPECT_EQ(Box(row), BoxIcon(row % 2 ? 148 : 147)) << row;
    ExpectRepaintShowsTheSame();
    TapRow(1);
    TapRow(3);
    ScrollTo(0);
    EXPECT_EQ(Rows(), before);  // no trace of a tick is left
}

