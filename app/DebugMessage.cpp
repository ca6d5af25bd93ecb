#include "app/DebugMessage.h"

#include <string>

void ReportRegisterClassFailure(LPCWSTR className) {
    std::wstring text = L"RegisterClass Failed: ";
    text += className;
    text += L"\n";
    OutputDebugString(text.c_str());
}
