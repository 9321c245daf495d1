// The three collection folders beside the program.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <string>

namespace dek {

// Creates each folder that is missing, in the order given, and leaves existing ones untouched.
// A plain file where a folder belongs, or a folder that cannot be created, is reported in one
// message box naming the path; the result is then false and nothing more is created.
bool PrepareCollectionFolders(HWND owner, std::initializer_list<std::wstring> folders);

}  // namespace dek
