// The Win32 / Windows CE API, as a program for the device sees it.
#pragma once
#include <windef.h>
#include <winerror.h>
#include <winbase.h>
#include <fileapi.h>
#include <winnls.h>
#include <wingdi.h>
#include <winuser.h>
#include <winreg.h>
