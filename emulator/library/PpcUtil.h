#pragma once
#include "library/Libraries.h"

namespace emu {

// ppcutil.dll, the OEM utility library in \Windows: ReadREGDW and WriteREGDW read and write
// DWORD values of the registry.
LibraryDefinition ppcutil_library();

}  // namespace emu
