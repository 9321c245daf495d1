// Watches folders for files that other programs add, remove or rename. A thread of its own waits
// for the file system's word and costs nothing while nothing happens; the names it hears of are
// collected here, and a message posted to a window says that there are some to take.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/handles.h"

namespace platform {

class FolderWatch {
public:
    FolderWatch() = default;
    FolderWatch(const FolderWatch&) = delete;
    FolderWatch& operator=(const FolderWatch&) = delete;
    ~FolderWatch() { Stop(); }

    // Watches the folders; `message` is posted to `window` whenever names wait to be taken. Watching
    // ends quietly when a folder cannot be watched. False when no thread could be started.
    bool Start(HWND window, UINT message, std::vector<std::wstring> folders);
    void Stop();

    struct Change {
        size_t folder;      // its place in the folders given to Start
        std::wstring name;  // a file that came, went or was renamed (from or to); "" when the system
                            // lost count, and the whole folder has to be read again
    };
    // The names heard of since the last call, in the order heard.
    std::vector<Change> Take();

private:
    void Watch(std::vector<std::wstring> folders);
    void Heard(std::vector<Change> changes);

    HWND window_ = nullptr;
    UINT message_ = 0;
    UniqueKernelHandle stop_;
    std::thread thread_;
    std::mutex mutex_;
    std::vector<Change> heard_;
};

}  // namespace platform
