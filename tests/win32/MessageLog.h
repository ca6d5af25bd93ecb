// A log of what window procedures saw, as space-separated words ("P:create C:destroy"), for
// checks of message order. Only the messages a check names are logged: desktop Windows
// sends many more (non-client, activation, IME) that Windows CE does not have.
#pragma once
#include "Check.h"

namespace message_log {

inline char* Text() {
    static char text[1024];
    return text;
}

inline void Clear() { Text()[0] = '\0'; }

inline void Add(const char* word) {
    char* text = Text();
    size_t used = strlen(text);
    snprintf(text + used, 1024 - used, "%s%s", used ? " " : "", word);
}

// Adds "<window title>:<what>".
inline void Add(HWND window, const char* what) {
    WCHAR title[32];
    if (!GetWindowText(window, title, 32)) title[0] = L'\0';
    char word[64];
    int i = 0;
    for (; title[i] && i < 31; ++i) word[i] = static_cast<char>(title[i]);
    snprintf(word + i, sizeof word - i, ":%s", what);
    Add(word);
}

inline bool Check(const char* name, const char* expected) {
    char detail[1200];
    snprintf(detail, sizeof detail, "got \"%s\", expected \"%s\"", Text(), expected);
    return check::Report(name, strcmp(Text(), expected) == 0, detail);
}

}  // namespace message_log
