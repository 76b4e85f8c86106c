#include "mainwindow/aboutdlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/loadtext.h"

namespace {
constexpr int kCaptionText = 101;  // "&About ZOV...", shown with its ampersand
constexpr int kIconSize = 32;
}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(LoadText(kCaptionText));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("aboutIcon"));
    const QIcon appIcon = parent ? parent->windowIcon() : QApplication::windowIcon();
    icon->setPixmap(appIcon.pixmap(kIconSize, kIconSize));
    icon->setFixedSize(kIconSize, kIconSize);
    icon->setAccessibleName(QApplication::applicationName());

    auto* text = new QLabel(QString::fromLatin1(kVersionText), this);
    text->setObjectName(QStringLiteral("aboutText"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));

    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addSpacing(12);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
