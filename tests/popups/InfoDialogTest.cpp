// The information dialog: its header and dotted rule, the close button's place for both
// heights, taps, repaints, and closing through the parent.
#include "PopupFixture.h"

#include "app/ApplicationState.h"
#include "gdi/Gdi.h"
#include "ui/Colours.h"
#include "ui/IconButton.h"
#include "ui/InfoDialog.h"
#include "ui/WindowRegistry.h"

using namespace popups;

namespace {

const int kSmallHeight = 272, kLargeHeight = 258;

class InfoDialogTest : public PopupTest {
protected:
    void SetUp() override {
        PopupTest::SetUp();
        registered = appState.windowRegistry->count();
        g_onCommand = [this](UINT command) {  // the bar deletes the dialog on its close command
            if (command == closeCommand) Close();
        };
    }
    void Open(int height) {
        if (bar)
            OnUiThread([=, this] { Make(height); });
        else
            RunWithBar([=, this](HWND) { Make(height); }, [this] { Close(); });
    }
    void Make(int height) {
        dialog = new InfoDialog(L"Info Dialog", WS_CHILD | WS_VISIBLE, 0, 0, 240, height, bar, instance, closeCommand);
        window = dialog->Create(1);
    }
    void Close() {
        delete dialog;
        dialog = nullptr;
    }
    IconButton* CloseButton() {
        return device.host().inspect([](emu::Device&) { return InfoDialog::CloseButton(); });
    }

    InfoDialog* dialog = nullptr;
    HWND window = nullptr;
    UINT closeCommand = 3025;
    int registered = 0;
};

}  // namespace

TEST_F(InfoDialogTest, TheDottedRuleAlternatesBlackAndTheHeaderColourUnderTheHeader) {
    Open(kSmallHeight);
    for (int x = 2; x <= 236; x += 2) EXPECT_EQ(device.host().pixel(x, 25), RGB(0, 0, 0)) << x;
    for (int x = 3; x <= 237; x += 2) EXPECT_EQ(device.host().pixel(x, 25), kPanelColour) << x;
    EXPECT_EQ(device.host().pixel(200, 15), kPanelColour);  // inside the header box
    EXPECT_EQ(device.host().pixel(200, 40), kWhiteColour);  // the panel below it
}

TEST_F(InfoDialogTest, OnlyTheCloseButtonAndTheBottomEdgeMoveWithTheHeight) {
    std::vector<COLORREF> top;
    for (int height : {kSmallHeight, kLargeHeight}) {
        SCOPED_TRACE(height);
        Open(height);
        RECT rect = {};
        device.run([&] { GetWindowRect(InfoDialog::CloseButton()->Window(), &rect); });
        EXPECT_EQ(rect.left, 221);
        EXPECT_EQ(rect.top, height - 19);
        EXPECT_EQ(rect.right, 235);
        EXPECT_EQ(rect.bottom, height - 5);
        EXPECT_EQ(ScreenArea(221, height - 19, 14, 14), IconOver(104, 14, kPanelColour));
        if (top.empty())
            top = ScreenArea(0, 0, 240, 236);
        else
            EXPECT_EQ(ScreenArea(0, 0, 240, 236), top);
        OnUiThread([this] { Close(); });
    }
}

TEST_F(InfoDialogTest, ATapAnywhereButTheCloseButtonDoesNothing) {
    Open(kSmallHeight);
    const auto before = ScreenArea(0, 0, 240, 272);
    device.host().tap(120, 100);
    device.host().tap(220, 252);  // just outside the close button
    EXPECT_TRUE(g_received.empty());
    EXPECT_EQ(ScreenArea(0, 0, 240, 272), before);
}

TEST_F(InfoDialogTest, TheCloseButtonsTapClosesTheDialogThroughTheParentLeavingNothingBehind) {
    closeCommand = 1234;  // the dialog answers its button's 3025 and passes on its own command
    Open(kSmallHeight);
    device.host().tap(228, 260);
    EXPECT_EQ(g_received, Messages{1234});
    EXPECT_EQ(CloseButton(), nullptr);
    EXPECT_EQ(WindowAt(228, 260), L"Test Bar");
    EXPECT_EQ(WindowAt(120, 100), L"Test Bar");
    EXPECT_EQ(appState.windowRegistry->count(), registered);
    // Both classes are gone too: a new dialog registers them again, with a fresh button.
    Open(kSmallHeight);
    EXPECT_NE(window, nullptr);
    EXPECT_EQ(WindowAt(228, 260), L"Close InfoDlg Button");
}

TEST_F(InfoDialogTest, ARepaintDrawsItAllAgainButMakesNoSecondButtonAndLeaksNothing) {
    Open(kSmallHeight);
    IconButton* button = CloseButton();
    const auto before = ScreenArea(0, 0, 240, 272);
    auto alive = [this] {
        return device.host().inspect([](emu::Device& d) { return d.gdi->live_objects() + d.gdi->live_icons(); });
    };
    const auto objects = alive();
    OnUiThread([this] {
        HDC dc = GetDC(window);
        RECT inside = {10, 10, 230, 262};  // the dialog leaves the pixels outside its frame alone
        FillRect(dc, &inside, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        ReleaseDC(window, dc);
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);
    });
    EXPECT_EQ(ScreenArea(0, 0, 240, 272), before);
    EXPECT_EQ(CloseButton(), button);
    EXPECT_EQ(alive(), objects);
}
