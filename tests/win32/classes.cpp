// Window classes: a name is unique within the process that registered it, without regard to
// case; a class cannot go while windows of it live; and a class belongs to its process, so
// that another process may register the same name, and an ended process leaves neither
// windows nor classes behind. The program starts itself as a helper process for the last.
#include "Check.h"

namespace {

ATOM Register(HINSTANCE instance, const WCHAR* name) { return RegisterWindowClass(instance, name, DefWindowProc); }

HWND Create(HINSTANCE instance, const WCHAR* class_name, const WCHAR* title) {
    return CreateWindowEx(0, class_name, title, WS_POPUP, 10, 40, 20, 20, nullptr, nullptr, instance, nullptr);
}

// The helper's tasks, named on its command line.
const WCHAR kKeep[] = L"keep:";      // register the class, create a window, end without cleaning up
const WCHAR kBorrow[] = L"borrow:";  // create a window of a class only the first process registered

// 1 when the helper's task went as the platform's rule says, 2 otherwise.
int RunHelper(HINSTANCE instance, const WCHAR* task) {
    if (wcsncmp(task, kKeep, wcslen(kKeep)) == 0) {
        const WCHAR* name = task + wcslen(kKeep);
        return Register(instance, name) && Create(instance, name, L"Left behind") ? 1 : 2;
    }
    if (wcsncmp(task, kBorrow, wcslen(kBorrow)) == 0) return Create(instance, task + wcslen(kBorrow), L"") ? 2 : 1;
    return 3;
}

// Runs this program again with a task and answers its exit code.
DWORD RunHelperProcess(const WCHAR* task) {
    WCHAR path[MAX_PATH];
    GetModuleFileName(nullptr, path, MAX_PATH);
    // The desktop's command line starts with the program's name; Windows CE's holds only the
    // arguments. The helper finds its task after the last space either way.
    WCHAR command[MAX_PATH + 64];
    wsprintf(command, L"\"%s\" %s", path, task);
    PROCESS_INFORMATION process;
    memset(&process, 0, sizeof process);
    STARTUPINFO startup;
    memset(&startup, 0, sizeof startup);
    startup.cb = sizeof startup;
    if (!CreateProcess(path, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) return 0;
    WaitForSingleObject(process.hProcess, 10000);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

void NamesAreUniqueWithinTheProcess(HINSTANCE instance) {
    ATOM atom = Register(instance, L"Tool");
    check::True("a class registers", atom != 0);
    check::Fails("the same name in other case is refused", Register(instance, L"TOOL") == 0,
                 ERROR_CLASS_ALREADY_EXISTS);

    HWND window = Create(instance, MAKEINTATOM(atom), L"");
    check::True("a window is created by the class atom", window != nullptr);
    check::Fails("a class with a live window cannot be unregistered", UnregisterClass(L"tool", instance) == FALSE,
                 ERROR_CLASS_HAS_WINDOWS);
    DestroyWindow(window);
    check::Equal("once its windows are gone it can", UnregisterClass(L"Tool", instance), TRUE);
    check::Fails("a class unregistered twice is refused", UnregisterClass(L"Tool", instance) == FALSE,
                 ERROR_CLASS_DOES_NOT_EXIST);
    check::True("no window of an unregistered class", Create(instance, L"Tool", L"") == nullptr);
    check::True("the name registers again", Register(instance, L"Tool") != 0);
    UnregisterClass(L"Tool", instance);
}

void ClassesBelongToTheirProcess(HINSTANCE instance) {
    check::Equal("a helper process registers a class and ends leaving its window", RunHelperProcess(L"keep:Orphan"),
                 1);
    check::True("the ended process's window is gone", FindWindow(nullptr, L"Left behind") == nullptr);
    check::Equal("the same program registers that name again after the first ended",
                 RunHelperProcess(L"keep:Orphan"), 1);

    check::True("this process registers a class", Register(instance, L"Shared") != 0);
    check::Equal("another process may register the same name", RunHelperProcess(L"keep:Shared"), 1);
    HWND mine = Create(instance, L"Shared", L"Mine");
    check::True("this process's class outlives the other's", mine != nullptr);
    DestroyWindow(mine);
    check::Equal("... and is still this process's to unregister", UnregisterClass(L"Shared", instance), TRUE);

    Register(instance, L"Private");
    check::Equal("another process cannot create a window of this process's class", RunHelperProcess(L"borrow:Private"),
                 1);
    UnregisterClass(L"Private", instance);
}

}  // namespace

int RunChecks(HINSTANCE instance, LPWSTR command_line) {
    const WCHAR* task = wcsrchr(command_line, L' ');
    task = task ? task + 1 : command_line;
    if (task[0]) return RunHelper(instance, task);
    NamesAreUniqueWithinTheProcess(instance);
    ClassesBelongToTheirProcess(instance);
    return check::Finish();
}
