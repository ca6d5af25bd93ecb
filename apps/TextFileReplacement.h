// Writing a whole text file so that an interruption leaves the old file or the new one.
#pragma once
#include <stdio.h>

#include <windows.h>

// Writes the file through `writeContent` into a temporary file beside it ("<path>.new",
// text mode) and then puts that in the file's place in one step. When anything fails the
// old file stays as it was and the temporary file is removed.
void WriteTextFileReplacing(const WCHAR* path, bool (*writeContent)(FILE* file));
