// The picture window: a wallpaper preview without a title bar, at the picture's own size, which
// closes when the picture is clicked or Esc, Enter or Space is pressed. There is at most one; a
// closed window is made anew (and centred again) by the next preview.
#pragma once

#include <windows.h>

#include "platform/handles.h"
#include "platform/pictures.h"
#include "platform/window.h"

namespace dek {

class PictureWindow final : public platform::Window {
public:
    PictureWindow() = default;

    // Shows the picture in the window, sized to it: in the centre of the screen on the window's
    // first showing, where it stands on later ones. Nothing when the window cannot be made.
    void ShowPreview(const platform::Picture& picture);
    // A picture converted while the window is shown takes the place of the one it shows; the
    // window keeps its size. A window not shown is left alone.
    void TakeConverted(const platform::Picture& picture);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool Create();
    void Hold(const platform::Picture& picture);

    platform::UniqueHBitmap bitmap_;  // what PreviewPicture shows; PreviewPicture does not own it
};

}  // namespace dek
