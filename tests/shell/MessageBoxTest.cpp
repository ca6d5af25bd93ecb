// MessageBox: a modal box on the screen that the caller waits on until a tap answers it.
#include "ShellTest.h"

#include <optional>

namespace shell_test {
namespace {

constexpr int kUnanswered = -1;

class MessageBoxes : public ShellTest {
protected:
    // Calls MessageBox on a program thread of its own; `answer` receives its result once
    // the box is answered.
    void show(UINT style, HWND owner = nullptr) {
        answer = kUnanswered;
        device.run([this, style, owner] {
            answer = MessageBox(owner, L"Save the changes to the list?", L"Lists", style);
        });
    }

    void tap_button(const emu::OpenMessageBox::Button& button) {
        host().tap((button.screen.left + button.screen.right) / 2, (button.screen.top + button.screen.bottom) / 2);
    }

    std::vector<int> button_ids(const emu::OpenMessageBox& box) {
        std::vector<int> ids;
        for (const auto& button : box.buttons) ids.push_back(button.id);
        return ids;
    }

    RECT frame_of(const emu::OpenMessageBox& box) {
        return host().inspect([&](emu::Device& d) { return d.windows->screen_rect(*d.windows->window(box.window)); });
    }

    int answer = kUnanswered;
};

struct StyleCase {
    UINT style;
    std::vector<int> buttons;  // left to right
};

const StyleCase kStyles[] = {
    {MB_OK, {IDOK}},
    {MB_OKCANCEL, {IDOK, IDCANCEL}},
    {MB_YESNO, {IDYES, IDNO}},
    {MB_YESNOCANCEL, {IDYES, IDNO, IDCANCEL}},
    {MB_RETRYCANCEL, {IDRETRY, IDCANCEL}},
    {MB_ABORTRETRYIGNORE, {IDABORT, IDRETRY, IDIGNORE}},
};

TEST_F(MessageBoxes, ATapOnEachButtonReturnsItsId) {
    for (const auto& c : kStyles) {
        for (std::size_t i = 0; i < c.buttons.size(); ++i) {
            SCOPED_TRACE("style " + std::to_string(c.style) + ", button " + std::to_string(i));
            show(c.style | MB_ICONQUESTION);
            auto box = host().message_box();
            ASSERT_TRUE(box);
            EXPECT_EQ(button_ids(*box), c.buttons);
            EXPECT_EQ(answer, kUnanswered);
            tap_button(box->buttons[i]);
            EXPECT_EQ(answer, c.buttons[i]);
            EXPECT_FALSE(host().message_box());
            EXPECT_EQ(events("message-box").back().number("answer"), c.buttons[i]);
        }
    }
}

// Without a tap the host answers with the default button the style names, or with a button
// the box has; closing answers Cancel, or OK when it is the only button, and is refused
// otherwise.
TEST_F(MessageBoxes, TheHostAnswersWithTheDefaultAndClosingAnswersCancelOrALoneOk) {
    EXPECT_FALSE(host().answer_message_box(IDOK)) << "no box is open";
    const struct {
        UINT style;
        int default_id;
        int closed;  // kUnanswered: the box stays open
    } cases[] = {{MB_OK, IDOK, IDOK},
                 {MB_OKCANCEL | MB_DEFBUTTON3, IDOK, IDCANCEL},  // no third button: the first
                 {MB_YESNOCANCEL, IDYES, IDCANCEL},
                 {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL, IDCANCEL},
                 {MB_RETRYCANCEL | MB_DEFBUTTON2, IDCANCEL, IDCANCEL},
                 {MB_YESNO | MB_DEFBUTTON2, IDNO, kUnanswered}};
    for (const auto& c : cases) {
        SCOPED_TRACE("style " + std::to_string(c.style));
        show(c.style);
        auto box = host().message_box();
        ASSERT_TRUE(box);
        EXPECT_EQ(box->default_id, c.default_id);
        host().inspect([&](emu::Device& d) {
            auto window = d.windows->window(box->window);
            d.windows->post(*window->thread, MSG{box->window, WM_CLOSE, 0, 0});
        });
        host().wait_idle();
        EXPECT_EQ(answer, c.closed);
        if (c.closed != kUnanswered) continue;
        EXPECT_FALSE(host().answer_message_box(IDCANCEL));
        EXPECT_EQ(answer, kUnanswered);
        EXPECT_TRUE(host().answer_message_box());
        EXPECT_EQ(answer, c.default_id);
    }
    show(MB_TYPEMASK);  // no known button set: fails at once
    EXPECT_EQ(answer, 0);
    EXPECT_FALSE(host().message_box());
}

// The box is drawn in front with its caption band and framed buttons, and its owner takes
// no taps until it is answered.
TEST_F(MessageBoxes, IsDrawnInFrontAndItsOwnerTakesNoTapsMeanwhile) {
    open(L"\\Windows\\calc.exe");
    HWND calculator = program_window(L"Calculator");
    auto enabled = [&] {
        return host().inspect([&](emu::Device& d) {
            auto window = d.windows->window(calculator);
            return window && !(window->style & WS_DISABLED);
        });
    };
    show(MB_OKCANCEL | MB_DEFBUTTON2, calculator);
    auto box = host().message_box();
    ASSERT_TRUE(box);
    const RECT frame = frame_of(*box);
    EXPECT_EQ(foreground(), box->window);
    EXPECT_EQ(pixel(frame.left, frame.top + 5), 0u) << "the frame";
    EXPECT_EQ(pixel(frame.left + 2, frame.top + 2), 0x002C7Cu) << "the caption band";
    EXPECT_EQ(pixel(frame.left + 4, frame.bottom - 4), 0xFFFFFFu);
    // The default button (Cancel) has a double frame, the other a single one.
    const RECT ok = box->buttons[0].screen, cancel = box->buttons[1].screen;
    EXPECT_EQ(pixel(ok.left, ok.top + 5), 0u);
    EXPECT_EQ(pixel(ok.left + 1, ok.top + 5), 0xFFFFFFu);
    EXPECT_EQ(pixel(cancel.left + 1, cancel.top + 5), 0u);
    bool caption_text = false;
    for (int x = frame.left + 4; x < frame.left + 40; ++x) caption_text |= pixel(x, frame.top + 11) == 0xFFFFFFu;
    EXPECT_TRUE(caption_text);

    EXPECT_FALSE(enabled());
    host().tap(kOkButton.x, kOkButton.y);  // the calculator's own OK button, below the box
    ASSERT_NE(program_window(L"Calculator"), nullptr);
    ASSERT_TRUE(host().answer_message_box());
    EXPECT_TRUE(enabled());
    EXPECT_EQ(foreground(), calculator);
    host().tap(kOkButton.x, kOkButton.y);
    EXPECT_EQ(program_window(L"Calculator"), nullptr);
}

TEST_F(MessageBoxes, LongTextIsWrappedInsideTheBoxAndTheBoxStaysInTheWorkArea) {
    answer = kUnanswered;
    device.run([this] {
        std::wstring text = L"AnUnbrokenWordMuchTooLongToFitOnOneLineOfTheBoxAtAll\n";
        for (int i = 0; i < 300; ++i) text += L"word ";
        answer = MessageBox(nullptr, text.c_str(), L"Long", MB_OK);
    });
    auto box = host().message_box();
    ASSERT_TRUE(box);
    const RECT frame = frame_of(*box);
    EXPECT_GE(frame.top, 26);
    EXPECT_LE(frame.bottom, 294);
    EXPECT_GT(frame.bottom - frame.top, 100) << "many lines";
    for (int y = frame.top + 22; y < box->buttons[0].screen.top; ++y)
        EXPECT_EQ(pixel(frame.right - 2, y), 0xFFFFFFu) << "text reaches the frame at y " << y;
    EXPECT_TRUE(host().answer_message_box());
    EXPECT_EQ(answer, IDOK);
}

}  // namespace
}  // namespace shell_test
