// Reading and writing text values in the registry, as the start-up registration does.
#pragma once
#include <string>

#include <windows.h>

// Opens (creating where missing) a key with every access.
HKEY OpenOrCreateKey(HKEY root, const WCHAR* path);

// Reads a string value whole into `text`; false when it is missing or not text.
bool ReadTextValue(HKEY key, const WCHAR* name, std::wstring& text);

// Writes `text` with its terminator as the key's default value; true when it was written.
bool WriteDefaultText(HKEY key, const WCHAR* text);

// A new buffer of `room` characters holding `text` (cut to fit) and a terminator.
WCHAR* NewTextBuffer(const std::wstring& text, size_t room);
