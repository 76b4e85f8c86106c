// Every connection the hub makes, grouped by direction. Playback and the command handlers add theirs
// through AddCommand and AddMessageHandler.

#include "controls/gdipbutton.h"
#include "mainwindow/controltable.h"
#include "mainwindow/zovdlg.h"

void CZovDlg::WireControls() {
    using namespace ControlId;

    // buttons -> commands: a click runs the handler registered for the button's id.
    for (const ButtonSetup& setup : kButtonSetups) {
        auto* button = ControlAs<CGdipButton>(setup.id);
        const int id = setup.id;
        connect(button, &QAbstractButton::clicked, this, [this, id] { RunCommand(id); });
    }

    WireWindowCommands();

    // video panes and their backgrounds -> window modes (sent on a double click)
    AddMessageHandler(ZovMessage::ToggleFullPane, [this](const ZovMessageEvent&) { ToggleFullPane(); });
    AddMessageHandler(ZovMessage::ShowControls, [this](const ZovMessageEvent&) { ShowMainControls(true); });
    AddMessageHandler(ZovMessage::Reserved, [](const ZovMessageEvent&) {});
}

void CZovDlg::WireWindowCommands() {
    using namespace ControlId;
    // window buttons -> window modes
    AddCommand(kMaximize, [this] { ToggleMaximize(); });
    AddCommand(kMinimize, [this] { MinimizeWindow(); });
    AddCommand(kSizeS, [this] { SetSizePreset(SizePreset::Small); });
    AddCommand(kSizeM, [this] { SetSizePreset(SizePreset::Medium); });
    AddCommand(kSizeL, [this] { SetSizePreset(SizePreset::Large); });
    // The close button asks for the close the way the desktop does, through the queue.
    AddCommand(kClose, [this] { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); });
}
