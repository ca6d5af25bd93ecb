// The configuration pop-up: a white panel above the bar in which the user ticks the Start
// Menu items the strip shows and sets the autoload and sound options. It keeps the choices
// in memory only; the bar reads them back when it closes the dialog.
#pragma once
#include <windows.h>

class ApplicationTable;
class IconButton;
struct ApplicationItem;

// The command the dialog's close button sends to the dialog.
const UINT kConfigDialogCloseCommand = 3026;

class ConfigDialog {
public:
    // `closeCommand` goes to the parent when the close button is used. The window name is
    // not copied.
    ConfigDialog(LPCWSTR windowName, DWORD style, int x, int y, int width, int height, HWND parent,
                 HINSTANCE instance, UINT closeCommand);
    // Deletes the close button and the table, destroys the window and unregisters the
    // class. The items stay with their owner.
    virtual ~ConfigDialog();
    ConfigDialog(const ConfigDialog&) = delete;
    ConfigDialog& operator=(const ConfigDialog&) = delete;

    // The items are borrowed for the dialog's life; ticking flips their selected flags.
    void SetItems(ApplicationItem* items, int count);
    void SetOptions(int autoload, int sound);
    // Creates the window, shown when `show` is non-zero. Gives null when a window of the
    // same name exists already (it comes to the foreground) or on failure.
    HWND Create(int show);

    int Autoload() const { return autoload_; }
    int Sound() const { return sound_; }
    int SelectedCount() const;
    // A new array of copies of the ticked items, in item order, SelectedCount() long; the
    // caller owns it (delete[]).
    ApplicationItem* SelectedItems() const;

    HWND Window() const { return window_; }
    // The open dialog's close button, made on its first paint; null while none is open.
    static IconButton* CloseButton() { return closeButton_; }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();
    void CreateCloseButton(const RECT& client);
    void CreateTable(const RECT& client);
    void DrawOptions();
    void OnTap(WORD x, WORD y);
    void ToggleOption(int& flag, int boxTop);

    HINSTANCE instance_;
    UINT closeCommand_;
    int autoload_ = 0;
    int sound_ = 0;
    HWND window_ = nullptr;
    HWND parent_;
    LPCWSTR windowName_;
    DWORD style_;
    int x_, y_, width_, height_;
    ATOM classAtom_ = 0;
    int itemCount_ = 0;
    ApplicationItem* items_ = nullptr;
    ApplicationTable* table_ = nullptr;

    // One configuration dialog is open at a time, and its close button is kept here.
    static IconButton* closeButton_;
};
