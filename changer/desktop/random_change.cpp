// Random changes, the change timer's minute count, the two Change buttons and the change sound.
#include <string>

#include "changer/core/control_ids.h"
#include "changer/core/main_window.h"
#include "changer/core/module.h"
#include "changer/desktop/apply.h"
#include "changer/desktop/change_rules.h"
#include "platform/handles.h"
#include "platform/sound.h"

namespace dek {
namespace {

// Only a RIFF WAVE file is handed to the player; for anything else (no file, an empty path,
// another format) the system's default sound plays, as the setting promises.
bool IsWaveFile(const std::wstring& path) {
    if (path.empty()) return false;
    platform::UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    char head[12];
    DWORD got = 0;
    if (!ReadFile(file.get(), head, sizeof head, &got, nullptr)) return false;
    return IsWaveHeader(std::string_view(head, got));
}

// Started before anything is applied; the change goes on while it plays.
void ChangeSound() {
    const Settings& settings = Module1().settings;
    if (settings.PlaySound != 1) return;
    if (IsWaveFile(settings.SoundFile)) {
        platform::PlayWaveAsync(settings.SoundFile);
    } else {
        platform::PlayDefaultSoundAsync();
    }
}

// r in [0, 1) from the generator seeded at start-up.
double NextRandom() {
    std::mt19937& random = Module1().Random;
    return static_cast<double>(random() - std::mt19937::min()) /
           (static_cast<double>(std::mt19937::max() - std::mt19937::min()) + 1.0);
}

}  // namespace

void MainWindow::randomchange() {
    ChangeSound();
    randomchange1();
    randomchange2();
}

void MainWindow::randomchange1() {
    const int count = file1_.Count();
    if (count == 0) return;
    const int pick = PickIndex(count, LastWallIndex, NextRandom);
    LastWallIndex = static_cast<int16_t>(pick);
    file1_.Select(pick);
    File1Click();
    SelectedWall = file1_.SelectedName();
    ApplyWallpaper(SelectedWall);
}

void MainWindow::randomchange2() {
    const int count = file2_.Count();
    if (count == 0) return;
    const int pick = PickIndex(count, LastSaverIndex, NextRandom);
    LastSaverIndex = static_cast<int16_t>(pick);
    file2_.Select(pick);
    File2Click();
    SelectedSaver = file2_.SelectedName();
    ApplyScreenSaver(SelectedSaver);
}

void MainWindow::Command4Click() {
    ChangeSound();
    ApplyWallpaper(SelectedWall);
}

void MainWindow::Command8Click() {
    ChangeSound();
    ApplyScreenSaver(SelectedSaver);
}

void MainWindow::OnTimer() {
    if (CountMinute(MinuteCount, Module1().settings.ChangeInterval)) {
        randomchange();
        MinuteCount = 0;
    }
}

bool MainWindow::OnChangeCommand(int id) {
    switch (id) {
    case Command4: Command4Click(); return true;
    case Command8: Command8Click(); return true;
    case mrc0: randomchange(); return true;
    case mrc1: randomchange1(); return true;
    case mrc2: randomchange2(); return true;
    default: return false;
    }
}

}  // namespace dek
