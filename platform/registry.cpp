#include "platform/registry.h"

#include <cwchar>

namespace platform {

std::optional<std::wstring> ReadRegString(HKEY root, std::wstring_view subkey, std::wstring_view name) {
    // Unexpanded, and always ended by a NUL, whatever the value holds.
    constexpr DWORD kText = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    const std::wstring key(subkey), value(name);
    for (;;) {
        DWORD bytes = 0;
        if (RegGetValueW(root, key.c_str(), value.c_str(), kText, nullptr, nullptr, &bytes) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LSTATUS status = RegGetValueW(root, key.c_str(), value.c_str(), kText, nullptr, text.data(), &bytes);
        if (status == ERROR_MORE_DATA) continue;  // grew between the two calls
        if (status != ERROR_SUCCESS) return std::nullopt;
        text.resize(std::wcslen(text.c_str()));
        return text;
    }
}

LSTATUS SetRegString(HKEY root, std::wstring_view subkey, std::wstring_view name, std::wstring_view text) {
    const std::wstring data(text);
    return RegSetKeyValueW(root, std::wstring(subkey).c_str(), std::wstring(name).c_str(), REG_SZ, data.c_str(),
                           static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
}

}  // namespace platform
