#include "platform/files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/pictures.h"
#include "platform/temporary_name.h"
#include "tests/support/program_folder.h"

namespace fs = std::filesystem;
using dektest::ReadFile;
using dektest::WriteFile;

TEST(Files, ListsNormalFilesInTheUsersOrder) {
    dektest::ProgramFolder folder{L"files", L"platform_tests.exe"};
    for (const wchar_t* name : {L"b.bmp", L"A.bmp", L"c.BMP", L"a2.jpg", L"壁紙.bmp", L"_x.bmp", L"hidden.bmp",
                                L"system.bmp", L"night.scr", L"DAY.SCR", L"long name.scr", L"notes.scrx"}) {
        WriteFile(folder / name, "x", name == std::wstring_view(L"hidden.bmp"));
    }
    SetFileAttributesW((folder / L"system.bmp").c_str(), FILE_ATTRIBUTE_SYSTEM);
    ASSERT_TRUE(platform::CreateFolder(folder / L"folder.bmp"));
    EXPECT_EQ(platform::ListFiles(folder.Path()), (std::vector<std::wstring>{L"_x.bmp", L"A.bmp", L"a2.jpg", L"b.bmp",
        L"c.BMP", L"DAY.SCR", L"long name.scr", L"night.scr", L"notes.scrx", L"platform_tests.exe", L"壁紙.bmp"}));
    // "notes.scrx" has an 8.3 alias ending in .SCR; it is no screen saver.
    EXPECT_EQ(platform::ListFiles(folder.Path(), L".scr"),
              (std::vector<std::wstring>{L"DAY.SCR", L"long name.scr", L"night.scr"}));
    EXPECT_TRUE(platform::ListFiles(folder / L"missing").empty());
    const std::wstring longName = folder / L"long name.scr";
    EXPECT_EQ(platform::LookUpEntry(longName), platform::EntryKind::File);
    EXPECT_EQ(platform::LookUpEntry(folder / L"folder.bmp"), platform::EntryKind::Folder);
    EXPECT_EQ(platform::LookUpEntry(folder / L"nothing"), platform::EntryKind::Missing);
    for (const auto& [path, normal] : {std::pair(longName, true), {folder / L"hidden.bmp", false}, {folder.Path(), false}}) {
        EXPECT_EQ(platform::IsNormalFile(path), normal) << path;
    }
    const std::wstring shortPath = platform::ShortPathOf(longName);
    EXPECT_EQ(shortPath.find(L' '), std::wstring::npos) << shortPath;
    EXPECT_TRUE(platform::ShortPathOf(folder / L"gone.scr").empty());
    // Over existing files: a copy of more than one buffer (this program), and a written text.
    EXPECT_EQ(platform::CopyFileReplacing(folder.Exe(), folder / L"b.bmp"), ERROR_SUCCESS);
    EXPECT_EQ(platform::WriteWholeFile(longName, "MZ"), ERROR_SUCCESS);
    EXPECT_TRUE(ReadFile(folder / L"b.bmp") == ReadFile(folder.Exe()));
    EXPECT_EQ(ReadFile(longName), "MZ");
    EXPECT_EQ(platform::TempFolder().back(), L'\\');
}

// A killed run of the same process id (ids come round again) left the next temporary names taken. The
// cleanup removes such leftovers, but neither one being written (by another Dek) nor one shown for its move.
TEST(Files, TemporariesOfAKilledRunNeverStopAWriteAndGoAtTheCleanupUnlikeLiveOnes) {
    dektest::ProgramFolder folder(L"temporaries", L"");
    for (uint32_t n = 1; n <= 8; ++n) WriteFile(folder / platform::TemporaryFileName(GetCurrentProcessId(), n), "left", true);
    WriteFile(folder / L"~dek1-1.tmp", "shown");
    platform::ReplacingWriter writing(folder / L"b.dat");
    platform::RemoveLeftTemporaries(folder.Path());
    ASSERT_TRUE(writing.Write("b", 1)) << writing.Error();
    EXPECT_EQ(writing.Commit(), ERROR_SUCCESS);
    EXPECT_EQ(dektest::FolderNames(folder.Path()), (std::vector<std::wstring>{L"b.dat", L"~dek1-1.tmp"}));
}

// A 1 MiB disk mounted beside this program for the test run (as root only), filled up, then
// written over in each of the three ways the programs replace a file.
TEST(Files, AFailedWriteLeavesTheOldFileWhole) {
    const std::wstring disk = platform::ProgramFolder() + L"\\full-disk";
    ULARGE_INTEGER size{};
    if (!GetDiskFreeSpaceExW(disk.c_str(), nullptr, &size, nullptr) || size.QuadPart > (16u << 20)) {
        GTEST_SKIP() << "No small disk mounted at full-disk beside the test program: mounting one needs root";
    }
    for (const auto& entry : fs::directory_iterator(disk)) fs::remove_all(entry.path());
    const std::wstring target = disk + L"\\target.bmp", source = platform::ProgramFolder() + L"\\platform_tests.exe";
    WriteFile(target, "old content");
    WriteFile(disk + L"\\filler", std::string(1 << 20, 'f'));  // more than is left
    const std::string large(512 << 10, 'n');
    const platform::Picture picture(256, 256, std::vector<uint8_t>(platform::Picture::Stride(256) * 256, 7));
    const std::pair<const char*, std::function<DWORD()>> writes[] = {
        {"copy", [&] { return platform::CopyFileReplacing(source, target); }},
        {"write", [&] { return platform::WriteWholeFile(target, large); }},
        {"bitmap", [&] { return platform::SaveBitmap(picture, target); }}};
    for (const auto& [how, write] : writes) {
        EXPECT_EQ(write(), static_cast<DWORD>(ERROR_DISK_FULL)) << how;
        EXPECT_EQ(ReadFile(target).substr(0, 40), "old content") << how;
        EXPECT_EQ(std::distance(fs::directory_iterator(disk), fs::directory_iterator()), 2) << how;
    }
}

TEST(Files, AHeadIsReadOnlyFromADiskFileUpToItsLimit) {
    dektest::ProgramFolder folder(L"head", L"");
    WriteFile(folder / L"long.dat", std::string(100, 'x'));
    EXPECT_EQ(platform::ReadFileHead(folder / L"long.dat", 64), std::string(64, 'x'));
    for (const std::wstring& path : std::vector<std::wstring>{L"Z:\\dev\\zero", L"NUL", folder.Path()}) {
        EXPECT_EQ(platform::ReadFileHead(path, 64), std::nullopt) << path;
    }
}
