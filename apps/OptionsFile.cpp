#include "apps/OptionsFile.h"

#include <stdio.h>

#include "app/ApplicationState.h"
#include "apps/TextFileReplacement.h"

namespace {

const WCHAR kOptionsFile[] = L"\\Windows\\tslink.opt";

// Reads up to the next "=" and then the byte after it (EOF when the file ends there).
// False when no "=" is left.
bool ReadValueAfterEquals(FILE* file, int& value) {
    int c;
    while ((c = fgetc(file)) != EOF && c != '=') {
    }
    if (c == EOF) return false;
    value = fgetc(file);
    return true;
}

bool WriteOptionLines(FILE* file) {
    return fputws(appState.smallMode ? L"MODE=0\n" : L"MODE=1\n", file) >= 0 &&
           fputws(appState.autoload ? L"ALOAD=1\n" : L"ALOAD=0\n", file) >= 0 &&
           fputws(appState.sound ? L"SOUND=1\n" : L"SOUND=0\n", file) >= 0;
}

}  // namespace

void ReadOptions() {
    FILE* file = _wfopen(kOptionsFile, L"r");
    if (!file) return;
    int value;
    if (ReadValueAfterEquals(file, value)) appState.smallMode = value == '0' ? 1 : 0;
    if (ReadValueAfterEquals(file, value)) appState.autoload = value != '0' ? 1 : 0;
    if (ReadValueAfterEquals(file, value)) appState.sound = value != '0' ? 1 : 0;
    fclose(file);
}

void WriteOptions() { WriteTextFileReplacing(kOptionsFile, WriteOptionLines); }
