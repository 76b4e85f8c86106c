#include <gtest/gtest.h>

#include "app/languagetable.h"

TEST(LanguageTable, RowsCodesAndTables) {
    // code, language identifier, the table its texts come from
    struct Row {
        const char* code;
        int id;
        int table;
    } expected[] = {
        {"ENG", 0x0409, 0x0409}, {"CHS", 0x0804, 0x0804}, {"CHT", 0x0404, 0x0404}, {"ESP", 0x040A, 0x000A},
        {"RUS", 0x0419, 0x0419}, {"POR", 0x0816, 0x0816}, {"JPN", 0x0411, 0x0411}, {"GER", 0x0407, 0x0407},
        {"FRA", 0x040C, 0x040C}, {"KOR", 0x0412, 0x0412}, {"ITA", 0x0410, 0x0010}, {"LAT", 0x0426, 0x0426},
        {"POL", 0x0415, 0x0415}, {"ROM", 0x0418, 0x0418}, {"SLV", 0x041B, 0x041B}, {"UKR", 0x0422, 0x0422},
    };
    ASSERT_EQ(LanguageTable::Rows().size(), std::size(expected));
    for (int i = 0; i < LanguageTable::kCount; ++i) {
        const LanguageRow& row = *LanguageTable::Row(i);
        EXPECT_EQ(row.code, expected[i].code);
        EXPECT_EQ(row.LanguageId(), expected[i].id) << row.code;
        EXPECT_EQ(LanguageTable::FindStringTable(row.LanguageId()).id, expected[i].table) << row.code;
        EXPECT_EQ(LanguageTable::FindByCode(row.code), i);
    }
    EXPECT_EQ(LanguageTable::Row(7)->nativeName, "Deutsch");
    EXPECT_EQ(LanguageTable::Row(1)->nativeName, "简体中文");
    EXPECT_EQ(LanguageTable::Row(-1), nullptr);
    EXPECT_EQ(LanguageTable::Row(16), nullptr);
    EXPECT_EQ(LanguageTable::StringTables().size(), 16u);
}

TEST(LanguageTable, FindByCodeIsExact) {
    for (const char* code : {"eng", "Ger", "", "ENG ", " ENG", "ENGL", "EN"})
        EXPECT_EQ(LanguageTable::FindByCode(code), -1) << '"' << code << '"';
}

TEST(LanguageTable, TableFallBack) {
    EXPECT_EQ(LanguageTable::FindStringTable(0x080A).id, 0x000A);  // Spanish (Mexico): the neutral table
    EXPECT_EQ(LanguageTable::FindStringTable(0x0810).id, 0x0010);  // Italian (Switzerland)
    EXPECT_EQ(LanguageTable::FindStringTable(0x0807).id, 0x0409);  // German (Switzerland): no neutral German
    EXPECT_EQ(LanguageTable::FindStringTable(0x0413).id, 0x0409);  // Dutch
    EXPECT_EQ(LanguageTable::FindStringTable(0).id, 0x0409);
}

TEST(LanguageTable, SystemLocale) {
    struct Case {
        const char* locale;
        int row;
    } cases[] = {
        {"en_US.UTF-8", 0}, {"en-GB", 0},  {"zh_CN", 1},      {"zh_SG.GB2312", 1}, {"zh-Hans-HK", 1},
        {"zh_TW.UTF-8", 2}, {"zh_HK", 2},  {"zh-Hant", 2},    {"es_MX", 3},        {"ru_RU", 4},
        {"pt_BR", 5},       {"ja_JP", 6},  {"de_AT@euro", 7}, {"fr_CA", 8},        {"ko", 9},
        {"it_CH", 10},      {"lv_LV", 11}, {"pl_PL", 12},     {"ro_RO", 13},       {"sk_SK", 14},
        {"uk_UA", 15},      {"C", -1},     {"POSIX", -1},     {"C.UTF-8", -1},     {"nl_NL", -1},
        {"", -1},           {"_DE", -1},
    };
    for (const Case& c : cases) EXPECT_EQ(LanguageTable::FindBySystemLocale(c.locale), c.row) << c.locale;
}
