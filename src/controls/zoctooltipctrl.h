#pragma once

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <span>
#include <vector>

// The main window's tooltips: a dark tip with the tool's label, an optional description line and a 32 x 32
// icon. Each tool is a widget with a control id; an entry per control id names the description string and the
// icon picture. A tool's label is also set as its QWidget tooltip, which is what picture buttons take their
// accessible name from.
//
// Fill() registers a table of tools by string id and keeps it: on a language change the tips are filled
// again, so labels (and with them the buttons' accessible names) follow the language.
class CZocToolTipCtrl : public QWidget {
    Q_OBJECT

  public:
    struct Tool {
        QWidget* widget = nullptr;
        int controlId = 0;
        int stringId = 0;
    };

    explicit CZocToolTipCtrl(QWidget* parent = nullptr);

    // Attaches the tips to the window whose tools they describe. style is unused (the skin has one look).
    bool CreateTips(QWidget* parent, int style, bool activate);
    void Activate(bool active);

    // Removes every tool and entry, then adds each row's widget with its text in the current language and an
    // entry (control id, no description, check-mark icon 161). Remembered for language changes.
    void Fill(std::span<const Tool> tools);

    void AddTool(QWidget* tool, const QString& label, int controlId);
    void DelTool(QWidget* tool);
    void RemoveAllTools();
    void AddEntry(int controlId, int descriptionId, int iconId);
    void ClearEntries();

    // Shows the tip of a tool near a global position, as hovering does; false when it has none to show.
    bool ShowTip(QWidget* tool, QPoint globalPos);
    void HideTip();
    int ShowingControlId() const { return showing_ ? showingId_ : 0; }
    QString Label() const { return label_; }
    QString Description() const { return description_; }
    int IconId() const { return iconId_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    struct Registered {
        QPointer<QWidget> widget;
        QString label;
        int controlId = 0;
    };
    struct Entry {
        int controlId = 0;
        int descriptionId = 0;
        int iconId = 0;
    };

    void Refill();
    QSize LayoutSize() const;

    std::vector<Registered> tools_;
    std::vector<Entry> entries_;
    struct Remembered {
        QPointer<QWidget> widget;
        int controlId = 0;
        int stringId = 0;
    };
    std::vector<Remembered> table_;
    QPointer<QWidget> window_;
    bool active_ = true;
    bool showing_ = false;
    int showingId_ = 0;
    QString label_;
    QString description_;
    int iconId_ = 0;
    QTimer hideTimer_;
};
