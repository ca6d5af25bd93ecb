#pragma once
#include <string>
#include <string_view>

#include "registry/RegistryKey.h"

namespace emu {

// The registry file is regedit's text format, in UTF-8:
//   Windows Registry Editor Version 5.00
//   [HKEY_CURRENT_USER\Software\Vendor]
//   @="default text"
//   "Name"="text with \\ and \" escaped"
//   "Count"=dword:00000001
//   "Blob"=hex:01,02,ff
//   "Other"=hex(7):41,00,00,00      (any other type, by number)
// Blank lines and lines starting with ';' are ignored; a hex list may go on over
// following lines when a line ends in a backslash. Text that is valid UTF-8 is written
// back byte for byte; a byte that is not is read as the device's code page (Windows-1252)
// character and written back in UTF-8.
struct RegistryParseResult {
    RegistryTree tree;
    std::string error;  // empty when the text was read whole
    int error_line = 0;
};

RegistryParseResult parse_registry_text(std::string_view text);
std::string format_registry_text(const RegistryTree& tree);

}  // namespace emu
