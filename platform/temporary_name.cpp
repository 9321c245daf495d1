#include "platform/temporary_name.h"

#include <algorithm>
#include <cwchar>
#include <iterator>

namespace platform {
namespace {

constexpr std::wstring_view kPrefix = L"~dek", kSuffix = L".tmp";

// Cuts a number of one to eight lower-case hexadecimal digits from the front of `text`; false if
// there is none, or a longer one.
bool TakeHexNumber(std::wstring_view& text) {
    const size_t digits = std::min(text.find_first_not_of(L"0123456789abcdef"), text.size());
    if (digits == 0 || digits > 8) return false;
    text.remove_prefix(digits);
    return true;
}

}  // namespace

std::wstring TemporaryFileName(uint32_t processId, uint32_t number) {
    wchar_t name[32];
    std::swprintf(name, std::size(name), L"~dek%x-%x.tmp", static_cast<unsigned>(processId), static_cast<unsigned>(number));
    return name;
}

bool IsTemporaryFileName(std::wstring_view name) {
    if (!name.starts_with(kPrefix) || !name.ends_with(kSuffix)) return false;
    std::wstring_view numbers = name.substr(kPrefix.size(), name.size() - kPrefix.size() - kSuffix.size());
    if (!TakeHexNumber(numbers) || !numbers.starts_with(L'-')) return false;
    numbers.remove_prefix(1);
    return TakeHexNumber(numbers) && numbers.empty();
}

}  // namespace platform
