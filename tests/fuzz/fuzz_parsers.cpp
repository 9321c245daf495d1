// libFuzzer targets for the parsers of outside text, one family per build (DEK_FUZZ_<FAMILY>).
// Beyond surviving any input under ASan/UBSan, each checks properties its callers rely on.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>

#include "changer/collection/collection_names.h"
#include "changer/collection/wall_rows.h"
#include "changer/core/run_mode.h"
#include "changer/core/settings.h"
#include "changer/collection/display_record.h"
#include "changer/dialogs/numeric_text.h"
#include "platform/photo_orientation.h"
#include "platform/pixel_rows.h"
#include "platform/temporary_name.h"
#include "shortcut_maker/shortcut_plan.h"

#define CHECK(c) ((c) ? void() : (std::fprintf(stderr, "property failed: %s\n", #c), std::abort()))

using namespace dek;
using std::wstring;

// Bytes below 0x80 stand for themselves (NUL, blanks, signs, digits); 0x80-0x8F for characters
// the parsers must not mistake for ASCII or treat specially; 0x90-0xEF and one more byte for
// U+3000-U+8FFF (kana, CJK); 0xF0-0xFF and two more bytes for any UTF-16 unit.
static wstring Wide(const uint8_t* data, size_t size) {
    static const wchar_t kSpecial[16] = {L'全', L'並', L'拡', 0x3000, 0xFF10, 0xFF19, 0xFF0B, 0xFF0D,
                                         0xFF0E, 0xA0, 0x2009, 0xB2, 0x660, 0xFEFF, 0xD800, 0xFFFF};
    wstring text;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] < 0x80) text += wchar_t(data[i]);
        else if (data[i] < 0x90) text += kSpecial[data[i] - 0x80];
        else if (data[i] < 0xF0 && i + 1 < size) text += wchar_t(0x3000 + ((data[i] - 0x90) << 8 | data[i + 1])), i += 1;
        else if (data[i] >= 0xF0 && i + 2 < size) text += wchar_t(data[i + 1] << 8 | data[i + 2]), i += 2;
    }
    return text;
}

struct MapStore : SettingsStore {
    std::map<wstring, wstring, std::less<>> values;
    std::optional<wstring> Read(std::wstring_view k) const override { return values.count(k) ? std::optional(values.find(k)->second) : std::nullopt; }
    void Write(std::wstring_view key, std::wstring_view text) override { values[wstring(key)] = text; }
};

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const wstring text = Wide(data, size);
    [[maybe_unused]] const DisplayPosition p = size >= 2 ? DisplayPosition(data[0] | data[1] << 8) : 0;
#if defined(DEK_FUZZ_RUN_MODE)
    const std::wstring_view args = ArgumentsOf(text);
    CHECK(args.data() + args.size() == text.data() + text.size() && !args.starts_with(L' ') && !args.starts_with(L'\t'));
    const wstring mode = RunModeText(text);
    CHECK(mode.size() <= 2 && mode.find_first_of(L"abcdefghijklmnopqrstuvwxyz") == wstring::npos);
    CHECK((ParseRunMode(text) == RunMode::Normal) == (text.find_first_not_of(L" \t") == wstring::npos));
#elif defined(DEK_FUZZ_SETTINGS)
    const auto number = ParseSettingNumber(text);
    CHECK(!number || (ParseSettingNumber(std::to_wstring(*number)) == number && LeadingValue(text) == *number));
    const wchar_t* keys[] = {L"opt1value", L"opt2value", L"opt3value", L"changeinterval", L"eachmonitor", L"wavdir", L"defdir", L"defdir2"};
    MapStore in, out, again;
    wstring values[8];
    size_t key = 0;  // the texts separated by "\n" are the values of the first keys in turn
    for (wchar_t c : text) c != L'\n' ? void(values[key] += c) : void(key += key < 7);
    for (size_t i = 0; i <= key; ++i) in.values[keys[i]] = values[i];
    SaveSettings(out, LoadSettings(in, L"C:\\Dek"));
    for (size_t i = 0; i <= key; ++i)  // stored texts and numbers that parse are what is loaded
        CHECK(i >= 5 ? out.values[keys[i]] == values[i] : !ParseSettingNumber(values[i]) || out.values[keys[i]] == std::to_wstring(*ParseSettingNumber(values[i])));
    SaveSettings(again, LoadSettings(out, L"D:\\"));
    CHECK(again.values == out.values);  // whatever is saved loads back unchanged
#elif defined(DEK_FUZZ_NUMERIC_TEXT)
    const double value = LeadingValue(text), rounded = RoundHalfEven(value);
    CHECK(!std::isnan(value) && (std::isinf(value) ? rounded == value : rounded == std::floor(rounded)));
    CHECK(std::isinf(value) || std::fabs(rounded - value) < 0.5 || (std::fabs(rounded - value) == 0.5 && std::fmod(rounded, 2) == 0));
    const bool numeric = IsNumericText(text);
    CHECK(CorrectedIntervalText(text) == (numeric ? text : L"") && CorrectedWaitTimeText(text) == (numeric ? text : L"1"));
    const auto whole = ToInt16(text);
    CHECK(whole.has_value() == (numeric && rounded >= -32768 && rounded <= 32767) && (!whole || *whole == rounded));
    CHECK(IntervalMinutes(text) == (whole && *whole >= 0 ? whole : std::nullopt));
    const auto seconds = WaitTimeSeconds(text);  // an accepted text holds 0.5 to 60.5 minutes
    CHECK(seconds.has_value() == WaitTimeAccepted(text) && WaitTimeAccepted(text) == (numeric && rounded >= 1 && rounded <= 60) && (!seconds || (*seconds >= 30 && *seconds <= 3630)));
#elif defined(DEK_FUZZ_DISPLAY_RECORD)
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const DisplayPosition parsed = ParseWallRecord(bytes);
    const std::string line = bytes.substr(0, bytes.find_first_of(",\r\n"));  // a plain whole number reads as itself
    CHECK(!ParseSettingNumber(wstring(line.begin(), line.end())) || parsed == *ParseSettingNumber(wstring(line.begin(), line.end())));
    CHECK(ParseWallRecord(FormatWallRecord(p)) == p && ParseWallRecord(FormatWallRecord(p) + bytes) == p);
#elif defined(DEK_FUZZ_COLLECTION_NAMES)
    const wstring cut = CutAtNul(text), title = FileTitleOf(text), bitmap = ConvertedBitmapName(text);
    CHECK(cut.find(L'\0') == wstring::npos && text.starts_with(cut) && cut.ends_with(title) && title.find_first_of(L"\\/:") == wstring::npos);
    // A converted name keeps the name's beginning, is never longer, and is a wallpaper's.
    CHECK(bitmap.ends_with(L"bmp") && bitmap.size() <= std::max<size_t>(text.size(), 3) && text.starts_with(bitmap.substr(0, bitmap.size() - 3)) && DropKindOf(bitmap, {}) == DropKind::Wallpaper);
    CHECK(IsBitmapName(text) == text.ends_with(L"bmp") && (DropKindOf(text, {}) == DropKind::Ignored || text.size() >= 3));
    const wstring row = WallRow(p, text);  // the marker of the position shown, then the name
    CHECK(row.substr(2) == text && (row[0] == kStretchMarker) == (p == Stretch || p < Center || p > Fill));
    const uint32_t id = size >= 4 ? data[0] | data[1] << 8 | data[2] << 16 | uint32_t(data[3]) << 24 : 0;  // a temporary's name is known, and nothing else is
    CHECK(platform::IsTemporaryFileName(platform::TemporaryFileName(id, ~id)) && (!platform::IsTemporaryFileName(text) || (text.size() <= 25 && text.find_first_not_of(L"~dek0123456789abcdef-.tmp") == wstring::npos)));
#elif defined(DEK_FUZZ_PICTURE_HEADERS)
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const platform::ReadAt read = [&](uint64_t at, size_t n) { return bytes.substr(std::min<uint64_t>(at, size), n); };
    const int orientation = platform::ReadPhotoOrientation(read);
    CHECK(orientation >= 1 && orientation <= 8);
    CHECK(!platform::ReadPictureSize(read) || platform::HasSizeInHeader(bytes.substr(0, 8)));
    // The pixels turned upright, then turned back, are the pixels stored.
    platform::PixelRows stored{1 + uint32_t(size % 5), 1 + uint32_t(size / 5 % 4), {}};
    stored.bytes.resize(platform::BitmapStride(stored.width) * stored.height);
    for (size_t i = 0; i < size && i / (stored.width * 3) < stored.height; ++i) stored.bytes[i / (stored.width * 3) * platform::BitmapStride(stored.width) + i % (stored.width * 3)] = data[i];
    const int back[] = {0, 1, 2, 3, 4, 5, 8, 7, 6};
    CHECK(platform::Upright(platform::Upright(stored, orientation), back[orientation]).bytes == stored.bytes);
#elif defined(DEK_FUZZ_SHORTCUT_PLAN)
    using namespace dekset;
    const Destination to = DestinationOf(text);
    CHECK(to.specialFolder.has_value() == (text == kStartupEntry || text == kDesktopEntry) && (to.specialFolder || to.folder == text || to.folder + L'\\' == text));
    const StartMode mode = StartMode(size > 0 ? data[0] % 3 : 0);
    const ShortcutRequest link = PlanShortcut(L"C:\\Dek", to.folder, mode);
    CHECK(link.linkPath.starts_with(to.folder + L'\\') && link.linkPath.ends_with(L".LNK") && link.target == L"C:\\Dek\\Dek.exe");
    CHECK(ParseRunMode(link.arguments) == (mode == StartMode::Normal ? RunMode::Normal : mode == StartMode::Hidden ? RunMode::Hidden : RunMode::OneShot));
#endif
    return 0;
}
