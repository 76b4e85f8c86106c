// The window modes applied: maximised, the preset sizes, minimised and the full-pane mode, with the
// controls shown and hidden around the panes. The geometry comes from windowmodes.

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

#include "controls/gdipbutton.h"
#include "controls/gsensorctrl.h"
#include "controls/videostatic.h"
#include "controls/videostaticbg.h"
#include "mainwindow/controltable.h"
#include "mainwindow/zovdlg.h"
#include "map/htmlmapdlg.h"

LayoutRect CZovDlg::MonitorRect() const {
    const QScreen* nearest = QGuiApplication::screenAt(frameGeometry().center());
    if (nearest == nullptr) nearest = screen();
    const QRect r = nearest ? nearest->geometry() : QRect(0, 0, 800, 560);
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

LayoutRect CZovDlg::WindowRect() const {
    const QRect r = frameGeometry();
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

void CZovDlg::MoveWindow(const LayoutRect& rect) {
    setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
}

void CZovDlg::ToggleMaximize() {
    MoveWindow(modes_.ToggleMaximize(WindowRect(), MonitorRect()));
    show();
    raise();
    if (map_ && mapShown_) {
        map_->hide();
        map_->show();
    }
}

void CZovDlg::SetSizePreset(SizePreset preset) {
    MoveWindow(modes_.Preset(preset, MonitorRect()));
}

void CZovDlg::MinimizeWindow() {
    showMinimized();
    modes_.Minimize();
}

void CZovDlg::ShowMainControls(bool show) {
    if (graph_) graph_->setVisible(graphShown_ && show);
    for (int id : kMainControls) {
        if (QWidget* control = Control(id)) control->setVisible(show);
    }
    if (QWidget* board = Control(ControlId::kStatusBoard)) board->hide();
    if (map_) {
        if (show && mapShown_) {
            map_->show();
        } else {
            // Parked rather than hidden: a hidden browser stops drawing and repaints late when shown.
            map_->setGeometry(0, 0, 1, 1);
        }
    }
    QWidget* otherPane = nullptr;
    CVideoStaticBg* otherBackground = nullptr;
    if (modes_.FullPaneId() == 1) {
        otherPane = rearPane_;
        otherBackground = rearBackground_;
    } else if (modes_.FullPaneId() == 2) {
        otherPane = frontPane_;
        otherBackground = frontBackground_;
    }
    if (otherPane) otherPane->setVisible(show);
    if (otherBackground) otherBackground->setVisible(show);
}

void CZovDlg::ToggleFullPane() {
    // A channel that is not paused is paused for the change and played afterwards (so a stopped one
    // starts).
    const bool frontNotPaused = !front_.IsPaused();
    const bool rearNotPaused = !rear_.IsPaused();

    const QPoint cursor = QCursor::pos();
    if (frontPane_ && frontPane_->rect().contains(frontPane_->mapFromGlobal(cursor))) {
        modes_.SetFullPaneId(1);
    } else if (rearPane_ && rearPane_->rect().contains(rearPane_->mapFromGlobal(cursor))) {
        modes_.SetFullPaneId(2);
    }
    if (catalogue_.GetCount() == 0) return;

    if (frontNotPaused) front_.Pause();
    if (rearNotPaused) rear_.Pause();

    QWidget* fullPane = modes_.FullPaneId() == 2 ? rearPane_ : frontPane_;
    if (modes_.IsFullPane()) {
        const LayoutRect saved = modes_.LeaveFullPane();
        ShowMainControls(true);
        MoveWindow(saved);
        show();
        raise();
        // Each pane shows again what its background says: the logo with the video hidden, or the video.
        const std::pair<CVideoStaticBg*, CVideoStatic*> pairs[] = {{frontBackground_, frontPane_},
                                                                   {rearBackground_, rearPane_}};
        for (const auto& [background, pane] : pairs) {
            const bool logo = background->GetBgImage() == 1;
            background->SetBgImage(logo ? 1 : 0);
            pane->setVisible(!logo);
        }
    } else {
        const LayoutRect target = modes_.EnterFullPane(WindowRect(), MonitorRect());
        ShowMainControls(false);
        MoveWindow(target);
        show();
        raise();
        if (playButton_) playButton_->setFocus();
        // No synthetic key press is needed here to wake the video output after the resize.
        QWidget* otherPane = fullPane == frontPane_ ? rearPane_ : frontPane_;
        if (otherPane) otherPane->hide();
        if (fullPane) fullPane->update();
    }

    if (frontNotPaused) front_.Play();
    if (rearNotPaused) rear_.Play();
}
