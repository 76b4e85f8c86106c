#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>

// The dialog's control of a template id (its object name); throws when there is none.
template <class Control>
Control& Find(QWidget& dialog, int id) {
    auto* control = dialog.findChild<Control*>(QString::number(id));
    if (control == nullptr) throw std::runtime_error("no control " + std::to_string(id));
    return *control;
}

inline QStringList Items(const QComboBox& combo) {
    QStringList items;
    for (int i = 0; i < combo.count(); ++i) items << combo.itemText(i);
    return items;
}

// Readable failure messages.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

// Fills in the next Qt file dialog that becomes the active modal widget (one opened by a click the test
// makes after creating this), as a user would. A dialog that is still open two seconds after `fill` ran is
// rejected with a test failure, so a dialog that refuses the input cannot hang the test run.
class FileDialogDriver {
  public:
    explicit FileDialogDriver(std::function<void(QFileDialog&)> fill) : fill_(std::move(fill)) {
        timer_ = std::make_unique<QTimer>();
        timer_->setInterval(10);
        QObject::connect(timer_.get(), &QTimer::timeout, [this] { Poll(); });
        timer_->start();
    }

    bool Ran() const { return ran_; }
    // What the dialog was like when it opened.
    const QString& Title() const { return title_; }
    const QString& ObjectName() const { return objectName_; }
    const QString& Directory() const { return directory_; }
    QFileDialog::FileMode Mode() const { return mode_; }
    QFileDialog::Options Options() const { return options_; }

    // Chooses path as a user would who types it into the name field and presses Open (or Choose).
    // selectFile() will not do: it leaves the field alone once the field has the focus, which the dialog
    // gives it at some point after it opened.
    static void Choose(QFileDialog& dialog, const QString& path) {
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr) << "Qt's file dialog has no name field";
        name->setText(path);
        // QFileDialog keeps accept() protected; through QDialog it is the same check its button makes.
        static_cast<QDialog&>(dialog).accept();
    }

  private:
    void Poll() {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) return;
        timer_->stop();
        ran_ = true;
        title_ = dialog->windowTitle();
        objectName_ = dialog->objectName();
        directory_ = dialog->directory().absolutePath();
        mode_ = dialog->fileMode();
        options_ = dialog->options();
        fill_(*dialog);
        QTimer::singleShot(2000, dialog, [open = QPointer<QFileDialog>(dialog)] {
            if (open && open->isVisible()) {
                ADD_FAILURE() << "the file dialog stayed open";
                open->reject();
            }
        });
    }

    std::function<void(QFileDialog&)> fill_;
    std::unique_ptr<QTimer> timer_;
    bool ran_ = false;
    QString title_, objectName_, directory_;
    QFileDialog::FileMode mode_ = QFileDialog::AnyFile;
    QFileDialog::Options options_;
};
