#include "ShellLookups.h"

#include <atomic>

#include <shellapi.h>

namespace {

std::atomic<int> lookups{0};

}  // namespace

extern "C" DWORD_PTR WINAPI __real_SHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT size,
                                                  UINT flags);

extern "C" DWORD_PTR WINAPI __wrap_SHGetFileInfoW(LPCWSTR path, DWORD attributes, SHFILEINFOW* info, UINT size,
                                                  UINT flags) {
    ++lookups;
    return __real_SHGetFileInfoW(path, attributes, info, size, flags);
}

namespace config_test {

int ShellLookups() { return lookups; }
void ResetShellLookups() { lookups = 0; }

}  // namespace config_test
