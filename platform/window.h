// The window toolkit both programs are built on: a window class is a C++ class with one
// message-dispatch function, and its controls come from layout tables in twips.
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
    Icon,         // holds an icon (the `text` names the icon resource)
    Picture,      // a picture box: takes the size of the bitmap it is given; clicks reach the parent
};

struct ControlSpec {
    int id;
    ControlKind kind;
    const wchar_t* text;
    int left, top, width, height;  // twips, in the parent's client area
    bool enabled = true;
    bool visible = true;
};

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }
    HWND Control(int id) const { return GetDlgItem(hwnd_, id); }
    int Px(int twips) const;
    int TwipsPerPixel() const { return kTwipsPerInchValue / dpi_; }

    // The object of a window created through this class, or null.
    static Window* FromHandle(HWND hwnd);

    // Texts and states of controls.
    std::wstring Text(int id) const;
    void SetText(int id, std::wstring_view text);
    void Enable(int id, bool enabled);
    bool IsEnabled(int id) const;
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);

    // Screen size in twips, and moving the window by its top-left corner in twips.
    int ScreenWidthTwips() const;
    int ScreenHeightTwips() const;
    void MoveTopLeftTwips(int left, int top);
    void CenterOnScreen();

protected:
    Window();

    // Creates the top-level window with a client area of the given size in twips.
    bool CreateTopLevel(const wchar_t* className, std::wstring_view title, DWORD style, DWORD exStyle,
                        int clientWidthTwips, int clientHeightTwips, HWND owner = nullptr,
                        HICON classIcon = nullptr);
    // Controls are created in table order, which is also their keyboard order.
    void CreateControls(std::span<const ControlSpec> specs);
    void AddTooltip(int controlId, const wchar_t* text);
    // The program ends when the last top-level window that keeps it running closes. A window
    // that only serves in the background (hidden) says so, before or after it is created.
    void SetKeepsProgramRunning(bool keeps);

    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Default(UINT message, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcW(hwnd_, message, wParam, lParam);
    }

private:
    static constexpr int kTwipsPerInchValue = 1440;
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool KeepControlFocus(WPARAM activation);

    HWND hwnd_ = nullptr;
    bool keepsProgramRunning_ = true;
    bool counted_ = false;  // in the count of windows that keep the program running
    int dpi_ = 96;
    UniqueHFont font_;
    HWND tooltip_ = nullptr;    // owned by the window: destroyed with it by the system
    HWND lastFocus_ = nullptr;  // the control that had the keyboard when the window was left
};

// The interface font, with Japanese glyphs, at the size of the system's message font.
HFONT CreateInterfaceFont(int dpi);

// Runs the thread's message loop until WM_QUIT, with dialog keyboard handling (Tab, arrows,
// Enter) for the active window; returns the exit code given to PostQuitMessage.
int RunMessageLoop();

}  // namespace platform
