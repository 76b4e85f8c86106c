#pragma once

#include <QDialog>

// The About box: the application's icon, its name and version, and OK.
class CAboutDlg : public QDialog {
    Q_OBJECT
  public:
    explicit CAboutDlg(QWidget* parent = nullptr);

    static constexpr const char* kVersionText = "Orvan Player, Version 3.1.3";
};
