#include "controls/zoctooltipctrl.h"

#include <QEvent>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QPainter>
#include <algorithm>

#include "app/loadtext.h"
#include "controls/pictures.h"

namespace {
constexpr int kCheckMarkIcon = 161;
constexpr int kIconSize = 32;
constexpr int kPadding = 7;
constexpr int kGap = 8;
constexpr int kShownMs = 8000;
}  // namespace

CZocToolTipCtrl::CZocToolTipCtrl(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    QFont tipFont(QStringLiteral("Arial"));
    tipFont.setPixelSize(13);
    setFont(tipFont);
    hideTimer_.setSingleShot(true);
    connect(&hideTimer_, &QTimer::timeout, this, &CZocToolTipCtrl::HideTip);
    if (parent != nullptr) CreateTips(parent, 0, true);
}

bool CZocToolTipCtrl::CreateTips(QWidget* parent, int, bool activate) {
    if (window_ != nullptr) window_->removeEventFilter(this);
    window_ = parent;
    // The window hears of language changes first; the tips refill from it.
    if (window_ != nullptr) window_->installEventFilter(this);
    Activate(activate);
    return true;
}

void CZocToolTipCtrl::Activate(bool active) {
    active_ = active;
    if (!active) HideTip();
}

void CZocToolTipCtrl::Fill(std::span<const Tool> tools) {
    table_.clear();
    for (const Tool& tool : tools) table_.push_back({tool.widget, tool.controlId, tool.stringId});
    Refill();
}

void CZocToolTipCtrl::Refill() {
    HideTip();
    RemoveAllTools();
    ClearEntries();
    for (const Remembered& tool : table_) {
        // A tool destroyed since the table was given is left out.
        if (tool.widget == nullptr) continue;
        AddTool(tool.widget, LoadText(tool.stringId), tool.controlId);
        AddEntry(tool.controlId, 0, kCheckMarkIcon);
    }
}

void CZocToolTipCtrl::AddTool(QWidget* tool, const QString& label, int controlId) {
    if (tool == nullptr) return;
    DelTool(tool);
    tools_.push_back({tool, label, controlId});
    tool->setToolTip(label);
    tool->installEventFilter(this);
}

void CZocToolTipCtrl::DelTool(QWidget* tool) {
    auto same = [tool](const Registered& r) { return r.widget == tool; };
    if (std::none_of(tools_.begin(), tools_.end(), same)) return;
    tool->removeEventFilter(this);
    std::erase_if(tools_, same);
}

void CZocToolTipCtrl::RemoveAllTools() {
    for (const Registered& r : tools_)
        if (r.widget != nullptr) r.widget->removeEventFilter(this);
    tools_.clear();
}

void CZocToolTipCtrl::AddEntry(int controlId, int descriptionId, int iconId) {
    entries_.push_back({controlId, descriptionId, iconId});
}

void CZocToolTipCtrl::ClearEntries() {
    entries_.clear();
}

bool CZocToolTipCtrl::ShowTip(QWidget* tool, QPoint globalPos) {
    const auto registered =
        std::find_if(tools_.begin(), tools_.end(), [tool](const Registered& r) { return r.widget == tool; });
    if (!active_ || registered == tools_.end() || registered->label.isEmpty()) return false;
    const auto entry = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const Entry& e) { return e.controlId == registered->controlId; });
    label_ = registered->label;
    description_ =
        entry != entries_.end() && entry->descriptionId != 0 ? LoadText(entry->descriptionId) : QString();
    iconId_ = entry != entries_.end() ? entry->iconId : 0;
    showingId_ = registered->controlId;
    showing_ = true;
    resize(LayoutSize());
    move(globalPos + QPoint(2, 20));
    show();
    update();
    hideTimer_.start(kShownMs);
    return true;
}

void CZocToolTipCtrl::HideTip() {
    showing_ = false;
    hideTimer_.stop();
    hide();
}

bool CZocToolTipCtrl::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_) {
        // Only its language matters here; the window's own tooltips (of widgets that are not tools) stay
        // Qt's.
        if (event->type() == QEvent::LanguageChange && !table_.empty()) Refill();
        return false;
    }
    switch (event->type()) {
        case QEvent::ToolTip: {
            auto* help = static_cast<QHelpEvent*>(event);
            if (!ShowTip(qobject_cast<QWidget*>(watched), help->globalPos())) HideTip();
            return true;  // never Qt's own plain tooltip
        }
        case QEvent::Leave:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::Hide:
            HideTip();
            break;
        default:
            break;
    }
    return false;
}

void CZocToolTipCtrl::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange && !table_.empty()) Refill();
    QWidget::changeEvent(event);
}

QSize CZocToolTipCtrl::LayoutSize() const {
    const QFontMetrics metrics(font());
    int textWidth = metrics.horizontalAdvance(label_);
    if (!description_.isEmpty()) textWidth = std::max(textWidth, metrics.horizontalAdvance(description_));
    const int textHeight = metrics.height() * (description_.isEmpty() ? 1 : 2);
    const int iconWidth = iconId_ != 0 ? kIconSize + kGap : 0;
    return QSize(kPadding * 2 + iconWidth + textWidth, kPadding * 2 + std::max(kIconSize, textHeight));
}

void CZocToolTipCtrl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(61, 70, 81));
    painter.setBrush(QColor(22, 26, 31, 245));
    painter.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    int x = kPadding;
    if (iconId_ != 0) {
        const QImage icon = RenderPicture(iconId_, QSize(kIconSize, kIconSize), devicePixelRatioF());
        painter.drawImage(QRect(x, (height() - kIconSize) / 2, kIconSize, kIconSize), icon);
        x += kIconSize + kGap;
    }
    const QRect text(x, kPadding, width() - x - kPadding, height() - 2 * kPadding);
    painter.setPen(QColor(232, 238, 245));
    if (description_.isEmpty()) {
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, label_);
        return;
    }
    const QFontMetrics metrics(font());
    QFont bold = font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(text.adjusted(0, 0, 0, -metrics.height()), Qt::AlignLeft | Qt::AlignBottom, label_);
    painter.setFont(font());
    painter.setPen(QColor(160, 170, 182));
    painter.drawText(text.adjusted(0, metrics.height(), 0, 0), Qt::AlignLeft | Qt::AlignTop, description_);
}
