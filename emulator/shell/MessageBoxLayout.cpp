#include "shell/MessageBoxLayout.h"

#include <algorithm>

namespace emu {

namespace {

constexpr RECT kWorkArea{0, 26, 240, 294};
constexpr int kBoxWidth = 224;  // frame included
constexpr int kFrame = 1;
constexpr int kCaptionHeight = 20;
constexpr int kMargin = 10;
constexpr int kButtonWidth = 60, kButtonHeight = 22, kButtonGap = 8, kGapAboveButtons = 12;

int width_of(HDC dc, std::wstring_view text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
    return size.cx;
}

// Adds `word` to the lines, starting a new line when it does not fit after `line`, and
// cutting it where it does not fit a line of its own.
void add_word(HDC dc, std::wstring word, int width, std::wstring& line, std::vector<std::wstring>& lines) {
    const std::wstring joined = line.empty() ? word : line + L' ' + word;
    if (width_of(dc, joined) <= width) {
        line = joined;
        return;
    }
    if (!line.empty()) lines.push_back(std::move(line));
    line.clear();
    while (word.size() > 1 && width_of(dc, word) > width) {
        std::size_t fits = 1;
        while (fits + 1 < word.size() && width_of(dc, std::wstring_view(word).substr(0, fits + 1)) <= width) ++fits;
        lines.push_back(word.substr(0, fits));
        word.erase(0, fits);
    }
    line = std::move(word);
}

void wrap_paragraph(HDC dc, std::wstring_view paragraph, int width, std::vector<std::wstring>& lines) {
    std::wstring line;
    std::size_t start = 0;
    while (start <= paragraph.size()) {
        const std::size_t end = std::min(paragraph.find(L' ', start), paragraph.size());
        if (end > start) add_word(dc, std::wstring(paragraph.substr(start, end - start)), width, line, lines);
        start = end + 1;
    }
    lines.push_back(std::move(line));
}

}  // namespace

std::vector<std::wstring> wrap_text(HDC dc, std::wstring_view text, int width) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = std::min(text.find(L'\n', start), text.size());
        std::wstring_view paragraph = text.substr(start, end - start);
        if (!paragraph.empty() && paragraph.back() == L'\r') paragraph.remove_suffix(1);
        wrap_paragraph(dc, paragraph, width, lines);
        if (end == text.size()) return lines;
        start = end + 1;
    }
}

MessageBoxLayout lay_out_message_box(HDC dc, std::wstring_view text, std::size_t button_count) {
    MessageBoxLayout layout;
    const int client_width = kBoxWidth - 2 * kFrame;
    SIZE cell{};
    GetTextExtentPoint32W(dc, L"Ag", 2, &cell);
    layout.line_height = cell.cy;
    layout.caption = {0, 0, client_width, kCaptionHeight};
    layout.text_left = kMargin;
    layout.text_top = kCaptionHeight + kMargin;
    layout.lines = wrap_text(dc, text, client_width - 2 * kMargin);

    const int fixed = 2 * kFrame + kCaptionHeight + kMargin + kGapAboveButtons + kButtonHeight + kMargin;
    const int room = kWorkArea.bottom - kWorkArea.top - fixed;
    const auto most_lines = static_cast<std::size_t>(std::max(1, room / std::max(1, layout.line_height)));
    if (layout.lines.size() > most_lines) layout.lines.resize(most_lines);

    const int text_height = static_cast<int>(layout.lines.size()) * layout.line_height;
    const int buttons_top = layout.text_top + text_height + kGapAboveButtons;
    const int row_width = static_cast<int>(button_count) * (kButtonWidth + kButtonGap) - kButtonGap;
    for (std::size_t i = 0; i < button_count; ++i) {
        const int left = (client_width - row_width) / 2 + static_cast<int>(i) * (kButtonWidth + kButtonGap);
        layout.buttons.push_back({left, buttons_top, left + kButtonWidth, buttons_top + kButtonHeight});
    }

    const int height = buttons_top + kButtonHeight + kMargin + 2 * kFrame;
    const int left = (kWorkArea.right - kWorkArea.left - kBoxWidth) / 2;
    const int top = kWorkArea.top + (kWorkArea.bottom - kWorkArea.top - height) / 2;
    layout.window = {left, top, left + kBoxWidth, top + height};
    return layout;
}

}  // namespace emu
