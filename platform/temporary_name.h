// The names of the temporary files a ReplacingWriter writes beside the file it replaces:
// "~dek<process id>-<number>.tmp", both numbers in lower-case hexadecimal. No windows.h: tested
// natively and fuzzed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

std::wstring TemporaryFileName(uint32_t processId, uint32_t number);

// Whether a file name is one TemporaryFileName gives: a temporary that only these programs make.
bool IsTemporaryFileName(std::wstring_view name);

}  // namespace platform
