#include "platform/com.h"

#include <objbase.h>

namespace platform {
namespace {

struct Apartment {
    HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ~Apartment() {
        if (SUCCEEDED(result)) CoUninitialize();
    }
};

}  // namespace

HRESULT UseCom() {
    thread_local const Apartment apartment;
    return apartment.result == RPC_E_CHANGED_MODE ? S_OK : apartment.result;
}

}  // namespace platform
