#pragma once

#include <optional>
#include <string>

#include "app/inifile.h"

// A window's outer rectangle in screen pixels; right and bottom are exclusive.
struct WindowRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const WindowRect&) const = default;
};

// The player's persistent settings, all in one INI file, and the current user-interface language.
// Nothing is cached but the language and the last map provider: every read goes to the file again (another
// program may have changed it), every write goes to the file at once. Writes report nothing to the user;
// they return whether the value was stored, for callers that care.
// What only the desktop knows (the usable screen size, the documents folder) is passed in.
class AppSettings {
  public:
    static constexpr int kMinWidth = 800;
    static constexpr int kMinHeight = 560;
    static constexpr int kMaxLangIdChars = 63;
    static constexpr int kMaxFolderChars = 1023;
    static constexpr int kMaxTileTemplateChars = 2047;

    // The process-wide object: made on first use with "Zov.ini" in the current directory of that moment;
    // a later change of directory does not move the file.
    static AppSettings& Instance();
    // The settings whose language every text follows (LoadText): the main window's own, Instance() until a
    // window names its own and again after it has gone. Tests give a window a settings file of their own.
    static AppSettings& Current();
    static void SetCurrent(AppSettings* settings);

    // Reads the stored language from iniPath; the file need not exist.
    explicit AppSettings(std::string iniPath);

    const std::string& IniPath() const { return ini_.Path(); }

    // UI/MAP held to 0 (Google), 1 (Baidu), 2 (Yandex); remembered as the last map provider.
    int ReadMapProvider();
    // Stored as given, without a range check.
    bool WriteMapProvider(int provider);
    int LastMapProvider() const { return mapProvider_; }
    // The tile address template the user gave for a provider's page (MAP/TILES_GOOGLE, TILES_BAIDU,
    // TILES_YANDEX); empty when none is set or the provider is not 0..2. Checked by the map, not here.
    std::string ReadMapTiles(int provider) const;

    int ReadMapEnabled() const;
    bool WriteMapEnabled(int enabled) const;
    int ReadGSensorEnabled() const;
    bool WriteGSensorEnabled(int enabled) const;

    // WINPOS, made to fit on a screen whose usable full-screen area is usableWidth × usableHeight: at least
    // 800 × 560 unless the screen is smaller, never larger than the screen, moved back onto it.
    WindowRect ReadWindowRect(int usableWidth, int usableHeight) const;
    bool WriteWindowRect(const WindowRect& rect) const;

    // UI/Folder; empty when nothing exists at that path any more (a removed memory card).
    std::string ReadLastFolder() const;
    // Stores the path, or the empty string when nothing exists at it or it cannot be kept on one line.
    bool WriteLastFolder(const std::string& path) const;

    // documentsFolder + "ZOV/KML/", created with every missing parent; always ends with '/'. nullopt when the
    // documents folder is unknown (empty) or the folder cannot be made.
    static std::optional<std::string> GetKmlFolder(const std::string& documentsFolder);

    // A row outside 0..15 changes nothing and writes nothing; otherwise the row becomes current and its
    // code is stored under UI/LANGID.
    void SetLanguageIndex(int row);
    int GetLanguageIndex() const { return languageRow_; }
    int GetLanguageId() const { return languageId_; }
    static int GetLanguageCount();
    // The row's own name; empty outside 0..15.
    static std::string GetLanguageName(int row);

  private:
    IniFile ini_;
    int languageRow_ = 0;
    int languageId_ = 0x0409;
    int mapProvider_ = 0;
};
