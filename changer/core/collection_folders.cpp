#include "changer/core/collection_folders.h"

#include "changer/core/control_ids.h"
#include "platform/error_text.h"
#include "platform/files.h"
#include "platform/message_box.h"

namespace dek {

bool PrepareCollectionFolders(HWND owner, std::initializer_list<std::wstring> folders) {
    for (const std::wstring& folder : folders) {
        switch (platform::LookUpEntry(folder)) {
        case platform::EntryKind::Folder:
            continue;
        case platform::EntryKind::File:
            platform::ShowMessage(owner,
                                  L"フォルダの場所にファイルがあるため、起動できません。\r\n" + folder,
                                  kMainWindowTitle, MB_OK | MB_ICONSTOP);
            return false;
        case platform::EntryKind::Missing:
            if (!platform::CreateFolder(folder)) {
                const DWORD error = GetLastError();
                platform::ShowMessage(owner,
                                      L"フォルダを作成できません。\r\n" + folder + L"\r\n" + platform::ErrorText(error),
                                      kMainWindowTitle, MB_OK | MB_ICONSTOP);
                return false;
            }
            continue;
        }
    }
    return true;
}

}  // namespace dek
