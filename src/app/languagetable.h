#pragma once

#include <span>
#include <string_view>

// One user-interface language. code is what UI/LANGID stores; iso is the ISO 639-1 code the desktop's
// locale is matched against. The Windows-style language identifier is sub × 1024 + primary.
struct LanguageRow {
    std::string_view code;
    std::string_view nativeName;
    int primary = 0;
    int sub = 0;
    std::string_view iso;

    constexpr int LanguageId() const { return sub * 1024 + primary; }
};

// A compiled string table: its language identifier and the stem of its file ("orvan_<name>.qm").
struct StringTable {
    int id = 0;
    std::string_view name;
};

// The sixteen languages, fixed at build time, in the order the configuration dialog lists them.
class LanguageTable {
  public:
    static constexpr int kCount = 16;
    static constexpr int kEnglishRow = 0;
    static constexpr int kEnglishId = 0x0409;

    static std::span<const LanguageRow, kCount> Rows();
    // nullptr for a row outside 0..kCount-1.
    static const LanguageRow* Row(int row);
    // Exact, case-sensitive comparison in row order; -1 when no code is equal.
    static int FindByCode(std::string_view code);
    // The row of a desktop locale name ("de_DE.UTF-8", "zh-Hant-TW", "pt_BR"), by its language and, for
    // Chinese, its script or region; -1 for a language not among the sixteen ("C", "nl_NL").
    static int FindBySystemLocale(std::string_view localeName);

    // The tables the program ships. Spanish and Italian are stored under their neutral identifiers.
    static std::span<const StringTable> StringTables();
    // The table the texts of a language identifier come from: the table of that identifier, else the one
    // of its primary language with the neutral sublanguage, else English.
    static const StringTable& FindStringTable(int languageId);
};
