#pragma once
#include <windows.h>

// Writes "RegisterClass Failed: <class name>" to the debugger output, whatever the
// length of the name.
void ReportRegisterClassFailure(LPCWSTR className);
