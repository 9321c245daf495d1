#include "platform/folder_watch.h"

#include <memory>
#include <system_error>

namespace platform {
namespace {

constexpr DWORD kBufferBytes = 64 * 1024;

struct Watched {
    UniqueFile folder;
    UniqueKernelHandle event;
    OVERLAPPED overlapped = {};
    std::unique_ptr<DWORD[]> buffer{new DWORD[kBufferBytes / sizeof(DWORD)]};  // DWORD-aligned, as the system needs

    bool Listen() {
        overlapped = {};
        overlapped.hEvent = event.get();
        return ReadDirectoryChangesW(folder.get(), buffer.get(), kBufferBytes, FALSE, FILE_NOTIFY_CHANGE_FILE_NAME,
                                     nullptr, &overlapped, nullptr) != FALSE;
    }
};

}  // namespace

bool FolderWatch::Start(HWND window, UINT message, std::vector<std::wstring> folders) {
    Stop();
    window_ = window;
    message_ = message;
    stop_.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!stop_) return false;
    try {
        thread_ = std::thread(&FolderWatch::Watch, this, std::move(folders));
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

void FolderWatch::Stop() {
    if (!thread_.joinable()) return;
    SetEvent(stop_.get());
    thread_.join();
}

std::vector<FolderWatch::Change> FolderWatch::Take() {
    const std::lock_guard lock(mutex_);
    return std::exchange(heard_, {});
}

void FolderWatch::Heard(std::vector<Change> changes) {
    bool first;
    {
        const std::lock_guard lock(mutex_);
        first = heard_.empty();
        heard_.insert(heard_.end(), std::make_move_iterator(changes.begin()), std::make_move_iterator(changes.end()));
    }
    // One message stands for every name heard until it is handled.
    if (first) PostMessageW(window_, message_, 0, 0);
}

void FolderWatch::Watch(std::vector<std::wstring> folders) {
    std::vector<Watched> watched(folders.size());
    std::vector<HANDLE> waits = {stop_.get()};
    bool listening = true;
    for (size_t i = 0; i < folders.size() && listening; ++i) {
        watched[i].folder.reset(CreateFileW(folders[i].c_str(), FILE_LIST_DIRECTORY,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                            FILE_FLAG_BACKUP_SEMANTICS | FILE_FLAG_OVERLAPPED, nullptr));
        watched[i].event.reset(CreateEventW(nullptr, FALSE, FALSE, nullptr));
        listening = watched[i].folder && watched[i].event && watched[i].Listen();
        waits.push_back(watched[i].event.get());
    }
    while (listening) {
        const DWORD woken = WaitForMultipleObjects(static_cast<DWORD>(waits.size()), waits.data(), FALSE, INFINITE);
        if (woken <= WAIT_OBJECT_0 || woken >= WAIT_OBJECT_0 + waits.size()) break;
        const size_t folder = woken - WAIT_OBJECT_0 - 1;
        Watched& w = watched[folder];
        DWORD bytes = 0;
        std::vector<Change> changes;
        if (!GetOverlappedResult(w.folder.get(), &w.overlapped, &bytes, FALSE) || bytes == 0) {
            changes.push_back({folder, {}});  // more than the buffer held
        } else {
            for (auto* at = reinterpret_cast<const BYTE*>(w.buffer.get());;) {
                const auto* note = reinterpret_cast<const FILE_NOTIFY_INFORMATION*>(at);
                changes.push_back({folder, std::wstring(note->FileName, note->FileNameLength / sizeof(wchar_t))});
                if (note->NextEntryOffset == 0) break;
                at += note->NextEntryOffset;
            }
        }
        Heard(std::move(changes));
        listening = w.Listen();
    }
    // Nothing may write into the buffers once they are gone.
    for (Watched& w : watched) {
        if (w.folder && CancelIoEx(w.folder.get(), &w.overlapped)) {
            DWORD ignored;
            GetOverlappedResult(w.folder.get(), &w.overlapped, &ignored, TRUE);
        }
    }
}

}  // namespace platform
