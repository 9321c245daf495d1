#include "platform/window.h"

#include <commctrl.h>

#include <vector>

#include "platform/dpi.h"
#include "platform/window_placement.h"

namespace platform {
namespace {

// Top-level windows of the program still open; the program ends when the last one goes. The one
// count the message loop needs, kept for the thread's windows.
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
    case ControlKind::Picture: return {L"STATIC", SS_BITMAP | SS_NOTIFY, 0};
    }
    return {L"STATIC", 0, 0};
}

Box BoxOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

Window::Window() = default;

Window::~Window() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        HWND hwnd = std::exchange(hwnd_, nullptr);
        DestroyWindow(hwnd);
        if (std::exchange(counted_, false)) CountOut();
    }
}

int Window::Px(int twips) const { return TwipsToPixels(twips, dpi_); }

bool Window::CreateTopLevel(const TopLevelSpec& spec) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = &Window::Procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = spec.className;
    wc.style = CS_DBLCLKS;
    RegisterClassExW(&wc);  // fails harmlessly when the class is already registered

    fontChoice_ = spec.font;
    iconResource_ = spec.iconResource;
    const std::wstring caption(spec.title);
    // Created at the size of the system's DPI, then sized for the DPI of the monitor it lands on.
    dpi_ = SystemDpi();
    CreateWindowExW(spec.exStyle, spec.className, caption.c_str(), spec.style, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                    spec.owner, nullptr, instance, this);
    if (!hwnd_) return false;
    TakeDpi(WindowDpi(hwnd_));
    RECT frame = {0, 0, Px(spec.clientWidthTwips), Px(spec.clientHeightTwips)};
    AdjustFrameForDpi(frame, spec.style, spec.exStyle, false, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

// The font and the icons at the window's DPI; the controls follow them.
void Window::TakeDpi(int dpi) {
    dpi_ = dpi;
    LOGFONTW font = {};
    font.lfHeight = -MulDiv(fontChoice_.points, dpi_, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = fontChoice_.charset;
    wcsncpy_s(font.lfFaceName, fontChoice_.face, _TRUNCATE);
    UniqueHFont previous = std::move(font_);
    font_.reset(CreateFontIndirectW(&font));
    if (iconResource_ != 0) {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        auto load = [&](int width, int height) {
            return UniqueHIcon(static_cast<HICON>(
                LoadImageW(instance, MAKEINTRESOURCEW(iconResource_), IMAGE_ICON, width, height, 0)));
        };
        bigIcon_ = load(MetricForDpi(SM_CXICON, dpi_), MetricForDpi(SM_CYICON, dpi_));
        smallIcon_ = load(MetricForDpi(SM_CXSMICON, dpi_), MetricForDpi(SM_CYSMICON, dpi_));
        SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
        SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
    }
    LayOutControls();
}

void Window::CreateControls(std::span<const ControlSpec> specs) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    layout_ = specs;
    ControlKind previous = ControlKind::Frame;
    for (const ControlSpec& spec : specs) {
        const bool startsGroup = spec.kind != ControlKind::Option || previous != ControlKind::Option;
        const KindStyle kind = StyleOf(spec.kind, startsGroup);
        previous = spec.kind;
        const DWORD style = WS_CHILD | WS_VISIBLE | kind.style | (spec.enabled ? 0 : WS_DISABLED);
        CreateWindowExW(kind.exStyle, kind.className, spec.text, style, 0, 0, 0, 0, hwnd_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(spec.id)), instance, nullptr);
    }
    LayOutControls();
}

void Window::LayOutControls() {
    for (const ControlSpec& spec : layout_) {
        HWND control = Control(spec.id);
        if (!control) continue;
        // A picture box keeps the size of its picture; a drop-down combo's height includes its list.
        UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
        if (spec.kind == ControlKind::Picture) flags |= SWP_NOSIZE;
        const int height = spec.kind == ControlKind::ComboBox ? Px(spec.height) * 8 : Px(spec.height);
        SetWindowPos(control, nullptr, Px(spec.left), Px(spec.top), Px(spec.width), height, flags);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
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

void Window::MoveTopLeft(int x, int y) {
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::Centre(HMONITOR monitor) {
    MONITORINFO info = {sizeof info};
    if (!monitor) monitor = MonitorFromWindow(hwnd_, MONITOR_DEFAULTTOPRIMARY);
    if (!GetMonitorInfoW(monitor, &info)) return;
    RECT r;
    GetWindowRect(hwnd_, &r);
    const Spot centred = Centred(r.right - r.left, r.bottom - r.top, BoxOf(info.rcMonitor));
    const Spot spot = WithinWorkArea(centred, r.right - r.left, r.bottom - r.top, BoxOf(info.rcWork));
    MoveTopLeft(spot.x, spot.y);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) { return Default(message, wParam, lParam); }

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if ((GetWindowLongPtrW(hwnd, GWL_STYLE) & WS_CHILD) == 0) {
            self->counted_ = true;
            ++g_openTopLevelWindows;
        }
    }
    // The object of a window created through this class, or null (before WM_NCCREATE, after WM_NCDESTROY).
    Window* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_ACTIVATE && self->KeepControlFocus(wParam)) return 0;
    if (message == WM_DPICHANGED) {
        // The system suggests where the window goes at the new DPI; the layout follows from twips.
        self->TakeDpi(HIWORD(wParam));
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        SetWindowPos(hwnd, nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                     suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
        self->OnDpiChanged();
        return 0;
    }
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

void Window::RunModal(HWND focus) {
    std::vector<HWND> disabled;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM list) -> BOOL {
            if (IsWindowEnabled(window) && IsWindowVisible(window)) reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled));
    for (HWND window : disabled) EnableWindow(window, FALSE);
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetFocus(focus);
    modal_ = true;
    MSG msg;
    while (modal_ && hwnd_) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        HandleOne(msg);
    }
    modal_ = false;
    for (HWND window : disabled) EnableWindow(window, TRUE);
    if (hwnd_) DestroyWindow(hwnd_);
}

void HandleOne(MSG& msg) {
    HWND window = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (window && IsDialogMessageW(window, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int RunMessageLoop() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) HandleOne(msg);
    return static_cast<int>(msg.wParam);
}

}  // namespace platform
