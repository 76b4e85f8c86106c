#include "windowtestsupport.h"

#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QWidget>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace windowtest {

SettingsFolder::SettingsFolder() {
    folder_ = std::filesystem::temp_directory_path() /
              ("orvan-window-test-" + std::to_string(::getpid()) + "-" + std::to_string(std::rand()));
    std::filesystem::create_directories(folder_);
    settings_ = std::make_unique<AppSettings>(IniPath());
}

SettingsFolder::~SettingsFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

std::string SettingsFolder::ReadIni() const {
    std::ifstream in(IniPath());
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

MessageBoxAnswerer::MessageBoxAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) return;
        seen_.append(box->windowTitle() + QLatin1Char('|') + box->text());
        box->accept();
    });
    timer_.start(20);
}

DialogAnswerer::DialogAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen_.append(box->windowTitle() + QLatin1Char('|') + box->text());
            QMessageBox::StandardButton answer = QMessageBox::Ok;
            if (!answers_.empty()) {
                answer = answers_.front();
                answers_.pop_front();
            }
            if (QAbstractButton* button = box->button(answer)) {
                button->click();
            } else {
                box->accept();
            }
            return;
        }
        ++dialogs_;
        if (handler_) {
            handler_(modal);
        } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
            dialog->reject();
        }
    });
    timer_.start(20);
}

namespace {

void Send(QWidget* window, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    const QPointF local(at);
    QMouseEvent event(type, local, window->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(window, &event);
}

}  // namespace

void Press(QWidget* window, QPoint at) {
    Send(window, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
}

void MoveTo(QWidget* window, QPoint at, bool leftDown) {
    Send(window, QEvent::MouseMove, at, Qt::NoButton, leftDown ? Qt::LeftButton : Qt::NoButton);
}

void Release(QWidget* window, QPoint at) {
    Send(window, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void DoubleClick(QWidget* window, QPoint at) {
    Send(window, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
}

std::string MakeSampleCard(const std::string& tool, const std::string& dir) {
    const std::string command = "flock " + dir + ".lock " + tool + " " + dir + " >/dev/null 2>&1";
    return std::system(command.c_str()) == 0 ? dir : std::string();
}

bool HasDisplay() {
    const char* display = std::getenv("DISPLAY");
    return display != nullptr && *display != '\0';
}

}  // namespace windowtest
