#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "app/appsettings.h"
#include "app/inifile.h"
#include "app/loadtext.h"
#include "app/zocconfigdlg.h"
#include "bytes.h"
#include "dialogtestsupport.h"
#include "mainwindow/zovmessages.h"
#include "tempdir.h"

namespace {

using Message = std::pair<ZovMessage, std::intptr_t>;

// Stands in for the main window: keeps every private message posted to it.
class Owner : public QObject {
  public:
    std::vector<Message> Received() {
        QCoreApplication::sendPostedEvents(this);
        return received_;
    }

  protected:
    bool event(QEvent* event) override {
        if (!ZovMessageEvent::IsZovMessage(event)) return QObject::event(event);
        const auto* message = static_cast<ZovMessageEvent*>(event);
        received_.emplace_back(message->message(), message->wParam());
        return true;
    }

  private:
    std::vector<Message> received_;
};

QStringList Texts(int languageId, std::initializer_list<int> ids) {
    QStringList texts;
    for (const int id : ids) texts << LoadText(id, languageId);
    return texts;
}

// Caption, group boxes 1040 and 1041, both Apply buttons, OK, Cancel.
QStringList ShownTexts(CZocConfigDlg& dialog) {
    return {dialog.windowTitle(),
            Find<QGroupBox>(dialog, 1040).title(),
            Find<QGroupBox>(dialog, 1041).title(),
            Find<QPushButton>(dialog, 1039).text(),
            Find<QPushButton>(dialog, 1043).text(),
            Find<QPushButton>(dialog, 1).text(),
            Find<QPushButton>(dialog, 2).text()};
}
QStringList ExpectedTexts(int languageId) {
    return Texts(languageId, {110, 115, 114, 109, 109, 107, 108});
}

constexpr int kFrench = 0x040C;
constexpr int kJapanese = 0x0411;

class ZocConfigDlgTest : public ::testing::Test {
  protected:
    std::string Ini() const { return dir_ / "Zov.ini"; }
    void Store(const std::string& text) const { fixtures::WriteFile(Ini(), text); }
    std::optional<std::string> Stored(std::string_view key) const { return IniFile(Ini()).Read("UI", key); }

    TempDir dir_;
    Owner owner_;
};

TEST_F(ZocConfigDlgTest, OpensOnTheStoredProviderAndLanguage) {
    Store("[UI]\nMAP=1\nLANGID=FRA\n");
    AppSettings settings(Ini());
    CZocConfigDlg dialog(settings, &owner_);

    const QComboBox& maps = Find<QComboBox>(dialog, 1038);
    const QComboBox& languages = Find<QComboBox>(dialog, 1042);
    EXPECT_EQ(Items(maps), Texts(kFrench, {105, 106, 1065}));
    EXPECT_EQ(maps.currentText(), LoadText(106, kFrench));
    EXPECT_NE(maps.currentText(), QStringLiteral("BaiDu Map"));
    EXPECT_EQ(languages.currentText(), QStringLiteral("français"));
    QStringList names;
    for (int row = 0; row < AppSettings::GetLanguageCount(); ++row)
        names << QString::fromStdString(AppSettings::GetLanguageName(row));
    EXPECT_EQ(Items(languages), names);
    EXPECT_EQ(ShownTexts(dialog), ExpectedTexts(kFrench));
    EXPECT_TRUE(maps.isEditable());
    EXPECT_TRUE(languages.isEditable());
    EXPECT_TRUE(Find<QPushButton>(dialog, 1).isDefault());
    EXPECT_EQ(maps.accessibleName(), LoadText(115, kFrench));
    EXPECT_EQ(languages.accessibleName(), LoadText(114, kFrench));
    EXPECT_TRUE(owner_.Received().empty());
}

TEST_F(ZocConfigDlgTest, LanguageApplyRetextsAtOnceAndKeepsTheProviderNames) {
    Store("[UI]\nMAP=1\nLANGID=FRA\n");
    AppSettings settings(Ini());
    CZocConfigDlg dialog(settings, &owner_);
    QComboBox& languages = Find<QComboBox>(dialog, 1042);
    const int japanese = languages.findText(QStringLiteral("日本語"));
    ASSERT_GE(japanese, 0);
    languages.setCurrentIndex(japanese);
    Find<QPushButton>(dialog, 1043).click();

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("構成"));
    EXPECT_EQ(ShownTexts(dialog), ExpectedTexts(kJapanese));
    const QComboBox& maps = Find<QComboBox>(dialog, 1038);
    EXPECT_EQ(Items(maps), Texts(kFrench, {105, 106, 1065}));
    EXPECT_EQ(maps.currentIndex(), 1);
    EXPECT_EQ(maps.accessibleName(), LoadText(115, kJapanese));
    EXPECT_EQ(Find<QPushButton>(dialog, 1043).accessibleName(), LoadText(109, kJapanese));
    EXPECT_EQ(Stored("LANGID"), "JPN");
    EXPECT_EQ(owner_.Received(), (std::vector<Message>{{ZovMessage::LanguageChanged, japanese}}));
}

TEST_F(ZocConfigDlgTest, CancelKeepsOnlyWhatApplyStored) {
    struct Case {
        const char* what;
        bool applyFirst;
        std::string storedMap;
        std::vector<Message> messages;
    } cases[] = {
        {"Yandex chosen, not applied", false, "1", {}},
        {"Yandex applied", true, "2", {{ZovMessage::MapProviderChanged, 2}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Store("[UI]\nMAP=1\nLANGID=FRA\n");
        AppSettings settings(Ini());
        Owner owner;
        CZocConfigDlg dialog(settings, &owner);
        Find<QComboBox>(dialog, 1038).setCurrentIndex(2);
        if (c.applyFirst) Find<QPushButton>(dialog, 1039).click();
        Find<QPushButton>(dialog, 2).click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(Stored("MAP"), c.storedMap);
        EXPECT_EQ(Stored("LANGID"), "FRA");
        EXPECT_EQ(owner.Received(), c.messages);
    }
}

TEST_F(ZocConfigDlgTest, OkWithoutChangesStoresAndAnnouncesBoth) {
    AppSettings settings(Ini());  // no settings file yet: Google, English
    CZocConfigDlg dialog(settings, &owner_);
    Find<QPushButton>(dialog, 1).click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.ChosenMapProvider(), 0);
    EXPECT_EQ(Stored("MAP"), "0");
    EXPECT_EQ(Stored("LANGID"), "ENG");
    EXPECT_EQ(owner_.Received(),
              (std::vector<Message>{{ZovMessage::MapProviderChanged, 0}, {ZovMessage::LanguageChanged, 0}}));
}

TEST_F(ZocConfigDlgTest, OkAppliesTheChosenProviderAndLanguage) {
    Store("[UI]\nMAP=0\nLANGID=ENG\n");
    AppSettings settings(Ini());
    CZocConfigDlg dialog(settings, &owner_);
    Find<QComboBox>(dialog, 1038).setCurrentIndex(1);
    QComboBox& languages = Find<QComboBox>(dialog, 1042);
    const int french = languages.findText(QStringLiteral("français"));
    languages.setCurrentIndex(french);
    Find<QPushButton>(dialog, 1).click();
    EXPECT_EQ(dialog.ChosenMapProvider(), 1);
    EXPECT_EQ(Stored("MAP"), "1");
    EXPECT_EQ(Stored("LANGID"), "FRA");
    EXPECT_EQ(settings.GetLanguageIndex(), french);
    EXPECT_EQ(ShownTexts(dialog), ExpectedTexts(kFrench));
    EXPECT_EQ(owner_.Received(), (std::vector<Message>{{ZovMessage::MapProviderChanged, 1},
                                                       {ZovMessage::LanguageChanged, french}}));
}

TEST_F(ZocConfigDlgTest, TypedTextSelectsOnlyAnEntryItSpellsOut) {
    struct Case {
        QString typed;
        int provider;
    } cases[] = {
        {"OpenStreetMap", 0}, {"", 0}, {"Yandex", 0},  // a part of an entry is not the entry
        {"yandex map", 0},                             // nor is another spelling
        {"Yandex Map", 2},                             // the whole entry is
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        Store("[UI]\nMAP=1\n");
        AppSettings settings(Ini());
        Owner owner;
        CZocConfigDlg dialog(settings, &owner);
        QComboBox& maps = Find<QComboBox>(dialog, 1038);
        maps.lineEdit()->setText(c.typed);
        Find<QPushButton>(dialog, 1039).click();
        EXPECT_EQ(dialog.ChosenMapProvider(), c.provider);
        EXPECT_EQ(Stored("MAP"), std::to_string(c.provider));
        EXPECT_EQ(owner.Received(), (std::vector<Message>{{ZovMessage::MapProviderChanged, c.provider}}));
    }
}

TEST_F(ZocConfigDlgTest, TypedLanguageChangesNothingButIsAnnounced) {
    Store("[UI]\nLANGID=GER\n");
    AppSettings settings(Ini());
    CZocConfigDlg dialog(settings, &owner_);
    const QStringList before = ShownTexts(dialog);
    Find<QComboBox>(dialog, 1042).lineEdit()->setText(QStringLiteral("Klingon"));
    Find<QPushButton>(dialog, 1043).click();
    EXPECT_EQ(ShownTexts(dialog), before);
    EXPECT_EQ(Stored("LANGID"), "GER");
    EXPECT_EQ(owner_.Received(), (std::vector<Message>{{ZovMessage::LanguageChanged, -1}}));
}

}  // namespace
