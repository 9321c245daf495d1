#include "changer/core/settings.h"

namespace dek {
namespace {

int16_t ReadNumber(const SettingsStore& store, std::wstring_view key, int16_t fallback) {
    const std::optional<std::wstring> text = store.Read(key);
    return text ? ParseSettingNumber(*text).value_or(fallback) : fallback;
}

std::wstring ReadText(const SettingsStore& store, std::wstring_view key, std::wstring_view fallback) {
    return store.Read(key).value_or(std::wstring(fallback));
}

}  // namespace

std::optional<int16_t> ParseSettingNumber(std::wstring_view text) {
    // Blanks (spaces, tabs) around the number are passed over.
    const size_t first = text.find_first_not_of(L" \t"), last = text.find_last_not_of(L" \t");
    text = first == std::wstring_view::npos ? std::wstring_view() : text.substr(first, last + 1 - first);
    bool negative = false;
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    if (text.empty()) return std::nullopt;
    int32_t value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
        if (value > 32768) return std::nullopt;
    }
    if (negative) value = -value;
    if (value > 32767) return std::nullopt;
    return static_cast<int16_t>(value);
}

Settings LoadSettings(const SettingsStore& store, std::wstring_view programFolder) {
    Settings s;
    s.ChangeAtStartup = ReadNumber(store, L"opt1value", 0);
    s.ChangeOnInterval = ReadNumber(store, L"opt2value", 1);
    s.PlaySound = ReadNumber(store, L"opt3value", 0);
    s.ChangeInterval = ReadNumber(store, L"changeinterval", 60);
    s.SoundFile = ReadText(store, L"wavdir", L"");
    s.WallDefaultDir = ReadText(store, L"defdir", programFolder);
    s.SaverDefaultDir = ReadText(store, L"defdir2", programFolder);
    s.WallpaperPerMonitor = ReadNumber(store, L"eachmonitor", 0);
    return s;
}

void SaveSettings(SettingsStore& store, const Settings& s) {
    store.Write(L"opt1value", std::to_wstring(s.ChangeAtStartup));
    store.Write(L"opt2value", std::to_wstring(s.ChangeOnInterval));
    store.Write(L"opt3value", std::to_wstring(s.PlaySound));
    store.Write(L"changeinterval", std::to_wstring(s.ChangeInterval));
    store.Write(L"wavdir", s.SoundFile);
    store.Write(L"defdir", s.WallDefaultDir);
    store.Write(L"defdir2", s.SaverDefaultDir);
    store.Write(L"eachmonitor", std::to_wstring(s.WallpaperPerMonitor));
}

}  // namespace dek
