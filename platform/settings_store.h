// The per-user store of program settings: texts by application, section and key, kept in the
// registry under HKEY_CURRENT_USER\Software\VB and VBA Program Settings\<application>\<section>.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

class AppSettings {
public:
    AppSettings(std::wstring_view application, std::wstring_view section);

    // nullopt when the key is missing; callers supply their own default.
    std::optional<std::wstring> Get(std::wstring_view key) const;
    bool Save(std::wstring_view key, std::wstring_view text);

    const std::wstring& KeyPath() const { return keyPath_; }

private:
    std::wstring keyPath_;
};

}  // namespace platform
