#include <unistd.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "app/appsettings.h"
#include "bytes.h"
#include "tempdir.h"

using fixtures::ReadFile;
using fixtures::WriteFile;

namespace {

constexpr int kScreenW = 1920, kScreenH = 1040;

class Settings : public ::testing::Test {
  protected:
    std::string Ini() const { return dir_ / "Zov.ini"; }
    void Store(const std::string& text) const { WriteFile(Ini(), text); }
    AppSettings Make() const { return AppSettings(Ini()); }
    TempDir dir_;
};

}  // namespace

TEST_F(Settings, NoFileGivesEveryDefaultAndCreatesNothing) {
    AppSettings s = Make();
    EXPECT_EQ(s.GetLanguageIndex(), 0);
    EXPECT_EQ(s.GetLanguageId(), 0x0409);
    EXPECT_EQ(s.ReadMapProvider(), 0);
    EXPECT_EQ(s.ReadMapEnabled(), 1);
    EXPECT_EQ(s.ReadGSensorEnabled(), 1);
    EXPECT_EQ(s.ReadLastFolder(), "");
    EXPECT_EQ(s.ReadWindowRect(kScreenW, kScreenH), (WindowRect{0, 0, 800, 560}));
    EXPECT_EQ(s.ReadWindowRect(640, 480), (WindowRect{0, 0, 640, 480}));
    EXPECT_FALSE(std::filesystem::exists(Ini()));
}

TEST_F(Settings, WindowRectIsBroughtBackOnScreen) {
    struct Case {
        const char* winpos;
        WindowRect expected;
    } cases[] = {
        {"LEFT=100\nTOP=50\nRIGHT=500\nBOTTOM=300", {100, 50, 900, 610}},
        {"LEFT=-500\nTOP=-20\nRIGHT=1500\nBOTTOM=1000", {0, 0, 1920, 1020}},
        {"LEFT=1800\nTOP=900\nRIGHT=2600\nBOTTOM=1460", {1120, 480, 1920, 1040}},
        {"LEFT=10\nTOP=20\nRIGHT=1210\nBOTTOM=820", {10, 20, 1210, 820}},
        {"LEFT=3000\nTOP=0", {1120, 0, 1920, 560}},  // a second monitor; RIGHT and BOTTOM by default
        {"LEFT=-2147483648\nTOP=-2147483648\nRIGHT=2147483647\nBOTTOM=2147483647", {0, 0, 1920, 1040}},
        {"LEFT=500\nTOP=500\nRIGHT=100\nBOTTOM=100", {500, 480, 1300, 1040}},  // inverted: minimum size
        {"LEFT=junk\nTOP=\nRIGHT=x\nBOTTOM=-", {0, 0, 800, 560}},
    };
    for (const Case& c : cases) {
        Store(std::string("[WINPOS]\n") + c.winpos + "\n");
        EXPECT_EQ(Make().ReadWindowRect(kScreenW, kScreenH), c.expected) << c.winpos;
    }
}

TEST_F(Settings, WindowRectRoundTrip) {
    AppSettings s = Make();
    ASSERT_TRUE(s.WriteWindowRect({-8, 10, 1200, 900}));
    EXPECT_EQ(ReadFile(Ini()), "[WINPOS]\nLEFT=-8\nTOP=10\nRIGHT=1200\nBOTTOM=900\n");
    EXPECT_EQ(s.ReadWindowRect(kScreenW, kScreenH), (WindowRect{0, 10, 1208, 900}));
}

TEST_F(Settings, MapProviderAndFlags) {
    struct Case {
        const char* value;
        int provider, flag;
    } cases[] = {
        {"7", 2, 1}, {"-3", 0, 1},  {"1", 1, 1}, {"2", 2, 1},
        {"0", 0, 0}, {"abc", 0, 0}, {"", 0, 1},  {"1x", 1, 1},
    };
    for (const Case& c : cases) {
        Store(std::string("[UI]\nMAP=") + c.value + "\nMAP_ENABLE=" + c.value + "\nGSNR_ENABLE=" + c.value +
              "\n");
        AppSettings s = Make();
        EXPECT_EQ(s.ReadMapProvider(), c.provider) << c.value;
        EXPECT_EQ(s.LastMapProvider(), c.provider);
        EXPECT_EQ(s.ReadMapEnabled(), c.flag) << c.value;
        EXPECT_EQ(s.ReadGSensorEnabled(), c.flag) << c.value;
    }
    std::filesystem::remove(Ini());
    AppSettings s = Make();
    s.WriteMapProvider(5);  // stored as given; clamped when read
    s.WriteMapEnabled(7);
    s.WriteGSensorEnabled(0);
    EXPECT_EQ(ReadFile(Ini()), "[UI]\nMAP=5\nMAP_ENABLE=1\nGSNR_ENABLE=0\n");
    EXPECT_EQ(s.LastMapProvider(), 5);
    EXPECT_EQ(s.ReadMapProvider(), 2);
}

TEST_F(Settings, StoredLanguage) {
    struct Case {
        std::string langid;
        int row;
    } cases[] = {
        {"GER", 7},  {"eng", 0}, {"ger", 0},    {"SLV", 14},  {"ESP", 3},
        {"UKR", 15}, {"", 0},    {"GERMAN", 0}, {" GER ", 7}, {"GER" + std::string(61, 'x'), 0},
    };
    for (const Case& c : cases) {
        Store("[ui]\nlangid=" + c.langid + "\n");
        const AppSettings s = Make();
        EXPECT_EQ(s.GetLanguageIndex(), c.row) << c.langid;
        EXPECT_EQ(ReadFile(Ini()), "[ui]\nlangid=" + c.langid + "\n") << "reading writes nothing back";
    }
    Store("[UI]\nLANGID=SLV\n");
    EXPECT_EQ(Make().GetLanguageId(), 0x041B);
}

TEST_F(Settings, SetLanguageIndex) {
    AppSettings s = Make();
    s.SetLanguageIndex(16);
    s.SetLanguageIndex(-1);
    EXPECT_EQ(s.GetLanguageIndex(), 0);
    EXPECT_FALSE(std::filesystem::exists(Ini()));

    s.SetLanguageIndex(7);
    EXPECT_EQ(s.GetLanguageIndex(), 7);
    EXPECT_EQ(s.GetLanguageId(), 0x0407);
    EXPECT_EQ(ReadFile(Ini()), "[UI]\nLANGID=GER\n");
    EXPECT_EQ(Make().GetLanguageIndex(), 7);

    EXPECT_EQ(AppSettings::GetLanguageCount(), 16);
    EXPECT_EQ(AppSettings::GetLanguageName(12), "Polski");
    EXPECT_EQ(AppSettings::GetLanguageName(16), "");
}

TEST_F(Settings, LastFolder) {
    const std::string card = dir_ / "card";
    std::filesystem::create_directory(card);
    AppSettings s = Make();
    ASSERT_TRUE(s.WriteLastFolder(card));
    EXPECT_EQ(s.ReadLastFolder(), card);
    std::filesystem::remove(card);  // the memory card is taken out
    EXPECT_EQ(s.ReadLastFolder(), "");

    s.WriteLastFolder(dir_ / "never-there");
    EXPECT_EQ(IniFile(Ini()).Read("UI", "Folder"), "");

    // A folder name with a line break cannot be kept on one line and must not inject keys.
    const std::string odd = dir_ / "x\n[UI]\nMAP=2";
    std::filesystem::create_directories(odd);
    s.WriteLastFolder(odd);
    EXPECT_EQ(IniFile(Ini()).Read("UI", "Folder"), "");
    EXPECT_EQ(s.ReadMapProvider(), 0);

    const std::string spaced = dir_ / " padded ";
    std::filesystem::create_directory(spaced);
    s.WriteLastFolder(spaced);
    EXPECT_EQ(s.ReadLastFolder(), spaced);
}

TEST_F(Settings, WritesKeepForeignLines) {
    const std::string foreign =
        "; Zov settings, edited by hand\n"
        "[UI]\n"
        "LANGID=GER\n"
        "Theme = dark\n"
        "\n"
        "[Plugins]\n"
        "; keep me\n"
        "gpx=on\n";
    Store(foreign);
    AppSettings s = Make();
    s.SetLanguageIndex(12);
    s.WriteMapProvider(1);
    s.WriteWindowRect({1, 2, 803, 564});
    EXPECT_EQ(ReadFile(Ini()),
              "; Zov settings, edited by hand\n"
              "[UI]\n"
              "LANGID=POL\n"
              "Theme = dark\n"
              "MAP=1\n"
              "\n"
              "[Plugins]\n"
              "; keep me\n"
              "gpx=on\n"
              "\n"
              "[WINPOS]\n"
              "LEFT=1\n"
              "TOP=2\n"
              "RIGHT=803\n"
              "BOTTOM=564\n");
}

TEST_F(Settings, KmlFolder) {
    const std::string docs = dir_ / "home/me/Documents";
    EXPECT_EQ(AppSettings::GetKmlFolder(docs), docs + "/ZOV/KML/");
    EXPECT_TRUE(std::filesystem::is_directory(docs + "/ZOV/KML"));
    EXPECT_EQ(AppSettings::GetKmlFolder(docs + "/"), docs + "/ZOV/KML/");  // exists already
    EXPECT_FALSE(AppSettings::GetKmlFolder(""));
    WriteFile(dir_ / "file", "x");
    EXPECT_FALSE(AppSettings::GetKmlFolder(dir_ / "file"));
    std::filesystem::create_directories(dir_ / "d/ZOV");
    WriteFile(dir_ / "d/ZOV/KML", "x");
    EXPECT_FALSE(AppSettings::GetKmlFolder(dir_ / "d"));
}

TEST(SettingsInstance, FileInTheWorkingFolderOfFirstUse) {
    TempDir work, other;
    const std::filesystem::path before = std::filesystem::current_path();
    std::filesystem::current_path(work.Path());
    AppSettings& s = AppSettings::Instance();
    std::filesystem::current_path(other.Path());
    EXPECT_EQ(&AppSettings::Instance(), &s);
    EXPECT_EQ(s.IniPath(), work / "Zov.ini");
    s.WriteMapEnabled(0);
    EXPECT_TRUE(std::filesystem::exists(work / "Zov.ini"));
    EXPECT_FALSE(std::filesystem::exists(other / "Zov.ini"));
    std::filesystem::current_path(before);
}
