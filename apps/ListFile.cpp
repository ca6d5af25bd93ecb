#include "apps/ListFile.h"

#include <stdio.h>
#include <wchar.h>

#include <string>

#include "app/ApplicationState.h"
#include "apps/ApplicationItem.h"
#include "apps/StartMenuScan.h"
#include "apps/TextFileReplacement.h"

namespace {

const WCHAR kListFile[] = L"\\Windows\\tslink.lst";

bool FileCanBeRead(const std::wstring& path) {
    FILE* probe = _wfopen(path.c_str(), L"r");
    if (!probe) return false;
    fclose(probe);
    return true;
}

void AcceptLine(const std::wstring& path) {
    if (appState.chosenCount >= kMaxApplicationItems || !FileCanBeRead(path)) return;
    ApplicationItem item;
    item.path = path;
    AppendItem(appState.chosen, appState.chosenCount, std::move(item));
}

// Reads the file's characters line by line; a line that does not fit a path buffer, or
// that holds a terminator character, is skipped whole.
void ReadLines(FILE* file) {
    std::wstring line;
    bool fits = true;
    for (wint_t c; (c = fgetwc(file)) != WEOF;) {
        if (c != L'\n') {
            fits = fits && c != 0 && line.size() < MAX_PATH - 1;
            if (fits) line += static_cast<WCHAR>(c);
            continue;
        }
        if (fits) AcceptLine(line);
        line.clear();
        fits = true;
    }
}

bool WriteLines(FILE* file) {
    for (int i = 0; i < appState.chosenCount; ++i)
        if (fwprintf(file, L"%ls\n", appState.chosen[i].path.c_str()) < 0) return false;
    return true;
}

}  // namespace

void ReadList() {
    FILE* file = _wfopen(kListFile, L"r");
    if (file) {
        ReadLines(file);
        fclose(file);
    }
    if (appState.chosenCount == 0) TopLevelScan(appState.startMenuDirectory);
}

void WriteList() { WriteTextFileReplacing(kListFile, WriteLines); }
