// Form2, the picture window: a wallpaper preview without a title bar, sized to its picture, which
// closes when the picture is clicked. Its picture box Picture1 also holds the pictures converted
// while wallpapers are added, without the window being shown.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/handles.h"
#include "platform/pictures.h"
#include "platform/window.h"

namespace dek {

class PictureWindow final : public platform::Window {
public:
    // The one instance, created hidden when there is none yet (at first use, or after its
    // picture was clicked); null only when the window cannot be created.
    static PictureWindow* Form2();

    // Picture1 takes the picture and sizes itself to it; the window keeps its own size.
    void LoadPicture(platform::Picture picture);
    // The picture Picture1 holds, if any.
    const platform::Picture* Picture() const { return picture_ ? &*picture_ : nullptr; }
    // Sets the window's outer size to Picture1's and shows it: in the centre of the screen on its
    // first showing, where it stands on later ones.
    void ShowPreview();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    PictureWindow() = default;
    bool Create();

    std::optional<platform::Picture> picture_;
    platform::UniqueHBitmap bitmap_;  // what Picture1 shows; Picture1 does not own it
    bool shownBefore_ = false;
};

}  // namespace dek
