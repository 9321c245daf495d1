// Text values in the registry.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A REG_SZ (or REG_EXPAND_SZ, unexpanded) value; nullopt when the key or value is missing or of
// another type.
std::optional<std::wstring> ReadRegString(HKEY root, std::wstring_view subkey, std::wstring_view name);

// Writes the value as REG_SZ, creating the key when missing; ERROR_SUCCESS, or why it could not.
LSTATUS SetRegString(HKEY root, std::wstring_view subkey, std::wstring_view name, std::wstring_view text);

}  // namespace platform
