#include "platform/settings_store.h"

#include "platform/registry.h"

namespace platform {

AppSettings::AppSettings(std::wstring_view application, std::wstring_view section)
    : keyPath_(L"Software\\VB and VBA Program Settings\\") {
    keyPath_.append(application).append(L"\\").append(section);
}

std::optional<std::wstring> AppSettings::Get(std::wstring_view key) const {
    return ReadRegString(HKEY_CURRENT_USER, keyPath_, key);
}

bool AppSettings::Save(std::wstring_view key, std::wstring_view text) {
    return SetRegString(HKEY_CURRENT_USER, keyPath_, key, text);
}

}  // namespace platform
