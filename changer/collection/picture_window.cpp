#include "changer/collection/picture_window.h"

#include "changer/collection/collection_window_ids.h"
#include "changer/core/ui_font.h"

namespace dek {
namespace {

using enum platform::ControlKind;

// PreviewPicture at the top-left corner of the inner area; it takes its size from its picture.
const platform::ControlSpec kLayout[] = {
    {PreviewPicture, Picture, L"", 0, 0, 0, 0},
};

// A fixed dialog frame without caption, control box or minimise and maximise boxes: no title bar.
// Like any fixed dialog it has no button of its own on the taskbar.
constexpr DWORD kStyle = WS_POPUP | WS_DLGFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW;

// A click on the picture is answered once the click itself has been handled, so that PreviewPicture is
// not destroyed inside its own message.
constexpr UINT kCloseMessage = WM_APP + 1;

}  // namespace

bool PictureWindow::Create() {
    if (hwnd()) return true;
    if (!CreateTopLevel({kPictureWindowClass, L"", kStyle, kExStyle, 0, 0, kInterfaceFont})) return false;
    CreateControls(kLayout);
    AddTooltip(PreviewPicture, L"クリックすると閉じます");
    return true;
}

void PictureWindow::Hold(const platform::Picture& picture) {
    platform::UniqueHBitmap bitmap = picture.CreateBitmap();
    SendMessageW(Control(PreviewPicture), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap.get()));
    bitmap_ = std::move(bitmap);
}

void PictureWindow::ShowPreview(const platform::Picture& picture) {
    const bool created = !hwnd();
    if (!Create()) return;
    Hold(picture);
    RECT shown = {};
    GetWindowRect(Control(PreviewPicture), &shown);
    SetWindowPos(hwnd(), nullptr, 0, 0, shown.right - shown.left, shown.bottom - shown.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (created) Centre();
    ShowWindow(hwnd(), SW_SHOWNORMAL);
}

void PictureWindow::TakeConverted(const platform::Picture& picture) {
    if (hwnd() && IsWindowVisible(hwnd())) Hold(picture);
}

LRESULT PictureWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // Enter and Esc arrive as OK and Cancel through the dialog keyboard handling.
        if ((LOWORD(wParam) == PreviewPicture && HIWORD(wParam) == STN_CLICKED) || LOWORD(wParam) == IDOK ||
            LOWORD(wParam) == IDCANCEL) {
            PostMessageW(hwnd(), kCloseMessage, 0, 0);
        }
        return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE || wParam == VK_RETURN || wParam == VK_ESCAPE) PostMessageW(hwnd(), kCloseMessage, 0, 0);
        return 0;
    case kCloseMessage:
        DestroyWindow(hwnd());
        return 0;
    case WM_DESTROY:
        // The picture goes with the window.
        SendMessageW(Control(PreviewPicture), STM_SETIMAGE, IMAGE_BITMAP, 0);
        bitmap_.reset();
        return 0;
    default:
        return Default(message, wParam, lParam);
    }
}

}  // namespace dek
