// A Win32 program that includes only <windows.h> and uses the C library's memory and
// string calls and the SDK's memory-block macros. That it builds is half the check; it
// ends with 0 when every call did its work, else with the bits of the checks that failed.
#include <windows.h>

namespace {

bool all_bytes(const unsigned char* bytes, size_t count, unsigned char value) {
    for (size_t i = 0; i < count; ++i)
        if (bytes[i] != value) return false;
    return true;
}

bool zero_memory_clears_exactly_its_length() {
    unsigned char block[8];
    memset(block, 0xAB, sizeof block);
    ZeroMemory(block + 1, 6);
    return block[0] == 0xAB && all_bytes(block + 1, 6, 0) && block[7] == 0xAB;
}

// FillMemory takes the length before the byte, unlike memset.
bool fill_memory_takes_length_then_byte() {
    unsigned char block[6] = {};
    FillMemory(block, 4, 0x5A);
    return all_bytes(block, 4, 0x5A) && block[4] == 0 && block[5] == 0;
}

bool copy_and_equal_memory_agree() {
    const DWORD source[3] = {1, 0xFFFFFFFF, 3};
    DWORD target[3] = {};
    CopyMemory(target, source, sizeof source);
    return EqualMemory(target, source, sizeof source) && memcmp(target, source, sizeof source) == 0;
}

// MoveMemory copies overlapping blocks as if through a buffer.
bool move_memory_handles_overlap() {
    char text[] = "abcdef";
    MoveMemory(text + 2, text, 4);
    return memcmp(text, "ababcd", 6) == 0;
}

bool string_calls_are_there() {
    WCHAR wide[16];
    wcscpy(wide, L"Tesselink");
    char narrow[8];
    memcpy(narrow, "bar", 4);
    return wcslen(wide) == 9 && strlen(narrow) == 3 && wcscmp(wide, L"Tesselink") == 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    bool (*const checks[])() = {zero_memory_clears_exactly_its_length, fill_memory_takes_length_then_byte,
                                copy_and_equal_memory_agree, move_memory_handles_overlap, string_calls_are_there};
    int failed = 0;
    for (int i = 0; i < 5; ++i)
        if (!checks[i]()) failed |= 1 << i;
    return failed;
}
