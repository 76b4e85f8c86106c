#include "app/languagetable.h"

#include <array>
#include <string>

namespace {

constexpr std::array<LanguageRow, LanguageTable::kCount> kRows{{
    {"ENG", "English", 9, 1, "en"},
    {"CHS", "简体中文", 4, 2, "zh"},
    {"CHT", "繁體中文", 4, 1, "zh"},
    {"ESP", "español", 10, 1, "es"},
    {"RUS", "русский", 25, 1, "ru"},
    {"POR", "português", 22, 2, "pt"},
    {"JPN", "日本語", 17, 1, "ja"},
    {"GER", "Deutsch", 7, 1, "de"},
    {"FRA", "français", 12, 1, "fr"},
    {"KOR", "한국의", 18, 1, "ko"},
    {"ITA", "italiano", 16, 1, "it"},
    {"LAT", "Latviski", 38, 1, "lv"},
    {"POL", "Polski", 21, 1, "pl"},
    {"ROM", "Română", 24, 1, "ro"},
    {"SLV", "Slovenčina", 27, 1, "sk"},
    {"UKR", "Українська", 34, 1, "uk"},
}};

constexpr std::array<StringTable, LanguageTable::kCount> kTables{{
    {0x0409, "en"},
    {0x0804, "zh_CN"},
    {0x0404, "zh_TW"},
    {0x000A, "es"},
    {0x0419, "ru"},
    {0x0816, "pt_PT"},
    {0x0411, "ja"},
    {0x0407, "de"},
    {0x040C, "fr"},
    {0x0412, "ko"},
    {0x0010, "it"},
    {0x0426, "lv"},
    {0x0415, "pl"},
    {0x0418, "ro"},
    {0x041B, "sk"},
    {0x0422, "uk"},
}};

constexpr int kChineseTraditionalRow = 2;
constexpr int kChineseSimplifiedRow = 1;

std::string Lower(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

const StringTable* TableWithId(int id) {
    for (const StringTable& t : kTables)
        if (t.id == id) return &t;
    return nullptr;
}

}  // namespace

std::span<const LanguageRow, LanguageTable::kCount> LanguageTable::Rows() {
    return kRows;
}

const LanguageRow* LanguageTable::Row(int row) {
    if (row < 0 || row >= kCount) return nullptr;
    return &kRows[static_cast<std::size_t>(row)];
}

int LanguageTable::FindByCode(std::string_view code) {
    for (int i = 0; i < kCount; ++i)
        if (kRows[static_cast<std::size_t>(i)].code == code) return i;
    return -1;
}

int LanguageTable::FindBySystemLocale(std::string_view localeName) {
    // POSIX names carry a code set and a modifier ("de_DE.UTF-8@euro"); neither says anything here.
    localeName = localeName.substr(0, localeName.find_first_of(".@"));
    const std::size_t sep = localeName.find_first_of("_-");
    const std::string language = Lower(localeName.substr(0, sep));
    const std::string rest =
        sep == std::string_view::npos ? std::string() : Lower(localeName.substr(sep + 1));
    if (language == "zh") {
        // Script first (zh-Hant, zh_Hans_HK), then the regions that write traditional characters.
        if (rest.starts_with("hant")) return kChineseTraditionalRow;
        if (rest.starts_with("hans")) return kChineseSimplifiedRow;
        if (rest == "tw" || rest == "hk" || rest == "mo") return kChineseTraditionalRow;
        return kChineseSimplifiedRow;
    }
    if (language.empty()) return -1;
    for (int i = 0; i < kCount; ++i)
        if (kRows[static_cast<std::size_t>(i)].iso == language) return i;
    return -1;
}

std::span<const StringTable> LanguageTable::StringTables() {
    return kTables;
}

const StringTable& LanguageTable::FindStringTable(int languageId) {
    if (const StringTable* t = TableWithId(languageId)) return *t;
    if (const StringTable* t = TableWithId(languageId & 0x3FF)) return *t;
    return *TableWithId(kEnglishId);
}
