#include "changer/collection/picture_window.h"

#include <memory>

#include "changer/collection/form_ids.h"

namespace dek {
namespace {

using platform::ControlKind;
using platform::ControlSpec;

// Picture1 at the top-left corner of the inner area; it takes its size from its picture.
const ControlSpec kLayout[] = {
    {Picture1, ControlKind::Picture, L"", 0, 0, 0, 0},
};

// A fixed dialog frame without caption, control box or minimise and maximise boxes: no title bar.
// Like any fixed dialog it has no button of its own on the taskbar.
constexpr DWORD kStyle = WS_POPUP | WS_DLGFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;

// A click on the picture is answered once the click itself has been handled, so that Picture1 is
// not destroyed inside its own message.
constexpr UINT kCloseMessage = WM_APP + 1;

std::unique_ptr<PictureWindow>& Instance() {
    static std::unique_ptr<PictureWindow> instance;
    return instance;
}

}  // namespace

PictureWindow* PictureWindow::Form2() {
    std::unique_ptr<PictureWindow>& instance = Instance();
    // A window closed by a click leaves its object behind without a window: that one is done.
    if (!instance || !instance->hwnd()) {
        instance.reset(new PictureWindow);
        if (!instance->Create()) instance.reset();
    }
    return instance.get();
}

bool PictureWindow::Create() {
    // Loaded but hidden, the window only serves conversions and must not keep the program alive
    // once the main window has closed.
    SetKeepsProgramRunning(false);
    if (!CreateTopLevel(kPictureWindowClass, L"", kStyle, kExStyle, 0, 0)) return false;
    CreateControls(kLayout);
    AddTooltip(Picture1, L"クリックすると閉じます");
    return true;
}

void PictureWindow::LoadPicture(platform::Picture picture) {
    platform::UniqueHBitmap bitmap = picture.CreateBitmap();
    SendMessageW(Control(Picture1), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get()));
    bitmap_ = std::move(bitmap);
    picture_ = std::move(picture);
}

void PictureWindow::ShowPreview() {
    RECT picture = {};
    GetWindowRect(Control(Picture1), &picture);
    SetWindowPos(hwnd(), nullptr, 0, 0, picture.right - picture.left, picture.bottom - picture.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (!shownBefore_) {
        CenterOnScreen();
        shownBefore_ = true;
    }
    // Once shown, the window stays until its picture is clicked, even after the main window.
    SetKeepsProgramRunning(true);
    ShowWindow(hwnd(), SW_SHOWNORMAL);
}

LRESULT PictureWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == Picture1 && HIWORD(wParam) == STN_CLICKED) PostMessageW(hwnd(), kCloseMessage, 0, 0);
        return 0;
    case kCloseMessage:
        DestroyWindow(hwnd());
        return 0;
    case WM_DESTROY:
        // The window and its picture are freed with it; the next use makes a new window.
        SendMessageW(Control(Picture1), STM_SETIMAGE, IMAGE_BITMAP, 0);
        bitmap_.reset();
        picture_.reset();
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

}  // namespace dek
