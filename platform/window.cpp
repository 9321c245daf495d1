#include "platform/window.h"

#include <commctrl.h>

#include "platform/dpi.h"

namespace platform {
namespace {

// Top-level windows of the program still open that keep it running; the program ends when the
// last one goes.
int g_openTopLevelWindows = 0;

void CountOut() {
    if (--g_openTopLevelWindows == 0) PostQuitMessage(0);
}

struct KindStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

// Every control but the second and later option buttons of a group starts a group of its own,
// so that the arrow keys move only among the option buttons of one group.
KindStyle StyleOf(ControlKind kind, bool startsGroup) {
    const DWORD group = startsGroup ? WS_GROUP : 0;
    switch (kind) {
    case ControlKind::Button: return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP | group, 0};
    case ControlKind::Label: return {L"STATIC", SS_LEFT | SS_NOPREFIX | group, 0};
    case ControlKind::Edit: return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP | group, WS_EX_CLIENTEDGE};
    case ControlKind::CheckBox: return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP | group, 0};
    case ControlKind::Option: return {L"BUTTON", BS_AUTORADIOBUTTON | group | (startsGroup ? WS_TABSTOP : 0), 0};
    case ControlKind::Frame: return {L"BUTTON", BS_GROUPBOX | group, 0};
    case ControlKind::ListBox:
        return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP | group, WS_EX_CLIENTEDGE};
    case ControlKind::ComboBox:
        return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_TABSTOP | group, 0};
    case ControlKind::Icon: return {L"STATIC", SS_ICON | group, 0};
    case ControlKind::Picture: return {L"STATIC", SS_BITMAP | SS_NOTIFY, 0};
    }
    return {L"STATIC", 0, 0};
}

}  // namespace

HFONT CreateInterfaceFont(int dpi) {
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    LOGFONTW font = {};
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) font = metrics.lfMessageFont;
    // 9 points, the size the layouts were designed for.
    font.lfHeight = -MulDiv(9, dpi, 72);
    font.lfWidth = 0;
    font.lfWeight = FW_NORMAL;
    // A Japanese face by name; where it is missing the font mapper picks another by the charset.
    font.lfCharSet = SHIFTJIS_CHARSET;
    wcscpy_s(font.lfFaceName, L"MS UI Gothic");
    return CreateFontIndirectW(&font);
}

Window::Window() = default;

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        HWND hwnd = std::exchange(hwnd_, nullptr);
        DestroyWindow(hwnd);
        if (std::exchange(counted_, false)) CountOut();
    }
}

Window* Window::FromHandle(HWND hwnd) {
    return hwnd ? reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)) : nullptr;
}

void Window::SetKeepsProgramRunning(bool keeps) {
    keepsProgramRunning_ = keeps;
    if (!hwnd_ || (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD) != 0 || counted_ == keeps) return;
    counted_ = keeps;
    if (keeps) {
        ++g_openTopLevelWindows;
    } else {
        CountOut();
    }
}

int Window::Px(int twips) const { return TwipsToPixels(twips, dpi_); }

bool Window::CreateTopLevel(const wchar_t* className, std::wstring_view title, DWORD style, DWORD exStyle,
                            int clientWidthTwips, int clientHeightTwips, HWND owner, HICON classIcon) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Window::Procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    wc.hIcon = classIcon;
    wc.hIconSm = classIcon;
    wc.style = CS_DBLCLKS;
    RegisterClassExW(&wc);  // fails harmlessly when the class is already registered

    dpi_ = ScreenDpi();
    RECT frame = {0, 0, Px(clientWidthTwips), Px(clientHeightTwips)};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    const std::wstring caption(title);
    CreateWindowExW(exStyle, className, caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                    frame.right - frame.left, frame.bottom - frame.top, owner, nullptr, instance, this);
    if (!hwnd_) return false;
    font_.reset(CreateInterfaceFont(dpi_));
    return true;
}

void Window::CreateControls(std::span<const ControlSpec> specs) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    ControlKind previous = ControlKind::Frame;
    for (const ControlSpec& spec : specs) {
        const bool startsGroup = spec.kind != ControlKind::Option || previous != ControlKind::Option;
        const KindStyle kind = StyleOf(spec.kind, startsGroup);
        previous = spec.kind;
        DWORD style = WS_CHILD | kind.style | (spec.visible ? WS_VISIBLE : 0) | (spec.enabled ? 0 : WS_DISABLED);
        // A drop-down combo's height includes its list.
        const int height = spec.kind == ControlKind::ComboBox ? Px(spec.height) * 8 : Px(spec.height);
        const wchar_t* text = spec.kind == ControlKind::Icon ? L"" : spec.text;
        HWND control = CreateWindowExW(kind.exStyle, kind.className, text, style, Px(spec.left), Px(spec.top),
                                       Px(spec.width), height, hwnd_,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance, nullptr);
        if (!control) continue;
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
        if (spec.kind == ControlKind::Icon) {
            HICON icon = static_cast<HICON>(LoadImageW(instance, spec.text, IMAGE_ICON, 16, 16, LR_SHARED));
            SendMessageW(control, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
        }
    }
}

void Window::AddTooltip(int controlId, const wchar_t* text) {
    if (!tooltip_) {
        tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    }
    TTTOOLINFOW tool = {};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(Control(controlId));
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

std::wstring Window::Text(int id) const {
    HWND control = Control(id);
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

void Window::SetText(int id, std::wstring_view text) { SetWindowTextW(Control(id), std::wstring(text).c_str()); }
void Window::Enable(int id, bool enabled) { EnableWindow(Control(id), enabled ? TRUE : FALSE); }
bool Window::IsEnabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
bool Window::IsChecked(int id) const { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
void Window::SetChecked(int id, bool checked) {
    SendMessageW(Control(id), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

int Window::ScreenWidthTwips() const { return GetSystemMetrics(SM_CXSCREEN) * TwipsPerPixel(); }
int Window::ScreenHeightTwips() const { return GetSystemMetrics(SM_CYSCREEN) * TwipsPerPixel(); }

void Window::MoveTopLeftTwips(int left, int top) {
    SetWindowPos(hwnd_, nullptr, left / TwipsPerPixel(), top / TwipsPerPixel(), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::CenterOnScreen() {
    RECT r;
    GetWindowRect(hwnd_, &r);
    const int width = (r.right - r.left) * TwipsPerPixel();
    const int height = (r.bottom - r.top) * TwipsPerPixel();
    MoveTopLeftTwips((ScreenWidthTwips() - width) / 2, (ScreenHeightTwips() - height) / 2);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if ((GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) == 0 && self->keepsProgramRunning_) {
            self->counted_ = true;
            ++g_openTopLevelWindows;
        }
    }
    Window* self = FromHandle(hwnd);
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_ACTIVATE && self->KeepControlFocus(wParam)) return 0;
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        self->tooltip_ = nullptr;
        if (std::exchange(self->counted_, false)) CountOut();
    }
    return result;
}

// As in a dialog: the keyboard goes back to the control that had it when the window is
// activated again (after a message box, another program), else to the first control in the
// keyboard order, instead of to the bare window where Tab does nothing.
bool Window::KeepControlFocus(WPARAM activation) {
    if ((GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD) != 0) return false;
    if (LOWORD(activation) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd_, focus)) lastFocus_ = focus;
        return false;
    }
    HWND target = lastFocus_;
    if (!target || !IsWindow(target) || !IsChild(hwnd_, target) || !IsWindowEnabled(target) || !IsWindowVisible(target)) {
        target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    }
    if (!target) return false;
    SetFocus(target);
    return true;
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        HWND active = GetActiveWindow();
        if (active && IsDialogMessageW(active, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace platform
