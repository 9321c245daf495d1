// The changer's module state: what lives for the whole run and every part of the program reads.
#pragma once

#include <windows.h>

#include <cstdint>
#include <random>
#include <string>

#include "changer/core/settings.h"

namespace dek {

struct ModuleState {
    Settings settings;
    std::wstring ProgramFolder;  // no trailing separator
    std::wstring WallDir;        // ProgramFolder & "\Wall"
    std::wstring SaverDir;       // ProgramFolder & "\Saver"
    WNDPROC PrevWndProc = nullptr;  // the main window's procedure before InstallHook; null without hook
    int16_t WallPosition = 0;       // display position carried into the next record write
    std::mt19937 Random;            // seeded once from the clock at start-up

    std::wstring DatDir() const { return ProgramFolder + L"\\dat"; }
};

ModuleState& Module1();

}  // namespace dek
