// Decisions about the names of files entering the collection, the words that report a file that
// could not enter it, and the command lines that start a screen saver. No windows.h: these are
// tested natively.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace dek {

// The text up to, not including, its first NUL; the whole text when it has none.
std::wstring CutAtNul(std::wstring_view text);

// The file-name part of a path, extension included, exactly as it is spelt in the path (cut at
// its first NUL). The name is taken from the path itself: the shell's own "file title" drops the
// extension when known extensions are hidden, and the name must keep it.
std::wstring FileTitleOf(std::wstring_view path);

// A name whose last three characters are exactly "bmp" is copied as it is; the test is
// case-sensitive, so "PHOTO.BMP" is re-encoded.
bool IsBitmapName(std::wstring_view fileName);

// The name a converted picture is stored under: the name without its last three characters,
// followed by "bmp" (sea.jpg gives sea.bmp, PHOTO.BMP gives PHOTO.bmp); an extension of more
// than three characters is replaced whole (photo.jpeg gives photo.bmp).
std::wstring ConvertedBitmapName(std::wstring_view fileName);

enum class DropKind {
    ScreenSaver,  // "scr": copied into the screen-saver folder
    Wallpaper,    // "jpg", "bmp", "gif", or a picture this machine reads: added as a wallpaper
    Ignored,      // anything else
};

// What a dropped file is: by the last three characters of its path, lower-cased, as always, or by
// its extension being one of `pictureExtensions` (lower case, as platform::TakenPictureExtensions
// gives them).
DropKind DropKindOf(std::wstring_view path, std::span<const std::wstring> pictureExtensions);

// The command line that starts a screen saver of the collection with a switch ("/s" runs it,
// "/c" opens its settings): the file's path in quotes, so that blanks in a folder or the name
// never make the system start a program at a shorter path.
std::wstring ScreenSaverCommandLine(std::wstring_view saverDir, std::wstring_view fileName, std::wstring_view option);

// The one message box of an add that failed, and of a display position that could not be stored:
// what, where, then the reason (the system's words, or one of the reasons below).
std::wstring CannotAddMessage(std::wstring_view path, std::wstring_view reason);
std::wstring CannotStorePositionMessage(std::wstring_view recordPath, std::wstring_view reason);
// A file of the collection that could not be deleted, or made the desktop's wallpaper or screen saver.
std::wstring CannotDeleteMessage(std::wstring_view path, std::wstring_view reason);
std::wstring CannotApplyMessage(std::wstring_view path, std::wstring_view reason);
std::wstring NotABitmapReason();
// `pictureExtensions` name the kinds of picture this machine reads.
std::wstring NotAPictureReason(std::span<const std::wstring> pictureExtensions);
std::wstring TooLargeReason(uint32_t width, uint32_t height);

}  // namespace dek
