#pragma once

#include <QDialog>

class AppSettings;
class QComboBox;
class QGroupBox;
class QObject;
class QPushButton;

// The Conf command's dialog: the map provider and the user-interface language, each with its own Apply that
// stores the choice and tells the owner at once (MapProviderChanged, LanguageChanged, both posted). OK
// applies both; Cancel undoes nothing an Apply did. Controls carry their template ids as object names.
class CZocConfigDlg : public QDialog {
    Q_OBJECT

  public:
    // owner receives the posted messages; it need not be a widget and may be null.
    CZocConfigDlg(AppSettings& settings, QObject* owner, QWidget* parent = nullptr);

    // The provider the last Map Apply (or OK) stored; read by the owner after OK.
    int ChosenMapProvider() const { return chosenMapProvider_; }

    void accept() override;

  private:
    QString Text(int id) const;
    void ApplyMap();
    void ApplyLanguage();
    void Retext();
    void SelectMapProvider(int provider);

    AppSettings& settings_;
    QObject* owner_ = nullptr;
    QGroupBox* mapGroup_ = nullptr;
    QComboBox* maps_ = nullptr;
    QPushButton* mapApply_ = nullptr;
    QGroupBox* languageGroup_ = nullptr;
    QComboBox* languages_ = nullptr;
    QPushButton* languageApply_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    int chosenMapProvider_ = 0;
};
