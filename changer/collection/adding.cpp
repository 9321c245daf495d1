#include "changer/collection/adding.h"

#include <wincodec.h>

#include "changer/collection/collection_names.h"
#include "platform/error_text.h"
#include "platform/files.h"
#include "platform/picture_formats.h"

namespace dek {

Brought CopyIntoCollection(const std::wstring& source, const std::wstring& target) {
    if (platform::IsSameFile(source, target)) return {};
    const DWORD error = platform::CopyFileReplacing(source, target);
    return {error == ERROR_SUCCESS ? std::wstring() : platform::ErrorText(error), std::nullopt};
}

Brought ConvertIntoCollection(const std::wstring& source, const std::wstring& target) {
    platform::PictureLoad load = platform::LoadPicture(source);
    if (!load.picture) {
        if (load.error == WINCODEC_ERR_IMAGESIZEOUTOFRANGE) {
            return {TooLargeReason(load.declared.width, load.declared.height), std::nullopt};
        }
        // The system words its own failures (a file that cannot be opened, memory); a decoder's
        // are all one to the user.
        const bool system = HRESULT_FACILITY(load.error) == FACILITY_WIN32 || load.error == E_OUTOFMEMORY;
        const std::wstring reason =
            system ? platform::ErrorTextOfResult(load.error) : NotAPictureReason(platform::ReadablePictureExtensions());
        return {reason, std::nullopt};
    }
    const DWORD error = platform::SaveBitmap(*load.picture, target);
    if (error != ERROR_SUCCESS) return {platform::ErrorText(error), std::nullopt};
    return {std::wstring(), std::move(load.picture)};
}

}  // namespace dek
