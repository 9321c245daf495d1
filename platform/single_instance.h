// One running copy of a program per user session: the first start holds a named mutex of the
// session while it runs; a later start finds that copy's window and asks it to come forward.
#pragma once

#include <windows.h>

#include "platform/handles.h"

namespace platform {

// Posted by a later start to the window of the running copy: show yourself and come forward.
inline constexpr UINT kComeForwardMessage = WM_APP + 0x100;

class SingleInstance {
public:
    SingleInstance() = default;
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;
    ~SingleInstance();

    // True when this start is the session's one running copy of the program named `name`
    // ("Local\\..."), which it stays while this object lives. Otherwise the running copy's
    // top-level window of `windowClass` is looked for, waiting while that copy may still be creating
    // it, and asked to come forward when `comeForward`; false then. A running copy that ends
    // meanwhile leaves this start the one.
    bool Claim(const wchar_t* name, const wchar_t* windowClass, bool comeForward);

private:
    UniqueKernelHandle mutex_;
    bool owned_ = false;
};

}  // namespace platform
