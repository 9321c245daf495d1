// COM for the calling thread, from its first use to the thread's end: a run that never needs COM
// never loads it.
#pragma once

#include <windows.h>

namespace platform {

// Initialises the thread's single-threaded apartment once; the result of that first call (S_FALSE
// and RPC_E_CHANGED_MODE mean COM is usable all the same).
HRESULT UseCom();

}  // namespace platform
