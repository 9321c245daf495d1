// The changer's settings in the per-user store: application "DEK", section "setting".
#pragma once

#include "changer/core/settings.h"
#include "platform/settings_store.h"

namespace dek {

class RegistrySettingsStore final : public SettingsStore {
public:
    RegistrySettingsStore() : store_(L"DEK", L"setting") {}
    std::optional<std::wstring> Read(std::wstring_view key) const override { return store_.Get(key); }
    void Write(std::wstring_view key, std::wstring_view text) override { store_.Save(key, text); }

private:
    platform::AppSettings store_;
};

}  // namespace dek
