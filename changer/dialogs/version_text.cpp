#include "changer/dialogs/version_text.h"

namespace dek {

std::wstring VersionMessageText(const ProgramVersion& version) {
    return L"Dekorin Ver." + std::to_wstring(version.major) + L"." + std::to_wstring(version.minor) +
           std::to_wstring(version.revision);
}

}  // namespace dek
