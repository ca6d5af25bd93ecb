// A Win32 program that includes only <windows.h> and uses the C library's memory and
// string calls and the SDK's memory-block macros. That it builds is half the check; it
// ends with 0 when every call did its work, else with the bits of the checks that failed.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    int failed = 0;
    unsigned char block[8];
    memset(block, 0xAB, sizeof block);
    ZeroMemory(block + 1, 6);
    if (block[0] != 0xAB || block[1] != 0 || block[6] != 0 || block[7] != 0xAB) failed |= 1;
    FillMemory(block, 4, 0x5A);  // the length before the byte, unlike memset
    if (block[0] != 0x5A || block[3] != 0x5A || block[4] != 0) failed |= 2;

    const DWORD source[3] = {1, 0xFFFFFFFF, 3};
    DWORD target[3] = {};
    CopyMemory(target, source, sizeof source);
    if (!EqualMemory(target, source, sizeof source) || memcmp(target, source, sizeof source) != 0) failed |= 4;

    char text[] = "abcdef";
    MoveMemory(text + 2, text, 4);  // overlapping blocks move as if through a buffer
    if (memcmp(text, "ababcd", 6) != 0) failed |= 8;

    WCHAR wide[16];
    wcscpy(wide, L"Tesselink");
    if (wcslen(wide) != 9 || strlen(text) != 6 || wcscmp(wide, L"Tesselink") != 0) failed |= 16;
    return failed;
}
