#include "changer/core/settings_registry.h"

#include "changer/core/module.h"

namespace dek {

void LoadSettings() {
    ModuleState& m = Module1();
    m.settings = LoadSettings(RegistrySettingsStore(), m.ProgramFolder);
}

void SaveSettings() {
    RegistrySettingsStore store;
    SaveSettings(store, Module1().settings);
}

}  // namespace dek
