#include "platform/registry.h"

#include "platform/handles.h"

namespace platform {

std::optional<std::wstring> ReadRegString(HKEY root, std::wstring_view subkey, std::wstring_view name) {
    UniqueHKey key;
    if (RegOpenKeyExW(root, std::wstring(subkey).c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const std::wstring valueName(name);
    for (;;) {
        DWORD type = 0;
        DWORD bytes = 0;
        if (RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
            (type != REG_SZ && type != REG_EXPAND_SZ)) {
            return std::nullopt;
        }
        std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
        DWORD got = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LSTATUS status = RegQueryValueExW(key.get(), valueName.c_str(), nullptr, &type,
                                                reinterpret_cast<BYTE*>(text.data()), &got);
        if (status == ERROR_MORE_DATA) continue;  // grew between the two calls
        if (status != ERROR_SUCCESS) return std::nullopt;
        text.resize(got / sizeof(wchar_t));
        if (const size_t nul = text.find(L'\0'); nul != std::wstring::npos) text.resize(nul);
        return text;
    }
}

LSTATUS SetRegString(HKEY root, std::wstring_view subkey, std::wstring_view name, std::wstring_view text) {
    UniqueHKey key;
    const LSTATUS opened = RegCreateKeyExW(root, std::wstring(subkey).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                           key.put(), nullptr);
    if (opened != ERROR_SUCCESS) return opened;
    const std::wstring data(text);
    const DWORD bytes = static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.get(), std::wstring(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                          bytes);
}

}  // namespace platform
