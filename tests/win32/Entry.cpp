// The entry function of a differential test program. Windows CE's WinMain takes the command
// line as wide text; desktop Windows calls that form wWinMain.
#include "Check.h"

#ifdef __MINGW32__
int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, LPWSTR command_line, int)
#else
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPWSTR command_line, int)
#endif
{
    return RunChecks(instance, command_line);
}
