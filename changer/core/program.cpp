#include "changer/core/program.h"

#include <windows.h>

#include "platform/error_text.h"
#include "platform/files.h"
#include "platform/message_box.h"

namespace dek {

bool PrepareCollectionFolders(const ProgramFolders& folders) {
    for (const std::wstring* folder : {&folders.dat, &folders.wall, &folders.saver}) {
        std::wstring problem;
        switch (platform::LookUpEntry(*folder)) {
        case platform::EntryKind::Folder:
            platform::RemoveLeftTemporaries(*folder);
            continue;
        case platform::EntryKind::File:
            problem = L"フォルダの場所にファイルがあるため、起動できません。\r\n" + *folder;
            break;
        case platform::EntryKind::Missing:
            if (platform::CreateFolder(*folder)) continue;
            const std::wstring reason = platform::ErrorText(GetLastError());
            problem = L"フォルダを作成できません。\r\n" + *folder + L"\r\n" + reason;
            break;
        }
        platform::ShowMessage(nullptr, problem, kProgramTitle, MB_OK | MB_ICONSTOP);
        return false;
    }
    return true;
}

}  // namespace dek
