#include "shell/BuiltinPrograms.h"

#include <array>
#include <charconv>
#include <string>

#include "kernel/SameName.h"

namespace emu {

namespace {

constexpr std::array kPrograms{
    BuiltinProgram{L"calendar.exe", L"Calendar", IconArt::Calendar},
    BuiltinProgram{L"contacts.exe", L"Contacts", IconArt::Contacts},
    BuiltinProgram{L"inbox.exe", L"Inbox", IconArt::Inbox},
    BuiltinProgram{L"notes.exe", L"Notes", IconArt::Notes},
    BuiltinProgram{L"tasks.exe", L"Tasks", IconArt::Tasks},
    BuiltinProgram{L"calc.exe", L"Calculator", IconArt::Calculator},
    BuiltinProgram{L"fexplore.exe", L"File Explorer", IconArt::FileExplorer},
    BuiltinProgram{L"iexplore.exe", L"Web Browser", IconArt::WebBrowser},
    BuiltinProgram{L"wmplayer.exe", L"Media Player", IconArt::MediaPlayer},
    BuiltinProgram{L"pictures.exe", L"Pictures", IconArt::Pictures},
    BuiltinProgram{L"pword.exe", L"Word Processor", IconArt::WordProcessor},
    BuiltinProgram{L"pxl.exe", L"Spreadsheet", IconArt::Spreadsheet},
    BuiltinProgram{L"bubble.exe", L"Bubbles", IconArt::Bubbles},
    BuiltinProgram{L"solitare.exe", L"Solitaire", IconArt::Solitaire},
    BuiltinProgram{kControlPanelHost, L"Settings", IconArt::ControlPanel},
};

// Applet names by number; 14 is not an applet.
constexpr std::array<std::wstring_view, 19> kAppletNames{
    L"",       L"Password", L"Owner",   L"Power",           L"Memory", L"About",  L"Backlight",
    L"Screen", L"Input",    L"Sound",   L"Remove Programs", L"Menus",  L"Buttons", L"Today",
    L"",       L"Beam",     L"Clock",   L"Network",         L"Regional"};

constexpr std::wstring_view kAppletPrefix = L"cplmain.cpl,";

struct DocumentType {
    std::wstring_view extension;
    std::wstring_view program;
};

constexpr std::array kDocumentTypes{
    DocumentType{L".txt", L"pword.exe"},    DocumentType{L".psw", L"pword.exe"},
    DocumentType{L".doc", L"pword.exe"},    DocumentType{L".pxl", L"pxl.exe"},
    DocumentType{L".xls", L"pxl.exe"},      DocumentType{L".htm", L"iexplore.exe"},
    DocumentType{L".html", L"iexplore.exe"}, DocumentType{L".jpg", L"pictures.exe"},
    DocumentType{L".bmp", L"pictures.exe"}, DocumentType{L".png", L"pictures.exe"},
    DocumentType{L".wav", L"wmplayer.exe"}, DocumentType{L".mp3", L"wmplayer.exe"},
};

}  // namespace

const BuiltinProgram* find_builtin_program(std::wstring_view path) {
    auto name = file_name_of(path);
    for (const auto& program : kPrograms)
        if (same_name(program.file_name, name)) return &program;
    return nullptr;
}

std::optional<int> control_panel_applet(std::wstring_view arguments) {
    if (arguments.size() <= kAppletPrefix.size() || !same_name(arguments.substr(0, kAppletPrefix.size()), kAppletPrefix))
        return std::nullopt;
    std::string digits;
    for (wchar_t c : arguments.substr(kAppletPrefix.size())) {
        if (c < L'0' || c > L'9' || digits.size() >= 3) return std::nullopt;
        digits += static_cast<char>(c);
    }
    int number = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), number);
    return number;
}

std::wstring_view control_panel_applet_name(int number) {
    if (number < 0 || static_cast<std::size_t>(number) >= kAppletNames.size()) return L"";
    return kAppletNames[static_cast<std::size_t>(number)];
}

std::wstring_view program_for_document(std::wstring_view extension) {
    for (const auto& type : kDocumentTypes)
        if (same_name(type.extension, extension)) return type.program;
    return L"";
}

std::wstring_view file_name_of(std::wstring_view path) {
    auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring_view::npos ? path : path.substr(slash + 1);
}

std::wstring_view extension_of(std::wstring_view path) {
    auto name = file_name_of(path);
    auto dot = name.rfind(L'.');
    return dot == std::wstring_view::npos ? std::wstring_view() : name.substr(dot);
}

}  // namespace emu
