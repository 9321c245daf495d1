// What every part of the changer shares: its title and the folders of its collection.
#pragma once

#include <string>

namespace dek {

inline constexpr wchar_t kProgramTitle[] = L"Dekorin";

// The program folder (the folder of Dek.exe, without a trailing separator) and the three
// collection folders beside the program.
struct ProgramFolders {
    std::wstring program;
    std::wstring wall;   // the wallpapers
    std::wstring saver;  // the screen savers
    std::wstring dat;    // one display record per wallpaper

    static ProgramFolders Beside(const std::wstring& programFolder) {
        return {programFolder, programFolder + L"\\Wall", programFolder + L"\\Saver", programFolder + L"\\dat"};
    }
};

// Creates each collection folder that is missing, in the order dat, Wall, Saver, and removes from
// existing ones the temporaries a killed run left (platform::RemoveLeftTemporaries). A plain file
// where a folder belongs, or a folder that cannot be created, is reported in one message box naming
// the path; the result is then false and nothing more is created.
bool PrepareCollectionFolders(const ProgramFolders& folders);

}  // namespace dek
