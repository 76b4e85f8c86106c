#include "app/zocconfigdlg.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

#include "app/appsettings.h"
#include "app/dialogunits.h"
#include "app/loadtext.h"
#include "mainwindow/zovmessages.h"

namespace {

constexpr int kCaptionText = 110;
constexpr int kOkText = 107;
constexpr int kCancelText = 108;
constexpr int kApplyText = 109;
constexpr int kMapGroupText = 115;
constexpr int kLanguageGroupText = 114;
// Provider 0, 1, 2 in list order.
constexpr int kProviderTexts[] = {105, 106, 1065};

template <class Control>
Control* NewControl(int id, QWidget* parent) {
    auto* control = new Control(parent);
    control->setObjectName(QString::number(id));
    return control;
}

// The entry the edit field shows, or -1 when its text is typed and matches no entry. An editable combo keeps
// its current index while the user types, so the index alone does not tell.
int Selection(const QComboBox& combo) {
    const QString shown = combo.currentText();
    if (combo.currentIndex() >= 0 && combo.itemText(combo.currentIndex()) == shown)
        return combo.currentIndex();
    return combo.findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

QComboBox* NewListCombo(int id, int width, QWidget* parent) {
    auto* combo = NewControl<QComboBox>(id, parent);
    combo->setEditable(true);
    // Typed text stays what was typed: no completion, and Return does not add it to the list.
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMinimumWidth(width);
    return combo;
}

}  // namespace

CZocConfigDlg::CZocConfigDlg(AppSettings& settings, QObject* owner, QWidget* parent)
    : QDialog(parent), settings_(settings), owner_(owner) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    // Created in template order, which is also the tab order.
    mapGroup_ = NewControl<QGroupBox>(1040, this);
    maps_ = NewListCombo(1038, DuX(74), mapGroup_);
    mapApply_ = NewControl<QPushButton>(1039, mapGroup_);
    languageGroup_ = NewControl<QGroupBox>(1041, this);
    languages_ = NewListCombo(1042, DuX(66), languageGroup_);
    languageApply_ = NewControl<QPushButton>(1043, languageGroup_);
    ok_ = NewControl<QPushButton>(1, this);
    cancel_ = NewControl<QPushButton>(2, this);

    for (QPushButton* button : {mapApply_, languageApply_, ok_, cancel_})
        button->setMinimumSize(DuX(50), DuY(14));
    ok_->setDefault(true);
    connect(mapApply_, &QPushButton::clicked, this, &CZocConfigDlg::ApplyMap);
    connect(languageApply_, &QPushButton::clicked, this, &CZocConfigDlg::ApplyLanguage);
    connect(ok_, &QPushButton::clicked, this, &CZocConfigDlg::accept);
    connect(cancel_, &QPushButton::clicked, this, &CZocConfigDlg::reject);

    for (auto [group, combo, apply] :
         {std::tuple{mapGroup_, maps_, mapApply_}, std::tuple{languageGroup_, languages_, languageApply_}}) {
        group->setMinimumSize(DuX(101), DuY(83));
        auto* column = new QVBoxLayout(group);
        column->addSpacing(DuY(6));
        column->addWidget(combo);
        column->addStretch(1);
        column->addWidget(apply, 0, Qt::AlignHCenter);
        column->addSpacing(DuY(6));
    }
    auto* groups = new QHBoxLayout;
    groups->addWidget(mapGroup_);
    groups->addSpacing(DuX(4));
    groups->addWidget(languageGroup_);
    groups->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(groups, 1);
    layout->addLayout(buttons);

    // The language names are each language's own and never change; the provider names are loaded once, in
    // the language of the moment, and stay so when the dialog is re-texted.
    for (int row = 0; row < AppSettings::GetLanguageCount(); ++row)
        languages_->addItem(QString::fromStdString(AppSettings::GetLanguageName(row)));
    maps_->clear();
    for (const int id : kProviderTexts) maps_->addItem(Text(id));
    languages_->setCurrentIndex(settings_.GetLanguageIndex());
    Retext();
    SelectMapProvider(settings_.ReadMapProvider());

    resize(sizeHint().expandedTo(QSize(DuX(357), DuY(116))));
}

void CZocConfigDlg::accept() {
    ApplyMap();
    const int language = Selection(*languages_);
    settings_.SetLanguageIndex(language);
    Retext();
    SelectMapProvider(settings_.ReadMapProvider());
    if (owner_)
        QCoreApplication::postEvent(owner_, new ZovMessageEvent(ZovMessage::LanguageChanged, language));
    QDialog::accept();
}

QString CZocConfigDlg::Text(int id) const {
    // The dialog's own settings decide the language, so a language applied here shows at once.
    return LoadText(id, settings_.GetLanguageId());
}

void CZocConfigDlg::ApplyMap() {
    const int selection = Selection(*maps_);
    chosenMapProvider_ = selection >= 0 ? selection : 0;
    settings_.WriteMapProvider(chosenMapProvider_);
    if (owner_)
        QCoreApplication::postEvent(owner_,
                                    new ZovMessageEvent(ZovMessage::MapProviderChanged, chosenMapProvider_));
}

void CZocConfigDlg::ApplyLanguage() {
    const int language = Selection(*languages_);
    settings_.SetLanguageIndex(language);
    // Putting the noted entry back also empties a map edit field that held typed text.
    const int map = Selection(*maps_);
    Retext();
    maps_->setCurrentIndex(map);
    if (owner_)
        QCoreApplication::postEvent(owner_, new ZovMessageEvent(ZovMessage::LanguageChanged, language));
}

void CZocConfigDlg::Retext() {
    setWindowTitle(Text(kCaptionText));
    ok_->setText(Text(kOkText));
    cancel_->setText(Text(kCancelText));
    mapApply_->setText(Text(kApplyText));
    languageApply_->setText(Text(kApplyText));
    mapGroup_->setTitle(Text(kMapGroupText));
    languageGroup_->setTitle(Text(kLanguageGroupText));

    for (QPushButton* button : {ok_, cancel_, mapApply_, languageApply_})
        button->setAccessibleName(button->text());
    mapGroup_->setAccessibleName(mapGroup_->title());
    languageGroup_->setAccessibleName(languageGroup_->title());
    // Two buttons are called Apply; their descriptions say which choice each applies.
    maps_->setAccessibleName(mapGroup_->title());
    mapApply_->setAccessibleDescription(mapGroup_->title());
    languages_->setAccessibleName(languageGroup_->title());
    languageApply_->setAccessibleDescription(languageGroup_->title());
}

void CZocConfigDlg::SelectMapProvider(int provider) {
    maps_->setCurrentIndex(provider >= 0 && provider < maps_->count() ? provider : 0);
}
