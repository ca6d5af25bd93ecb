// Notifications: programs the system runs when an event occurs.
#pragma once
#include <windef.h>

#ifdef __cplusplus
extern "C" {
#endif

#define NOTIFICATION_EVENT_NONE 0
#define NOTIFICATION_EVENT_TIME_CHANGE 1
#define NOTIFICATION_EVENT_SYNC_END 2
#define NOTIFICATION_EVENT_ON_AC_POWER 3
#define NOTIFICATION_EVENT_OFF_AC_POWER 4
#define NOTIFICATION_EVENT_NET_CONNECT 5
#define NOTIFICATION_EVENT_NET_DISCONNECT 6
#define NOTIFICATION_EVENT_DEVICE_CHANGE 7
#define NOTIFICATION_EVENT_IR_DISCOVERED 8
#define NOTIFICATION_EVENT_RS232_DETECTED 9
#define NOTIFICATION_EVENT_RESTORE_END 10
#define NOTIFICATION_EVENT_WAKEUP 11
#define NOTIFICATION_EVENT_TZ_CHANGE 12
#define NOTIFICATION_EVENT_LAST NOTIFICATION_EVENT_TZ_CHANGE

// Registers pwszAppName to run when lWhichEvent occurs; NOTIFICATION_EVENT_NONE removes
// every registration of that application.
BOOL WINAPI CeRunAppAtEvent(WCHAR* pwszAppName, LONG lWhichEvent);

#ifdef __cplusplus
}
#endif
