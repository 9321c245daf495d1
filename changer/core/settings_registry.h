// The changer's settings in the registry, as texts under the per-user key below.
#pragma once

#include "changer/core/settings.h"
#include "platform/registry.h"

namespace dek {

inline constexpr wchar_t kSettingsKey[] = L"Software\\VB and VBA Program Settings\\DEK\\setting";

class RegistrySettingsStore final : public SettingsStore {
public:
    std::optional<std::wstring> Read(std::wstring_view key) const override {
        return platform::ReadRegString(HKEY_CURRENT_USER, kSettingsKey, key);
    }
    void Write(std::wstring_view key, std::wstring_view text) override {
        platform::SetRegString(HKEY_CURRENT_USER, kSettingsKey, key, text);
    }
};

}  // namespace dek
