// Windows CE object store information.
#pragma once
#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef struct STORE_INFORMATION {
    DWORD dwStoreSize;
    DWORD dwFreeSize;
} STORE_INFORMATION, *LPSTORE_INFORMATION;

BOOL WINAPI GetStoreInformation(LPSTORE_INFORMATION lpsi);

#ifdef __cplusplus
}
#endif
