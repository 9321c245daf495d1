// Decisions about the names of files entering the collection, and the command lines that start a
// screen saver. No windows.h: these are tested natively.
#pragma once

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
// followed by "bmp" (sea.jpg gives sea.bmp, PHOTO.BMP gives PHOTO.bmp).
std::wstring ConvertedBitmapName(std::wstring_view fileName);

enum class DropKind {
    ScreenSaver,  // "scr": copied into the screen-saver folder
    Wallpaper,    // "jpg", "bmp", "gif": added as a wallpaper
    Ignored,      // anything else
};

// What a dropped file is, by the last three characters of its path, lower-cased.
DropKind DropKindOf(std::wstring_view path);

// The command line that starts a screen saver of the collection with a switch ("/s" runs it,
// "/c" opens its settings): the file's path in quotes, so that blanks in a folder or the name
// never make the system start a program at a shorter path.
std::wstring ScreenSaverCommandLine(std::wstring_view saverDir, std::wstring_view fileName, std::wstring_view option);

}  // namespace dek
