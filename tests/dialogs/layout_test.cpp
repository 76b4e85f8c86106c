#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QStyle>
#include <memory>
#include <string>
#include <vector>

#include "app/appsettings.h"
#include "app/zocconfigdlg.h"
#include "dialogtestsupport.h"
#include "library/mediaopendialog.h"
#include "tempdir.h"

namespace {

// Every labelled control at least as large as its text asks for: the desktop's fonts are wider than the ones
// the dialog templates were drawn for, and some languages' texts are much longer than the English ones.
void ExpectNothingClipped(QDialog& dialog) {
    dialog.show();
    QApplication::processEvents();
    for (QWidget* control : dialog.findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractButton*>(control) == nullptr &&
            qobject_cast<QComboBox*>(control) == nullptr && qobject_cast<QGroupBox*>(control) == nullptr)
            continue;
        QSize wanted = qobject_cast<QGroupBox*>(control) ? control->minimumSizeHint() : control->sizeHint();
        // A push button's hint has a minimum width for looks; its text needs only the style's margins.
        if (auto* button = qobject_cast<QPushButton*>(control))
            wanted.setWidth(button->fontMetrics().horizontalAdvance(button->text()) +
                            button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button));
        EXPECT_GE(control->width(), wanted.width()) << control->objectName().toStdString();
        EXPECT_GE(control->height(), wanted.height()) << control->objectName().toStdString();
        const QRect inDialog(control->mapTo(&dialog, QPoint(0, 0)), control->size());
        EXPECT_TRUE(dialog.rect().contains(inDialog)) << control->objectName().toStdString();
    }
}

TEST(DialogLayoutTest, EveryTextFitsInEveryLanguage) {
    TempDir dir;
    const std::vector<CMediaOpenDialog::Volume> volumes = {{"/media/driver/3138-6231", "NO NAME", "vfat"}};
    for (int row = 0; row < AppSettings::GetLanguageCount(); ++row) {
        SCOPED_TRACE(AppSettings::GetLanguageName(row));
        AppSettings settings(dir / "Zov.ini");
        settings.SetLanguageIndex(row);
        CMediaOpenDialog media(settings, [&] { return volumes; });
        ExpectNothingClipped(media);
        CZocConfigDlg config(settings, nullptr);
        ExpectNothingClipped(config);
    }
}

}  // namespace
