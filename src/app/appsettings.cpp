#include "app/appsettings.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>

#include "app/languagetable.h"

namespace {

constexpr std::string_view kUi = "UI";
constexpr std::string_view kWinPos = "WINPOS";
constexpr std::string_view kLangId = "LANGID";
constexpr std::string_view kMap = "MAP";
constexpr std::string_view kMapEnable = "MAP_ENABLE";
constexpr std::string_view kGsnrEnable = "GSNR_ENABLE";
constexpr std::string_view kFolder = "Folder";
constexpr std::string_view kIniName = "Zov.ini";
constexpr int kLastMapProvider = 2;

bool Exists(const std::string& path) {
    std::error_code ec;
    return !path.empty() && std::filesystem::exists(std::filesystem::path(path), ec);
}

// One side of the window: its size limited as above, its start moved so that it ends on the screen.
void FitSpan(std::int64_t start, std::int64_t end, std::int64_t minSize, std::int64_t screen, int& outStart,
             int& outEnd) {
    std::int64_t size = std::max(end - start, minSize);
    size = std::min(size, screen);
    if (start > screen - size)
        start = screen - size;
    else if (start < 0)
        start = 0;
    outStart = static_cast<int>(start);
    outEnd = static_cast<int>(start + size);
}

}  // namespace

AppSettings& AppSettings::Instance() {
    static AppSettings instance([] {
        std::error_code ec;
        const std::filesystem::path dir = std::filesystem::current_path(ec);
        // A working directory that has been removed has no name; the file is then looked for relative to it.
        if (ec) return std::string(kIniName);
        std::string path = dir.string();
        if (!path.ends_with('/')) path += '/';
        return path + std::string(kIniName);
    }());
    return instance;
}

namespace {
AppSettings* current = nullptr;
}  // namespace

AppSettings& AppSettings::Current() {
    return current != nullptr ? *current : Instance();
}

void AppSettings::SetCurrent(AppSettings* settings) {
    current = settings;
}

AppSettings::AppSettings(std::string iniPath) : ini_(std::move(iniPath)) {
    const int row = LanguageTable::FindByCode(ini_.ReadString(kUi, kLangId, "ENG", kMaxLangIdChars));
    if (row >= 0) {
        languageRow_ = row;
        languageId_ = LanguageTable::Row(row)->LanguageId();
    }
}

int AppSettings::ReadMapProvider() {
    mapProvider_ = std::clamp(ini_.ReadInt(kUi, kMap, 0), 0, kLastMapProvider);
    return mapProvider_;
}

std::string AppSettings::ReadMapTiles(int provider) const {
    static constexpr std::string_view kKeys[] = {"TILES_GOOGLE", "TILES_BAIDU", "TILES_YANDEX"};
    if (provider < 0 || provider > kLastMapProvider) return {};
    return ini_.ReadString("MAP", kKeys[provider], "", kMaxTileTemplateChars);
}

bool AppSettings::WriteMapProvider(int provider) {
    mapProvider_ = provider;
    return ini_.Write(kUi, kMap, std::to_string(provider));
}

int AppSettings::ReadMapEnabled() const {
    return ini_.ReadInt(kUi, kMapEnable, 1) != 0 ? 1 : 0;
}

bool AppSettings::WriteMapEnabled(int enabled) const {
    return ini_.Write(kUi, kMapEnable, enabled ? "1" : "0");
}

int AppSettings::ReadGSensorEnabled() const {
    return ini_.ReadInt(kUi, kGsnrEnable, 1) != 0 ? 1 : 0;
}

bool AppSettings::WriteGSensorEnabled(int enabled) const {
    return ini_.Write(kUi, kGsnrEnable, enabled ? "1" : "0");
}

WindowRect AppSettings::ReadWindowRect(int usableWidth, int usableHeight) const {
    const int left = ini_.ReadInt(kWinPos, "LEFT", 0);
    const int top = ini_.ReadInt(kWinPos, "TOP", 0);
    const int right = ini_.ReadInt(kWinPos, "RIGHT", kMinWidth);
    const int bottom = ini_.ReadInt(kWinPos, "BOTTOM", kMinHeight);
    WindowRect r;
    FitSpan(left, right, kMinWidth, std::max(usableWidth, 0), r.left, r.right);
    FitSpan(top, bottom, kMinHeight, std::max(usableHeight, 0), r.top, r.bottom);
    return r;
}

bool AppSettings::WriteWindowRect(const WindowRect& rect) const {
    const std::string left = std::to_string(rect.left), top = std::to_string(rect.top),
                      right = std::to_string(rect.right), bottom = std::to_string(rect.bottom);
    const IniFile::Entry entries[] = {{"LEFT", left}, {"TOP", top}, {"RIGHT", right}, {"BOTTOM", bottom}};
    return ini_.Write(kWinPos, entries);
}

std::string AppSettings::ReadLastFolder() const {
    std::string folder = ini_.ReadString(kUi, kFolder, "", kMaxFolderChars);
    return Exists(folder) ? folder : std::string();
}

bool AppSettings::WriteLastFolder(const std::string& path) const {
    // A name with a line break is legal here but cannot be kept on an INI line; storing nothing is better
    // than leaving an older folder behind.
    const bool storable =
        Exists(path) && path.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos;
    return ini_.Write(kUi, kFolder, storable ? path : std::string());
}

std::optional<std::string> AppSettings::GetKmlFolder(const std::string& documentsFolder) {
    if (documentsFolder.empty()) return std::nullopt;
    std::string folder = documentsFolder;
    if (!folder.ends_with('/')) folder += '/';
    folder += "ZOV/KML/";
    std::error_code ec;
    const std::filesystem::path path(folder);
    std::filesystem::create_directories(path, ec);
    // A file in the way is as bad as a folder that could not be made: nothing can be exported into it.
    if (!std::filesystem::is_directory(path, ec)) return std::nullopt;
    return folder;
}

void AppSettings::SetLanguageIndex(int row) {
    const LanguageRow* language = LanguageTable::Row(row);
    if (language == nullptr) return;
    languageRow_ = row;
    languageId_ = language->LanguageId();
    ini_.Write(kUi, kLangId, language->code);
}

int AppSettings::GetLanguageCount() {
    return LanguageTable::kCount;
}

std::string AppSettings::GetLanguageName(int row) {
    const LanguageRow* language = LanguageTable::Row(row);
    return language ? std::string(language->nativeName) : std::string();
}
