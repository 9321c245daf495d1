// The window toolkit both programs are built on: a window class is a C++ class with one
// message-dispatch function, and its controls come from layout tables in twips, laid out again
// at the new DPI when the window moves to a monitor of another DPI.
#pragma once

#include <windows.h>

#include <span>
#include <string>
#include <string_view>

#include "platform/handles.h"

namespace platform {

enum class ControlKind {
    Button,
    Label,
    Edit,
    CheckBox,
    Option,       // one of a group of option buttons; the group starts at the first Option after
                  // any other kind of control
    Frame,        // a group box drawn around other controls
    ListBox,      // single selection, rows in the order added
    ComboBox,     // editable text field with a drop-down list
    Picture,      // a picture box: takes the size of the bitmap it is given; clicks reach the parent
};

struct ControlSpec {
    int id;
    ControlKind kind;
    const wchar_t* text;
    int left, top, width, height;  // twips, in the parent's client area
    bool enabled = true;  // every control is visible
};

// The interface font: a face by name, the character set that picks a replacement where the face
// is missing, and the size in points.
struct FontChoice {
    const wchar_t* face;
    BYTE charset;
    int points;
};

struct TopLevelSpec {
    const wchar_t* className;
    std::wstring_view title;
    DWORD style;
    DWORD exStyle;
    int clientWidthTwips;
    int clientHeightTwips;
    FontChoice font;
    HWND owner = nullptr;
    int iconResource = 0;  // the window's icon, loaded at the sizes the window's DPI asks for
};

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }
    HWND Control(int id) const { return GetDlgItem(hwnd_, id); }
    int Px(int twips) const;

    // Texts and states of controls.
    std::wstring Text(int id) const;
    void SetText(int id, std::wstring_view text);
    void Enable(int id, bool enabled);
    bool IsEnabled(int id) const;
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);

    // Shows the window modally and returns once EndModal has been called (or the program ends, whose
    // quit then reaches the outer loop): the thread's other windows take no input meanwhile, and get
    // it back before this window is destroyed, so that activation returns to them. `focus` takes
    // the keyboard first.
    void RunModal(HWND focus);
    void EndModal() { modal_ = false; }

    // Centres the window on a monitor (null: its own), then moves it as far as needed to keep it
    // in that monitor's work area, title bar first.
    void Centre(HMONITOR monitor = nullptr);
    void MoveTopLeft(int x, int y);

protected:
    Window();

    bool CreateTopLevel(const TopLevelSpec& spec);
    // Controls are created in table order, which is also their keyboard order. The table must
    // outlive the window: it lays the controls out again when the DPI changes.
    void CreateControls(std::span<const ControlSpec> specs);
    void AddTooltip(int controlId, const wchar_t* text);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // After the window has taken its new DPI: controls, font and icons follow it already.
    virtual void OnDpiChanged() {}
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool KeepControlFocus(WPARAM activation);
    void TakeDpi(int dpi);
    void LayOutControls();

    HWND hwnd_ = nullptr;
    bool counted_ = false;  // in the count of open top-level windows, which keep the program running
    bool modal_ = false;
    int dpi_ = 96;
    FontChoice fontChoice_ = {};
    int iconResource_ = 0;
    std::span<const ControlSpec> layout_;
    UniqueHFont font_;
    UniqueHIcon bigIcon_;
    UniqueHIcon smallIcon_;
    HWND tooltip_ = nullptr;    // owned by the window: destroyed with it by the system
    HWND lastFocus_ = nullptr;  // the control that had the keyboard when the window was left
};

// The wait cursor while a lengthy step runs.
class WaitCursor {
public:
    WaitCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { SetCursor(previous_); }

private:
    HCURSOR previous_;
};

// Handles one message as the programs' loops do: with dialog keyboard handling (Tab, arrows,
// Enter, Esc) in the window the message is for.
void HandleOne(MSG& msg);

// Runs the thread's message loop until WM_QUIT; returns the exit code given to PostQuitMessage.
int RunMessageLoop();

}  // namespace platform
