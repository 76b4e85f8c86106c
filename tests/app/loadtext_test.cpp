#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <filesystem>
#include <map>
#include <memory>
#include <ostream>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "app/appsettings.h"
#include "app/languagetable.h"
#include "app/loadtext.h"
#include "bytes.h"
#include "tempdir.h"

// Readable failure messages.
void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

std::vector<int> AllIds() {
    std::vector<int> ids;
    for (int id = 101; id <= 145; ++id) ids.push_back(id);
    for (int id = 179; id <= 199; ++id) ids.push_back(id);
    ids.push_back(1065);
    // The player's own texts beyond the recorder's tables: reports of failed file operations, snapshots.
    for (int id = 2001; id <= 2005; ++id) ids.push_back(id);
    return ids;
}

std::vector<std::string> FormatSpecifiers(const QString& text) {
    static const QRegularExpression specifier(
        QStringLiteral("%[-+ #0]*[0-9]*(\\.[0-9]+)?[hlLqjzt]*[a-zA-Z%]"));
    std::vector<std::string> found;
    for (auto it = specifier.globalMatch(text); it.hasNext();)
        found.push_back(it.next().captured().toStdString());
    return found;
}

int LanguageIdOf(const char* code) {
    return LanguageTable::Row(LanguageTable::FindByCode(code))->LanguageId();
}

// The settings object is made on first use in the working folder: give it a private one.
class WorkFolder : public ::testing::Environment {
  public:
    void SetUp() override {
        before_ = std::filesystem::current_path();
        folder_ = std::make_unique<TempDir>();
        std::filesystem::current_path(folder_->Path());
    }
    void TearDown() override {
        std::filesystem::current_path(before_);
        folder_.reset();
    }

  private:
    std::filesystem::path before_;
    std::unique_ptr<TempDir> folder_;
};
const auto* const kWorkFolder = ::testing::AddGlobalTestEnvironment(new WorkFolder);

}  // namespace

TEST(StringTables, EveryTableIsComplete) {
    // Words that are the same in English and in the language, where a translation would be unnatural.
    const std::set<int> sameEverywhere = {107, 121, 145};  // "OK", "ID"
    const std::map<std::string_view, std::set<int>> sameIn = {
        {"fr", {187}}, {"it", {113, 187}}, {"pt_PT", {187}}};  // "Volume", "File"
    const std::map<int, QString> names = {{105, "Google"}, {106, "BaiDu"}, {1065, "Yandex"}};
    for (const StringTable& table : LanguageTable::StringTables()) {
        SCOPED_TRACE(std::string(table.name));
        for (int id : AllIds()) {
            const QString english = StringTableText(LanguageTable::kEnglishId, id);
            const QString text = StringTableText(table.id, id);
            ASSERT_FALSE(text.isEmpty()) << id;
            EXPECT_EQ(FormatSpecifiers(text), FormatSpecifiers(english)) << id << ": " << text.toStdString();
            EXPECT_EQ(text.count('&'), id == 101 ? 1 : 0) << id << ": " << text.toStdString();
            if (names.count(id)) {
                EXPECT_TRUE(text.contains(names.at(id))) << id << ": " << text.toStdString();
            }
            const auto same = sameIn.find(table.name);
            const bool mayBeSame = table.id == LanguageTable::kEnglishId || sameEverywhere.count(id) ||
                                   (same != sameIn.end() && same->second.count(id));
            if (!mayBeSame) {
                EXPECT_NE(text, english) << id << " is not translated";
            }
        }
        const int amp = StringTableText(table.id, 101).indexOf('&');
        EXPECT_TRUE(amp + 1 < StringTableText(table.id, 101).size() &&
                    !StringTableText(table.id, 101).at(amp + 1).isSpace());
        for (int id : {100, 146, 178, 200, 1064}) EXPECT_TRUE(StringTableText(table.id, id).isNull()) << id;
    }
    EXPECT_TRUE(StringTableText(0x0413, 110).isNull());  // no Dutch table
}

TEST(StringTables, SourcesAreTheEnglishTextsAndAllFinished) {
    for (const StringTable& table : LanguageTable::StringTables()) {
        const QString path = QStringLiteral(ORVAN_TS_DIR "/orvan_") +
                             QString::fromUtf8(table.name.data(), qsizetype(table.name.size())) + ".ts";
        SCOPED_TRACE(path.toStdString());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        QXmlStreamReader xml(&file);
        std::set<int> ids;
        int id = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("message")) {
                id = xml.attributes().value("id").toInt();
                EXPECT_TRUE(ids.insert(id).second) << "duplicate " << id;
            } else if (xml.name() == QLatin1String("source")) {
                EXPECT_EQ(xml.readElementText(), StringTableText(LanguageTable::kEnglishId, id)) << id;
            } else if (xml.name() == QLatin1String("translation")) {
                EXPECT_TRUE(xml.attributes().value("type").isEmpty()) << id << " is not finished";
                EXPECT_EQ(xml.readElementText(), StringTableText(table.id, id)) << id;
            }
        }
        EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
        const std::vector<int> all = AllIds();
        EXPECT_EQ(ids, std::set<int>(all.begin(), all.end()));
    }
}

TEST(LoadText, EnglishTextsStandAsShipped) {
    const std::map<int, QString> texts = {
        {101, "&About ZOV..."},
        {102, "Media player encountered a error."},
        {110, "Config"},
        {126, "Save KML file:%s Failed."},
        {132, "Folder is not exist."},
        {135, "No seletected files. Please select some files and try this operation again."},
        {141, "File \"%s\" is already exist. Are you sure to overwrite it?"},
        {145, "OK"},
        {1065, "Yandex Map"},
    };
    for (const auto& [id, text] : texts) EXPECT_EQ(LoadText(id, LanguageTable::kEnglishId), text) << id;
}

TEST(LoadText, ByLanguageWithFallBack) {
    struct Case {
        const char* code;
        int id;
        const char* text;
    } cases[] = {
        {"GER", 110, "Konfig"}, {"GER", 114, "Sprache wählen"}, {"POL", 110, "Konfiguracja"},
        {"CHS", 110, "配置"},   {"JPN", 110, "構成"},           {"FRA", 106, "Carte BaiDu"},
        {"ENG", 110, "Config"}, {"ESP", 108, "Cancelar"},       {"ITA", 108, "Annulla"},
        {"SLV", 108, "Zrušiť"}, {"CHT", 108, "取消"},           {"POR", 113, "Ficheiro"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LoadText(c.id, LanguageIdOf(c.code)), QString::fromUtf8(c.text)) << c.code;
    // Spanish and Italian have no table of their own identifier: the neutral ones hold their texts.
    EXPECT_TRUE(StringTableText(LanguageIdOf("ESP"), 108).isNull());
    EXPECT_TRUE(StringTableText(LanguageIdOf("ITA"), 108).isNull());
    // A language without a table, and an id without a text.
    EXPECT_EQ(LoadText(110, 0x0413), "Config");
    EXPECT_EQ(LoadText(146, LanguageIdOf("GER")), "");
    EXPECT_FALSE(LoadText(146, LanguageIdOf("GER")).isNull());
}

TEST(LoadText, FollowsTheCurrentLanguage) {
    AppSettings& settings = AppSettings::Instance();
    EXPECT_EQ(LoadText(110), "Config");
    settings.SetLanguageIndex(7);
    EXPECT_EQ(LoadText(110), "Konfig");
    EXPECT_EQ(LoadText(114), QString::fromUtf8("Sprache wählen"));
    EXPECT_EQ(fixtures::ReadFile(settings.IniPath()), "[UI]\nLANGID=GER\n");
    settings.SetLanguageIndex(12);
    EXPECT_EQ(LoadText(110), "Konfiguracja");
    settings.SetLanguageIndex(0);
    EXPECT_EQ(LoadText(110), "Config");
}

TEST(LoadText, SystemLanguageIgnoresTheChosenOne) {
    AppSettings::Instance().SetLanguageIndex(7);
    EXPECT_EQ(LoadSystemText(101, "fr_FR.UTF-8"), QString::fromUtf8("À &propos de ZOV..."));
    EXPECT_EQ(LoadSystemText(102, "zh_TW"), QString::fromUtf8("媒體播放器發生錯誤。"));
    EXPECT_EQ(LoadSystemText(103, "nl_NL"), "Windows sockets initialization failed.");
    EXPECT_EQ(LoadSystemText(101, "C"), "&About ZOV...");
    EXPECT_EQ(LoadSystemText(101), "&About ZOV...");  // tests run with LC_ALL=C.UTF-8
    AppSettings::Instance().SetLanguageIndex(0);
}
