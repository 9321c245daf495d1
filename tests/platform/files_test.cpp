#include "platform/files.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "tests/support/program_folder.h"

namespace {

using dektest::WriteFile;

class FilesTest : public testing::Test {
protected:
    dektest::ProgramFolder folder{L"files"};
};

TEST_F(FilesTest, ListsNormalFilesAlphabeticallyWithoutRegardToCase) {
    const std::wstring dir = folder / L"list";
    for (const wchar_t* name : {L"b.bmp", L"A.bmp", L"c.BMP", L"a2.jpg", L"壁紙.bmp", L"_x.bmp"}) {
        WriteFile(dir + L"\\" + name, "x");
    }
    WriteFile(dir + L"\\hidden.bmp", "x");
    SetFileAttributesW((dir + L"\\hidden.bmp").c_str(), FILE_ATTRIBUTE_HIDDEN);
    WriteFile(dir + L"\\system.bmp", "x");
    SetFileAttributesW((dir + L"\\system.bmp").c_str(), FILE_ATTRIBUTE_SYSTEM);
    ASSERT_TRUE(platform::CreateFolder(dir + L"\\folder.bmp"));

    EXPECT_EQ(platform::ListFiles(dir),
              (std::vector<std::wstring>{L"_x.bmp", L"A.bmp", L"a2.jpg", L"b.bmp", L"c.BMP", L"壁紙.bmp"}));
    EXPECT_TRUE(platform::ListFiles(dir + L"\\missing").empty());
}

TEST_F(FilesTest, ExtensionFilterMatchesLongNamesOnly) {
    const std::wstring dir = folder / L"savers";
    for (const wchar_t* name : {L"night.scr", L"DAY.SCR", L"long screen saver name.scr", L"notes.scrx", L"scr"}) {
        WriteFile(dir + L"\\" + name, "x");
    }
    // "notes.scrx" has an 8.3 alias ending in .SCR; it must not be listed as a screen saver.
    EXPECT_EQ(platform::ListFiles(dir, L".scr"),
              (std::vector<std::wstring>{L"DAY.SCR", L"long screen saver name.scr", L"night.scr"}));
}

TEST_F(FilesTest, EntriesShortPathsAndCopies) {
    const std::wstring longName = folder / L"a long screen saver name.scr";
    WriteFile(longName, "MZ");
    EXPECT_EQ(platform::LookUpEntry(longName), platform::EntryKind::File);
    EXPECT_EQ(platform::LookUpEntry(folder.Path()), platform::EntryKind::Folder);
    EXPECT_EQ(platform::LookUpEntry(folder / L"nothing"), platform::EntryKind::Missing);
    EXPECT_TRUE(platform::IsNormalFile(longName));
    EXPECT_FALSE(platform::IsNormalFile(folder.Path()));

    const std::wstring shortPath = platform::ShortPathOf(longName);
    ASSERT_FALSE(shortPath.empty());
    EXPECT_EQ(shortPath.find(L' '), std::wstring::npos) << shortPath;
    EXPECT_NE(shortPath.find(L'~'), std::wstring::npos) << shortPath;
    EXPECT_TRUE(platform::ShortPathOf(folder / L"gone.scr").empty());

    const std::wstring copy = folder / L"copy.scr";
    WriteFile(copy, "old");
    EXPECT_EQ(platform::CopyFileReplacing(longName, copy), ERROR_SUCCESS);
    EXPECT_EQ(dektest::ReadFile(copy), "MZ");
    EXPECT_TRUE(platform::DeleteFileAt(copy));
    EXPECT_FALSE(platform::DeleteFileAt(copy));
}

TEST(Paths, JoinAndLastPart) {
    EXPECT_EQ(platform::JoinPath(L"C:\\Dek", L"Wall"), L"C:\\Dek\\Wall");
    const std::wstring program = platform::ProgramFolder();
    EXPECT_FALSE(program.empty());
    EXPECT_NE(program.back(), L'\\');
    EXPECT_EQ(platform::TempFolder().back(), L'\\');
}

}  // namespace
