// Counts the program's icon look-ups: the suite links with the shell's SHGetFileInfoW
// wrapped, and every call passes through this counter on its way to the shell.
#pragma once

namespace config_test {

int ShellLookups();
void ResetShellLookups();

}  // namespace config_test
