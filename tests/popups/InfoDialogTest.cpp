// The information dialog: its header and dotted rule, the close button's place for both
// heights, taps, repaints, and closing through the parent.
#include "PopupFixture.h"

#include "app/ApplicationState.h"
#include "gdi/Gdi.h"
#include "ui/Colours.h"
#include "ui/IconButton.h"
#include "ui/InfoDialog.h"
#include "ui/WindowRegistry.h"

using popups::OnCommand;
using popups::PopupTest;
using popups::Received;
using Messages = std::vector<UINT>;

namespace {

const int kSmallHeight = 272, kLargeHeight = 258;
const UINT kCloseCommand = 3025;

class InfoDialogTest : public PopupTest {
protected:
    void SetUp() override {
        PopupTest::SetUp();
        registered = appState.windowRegistry->count();
        // The bar deletes the dialog when it is asked to close it.
        OnCommand() = [this](UINT command) {
            if (command != closeCommand) return;
            delete dialog;
            dialog = nullptr;
        };
    }
    void Open(int height) {
        RunWithBar([this, height](HWND bar) { Make(bar, height); },
                   [this] {
                       delete dialog;
                       dialog = nullptr;
                   });
    }
    void Make(HWND parent, int height) {
        dialog = new InfoDialog(L"Info Dialog", WS_CHILD | WS_VISIBLE, 0, 0, 240, height, parent, instance,
                                closeCommand);
        window = dialog->Create(1);
    }
    RECT CloseButtonRect() {
        RECT rect = {};
        device.run([&] { GetWindowRect(InfoDialog::CloseButton()->Window(), &rect); });
        return rect;
    }
    IconButton* CloseButton() {
        return device.host().inspect([](emu::Device&) { return InfoDialog::CloseButton(); });
    }

    InfoDialog* dialog = nullptr;
    HWND window = nullptr;
    UINT closeCommand = kCloseCommand;
    int registered = 0;
};

}  // namespace

TEST_F(InfoDialogTest, TheDottedRuleAlternatesBlackAndTheHeaderColourUnderTheHeader) {
    Open(kSmallHeight);
    ASSERT_NE(window, nullptr);
    for (int x = 2; x <= 236; x += 2) EXPECT_EQ(device.host().pixel(x, 25), RGB(0, 0, 0)) << x;
    for (int x = 3; x <= 237; x += 2) EXPECT_EQ(device.host().pixel(x, 25), kPanelColour) << x;
    EXPECT_EQ(device.host().pixel(200, 15), kPanelColour);  // inside the header box
    EXPECT_EQ(device.host().pixel(200, 40), kWhiteColour);  // the panel below it
}

TEST_F(InfoDialogTest, TheCloseButtonSitsInTheBottomRightCornerForEitherHeight) {
    for (int height : {kSmallHeight, kLargeHeight}) {
        SCOPED_TRACE("height " + std::to_string(height));
        if (!bar) Open(height);
        else OnUiThread([this, height] { Make(bar, height); });
        const int top = height - 19;
        RECT rect = CloseButtonRect();
        EXPECT_EQ(rect.left, 221);
        EXPECT_EQ(rect.top, top);
        EXPECT_EQ(rect.right - rect.left, 14);
        EXPECT_EQ(rect.bottom - rect.top, 14);
        EXPECT_EQ(ScreenArea(221, top, 14, 14), IconOver(104, 14, kPanelColour));
        OnUiThread([this] {
            delete dialog;
            dialog = nullptr;
        });
    }
}

TEST_F(InfoDialogTest, EverythingButTheCloseButtonAndTheBottomEdgeSitsAlikeInBothHeights) {
    Open(kSmallHeight);
    const auto small = ScreenArea(0, 0, 240, 236);
    OnUiThread([this] {
        delete dialog;
        Make(bar, kLargeHeight);
    });
    EXPECT_EQ(ScreenArea(0, 0, 240, 236), small);
}

TEST_F(InfoDialogTest, ATapAnywhereButTheCloseButtonDoesNothing) {
    Open(kSmallHeight);
    const auto before = ScreenArea(0, 0, 240, 272);
    device.host().tap(120, 100);
    device.host().tap(220, 252);  // just outside the close button
    EXPECT_TRUE(Received().empty());
    EXPECT_EQ(WindowAt(120, 100), L"Info Dialog");
    EXPECT_EQ(ScreenArea(0, 0, 240, 272), before);
}

TEST_F(InfoDialogTest, TheCloseButtonsTapClosesTheDialogThroughTheParentLeavingNothingBehind) {
    Open(kSmallHeight);
    EXPECT_EQ(WindowAt(228, 260), L"Close InfoDlg Button");
    device.host().tap(228, 260);
    EXPECT_EQ(Received(), Messages{kCloseCommand});
    EXPECT_EQ(dialog, nullptr);
    EXPECT_EQ(CloseButton(), nullptr);
    EXPECT_EQ(WindowAt(228, 260), L"Test Bar");
    EXPECT_EQ(WindowAt(120, 100), L"Test Bar");
    EXPECT_EQ(appState.windowRegistry->count(), registered);

    // Both classes are gone too: a new dialog registers them again, with a fresh button.
    OnUiThread([this] { Make(bar, kSmallHeight); });
    EXPECT_NE(window, nullptr);
    EXPECT_EQ(WindowAt(228, 260), L"Close InfoDlg Button");
}

TEST_F(InfoDialogTest, TheDialogAnswersItsButtonWhateverCommandItPassesOn) {
    closeCommand = 1234;
    Open(kSmallHeight);
    device.host().tap(228, 260);
    EXPECT_EQ(Received(), Messages{1234});
    EXPECT_EQ(dialog, nullptr);
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

TEST(InfoDialogRegistration, AClassNameInUseFailsTheCreateAndSaysSo) {
    test::TestDevice device;
    HINSTANCE instance = device.instance_with(tesselink_resources());
    device.run([instance] {
        WNDCLASS wc = {};
        wc.lpfnWndProc = DefWindowProc;
        wc.lpszClassName = L"Info Dialog";
        RegisterClass(&wc);
        InfoDialog dialog(L"Info Dialog", WS_CHILD | WS_VISIBLE, 0, 0, 240, 272, nullptr, instance, 3025);
        EXPECT_EQ(dialog.Create(1), nullptr);
    });
    auto debug = device.device().log.events("debug");
    ASSERT_FALSE(debug.empty());
    EXPECT_EQ(debug.back().text("text"), "RegisterClass Failed: Info Dialog\n");
}
