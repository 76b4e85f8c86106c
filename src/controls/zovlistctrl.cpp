#include "controls/zovlistctrl.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>
#include <ctime>

#include "app/loadtext.h"
#include "controls/pictures.h"

namespace {

constexpr int kIconSize = 24;

constexpr int kLockIconsId = 158;  // four 24 x 24 icons side by side: none, G, M, G and M

// Index 0 is an empty picture rather than no icon, so every first cell keeps the same indent.
QIcon LockIcon(int index) {
    QIcon icon;
    for (const qreal dpr : {1.0, 2.0}) {
        const QImage strip = RenderPicture(kLockIconsId, QSize(4 * kIconSize, kIconSize), dpr);
        if (strip.isNull()) return {};
        const int side = qRound(kIconSize * dpr);
        QImage cell = strip.copy(index * side, 0, side, side);
        cell.setDevicePixelRatio(dpr);
        icon.addPixmap(QPixmap::fromImage(cell));
    }
    return icon;
}

// The skin's check boxes: the style fills them with the base colour, which on the dark table would hide an
// empty box completely; a lighter fill and frame keep it visible.
class CheckBoxDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

  protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        if (option->features & QStyleOptionViewItem::HasCheckIndicator) {
            option->palette.setColor(QPalette::Base, QColor(58, 66, 77));
            option->palette.setColor(QPalette::Window, QColor(150, 160, 172));
        }
    }
};

}  // namespace

CZovListCtrl::CZovListCtrl(std::vector<int> titleIds, int widthNumerator, int widthDenominator,
                           QWidget* parent)
    : QTableWidget(parent),
      titleIds_(std::move(titleIds)),
      widthNumerator_(widthNumerator),
      widthDenominator_(widthDenominator),
      lockIcons_{LockIcon(0), LockIcon(1), LockIcon(2), LockIcon(3)} {
    // The skin's dark colours; the blue of the highlight is the accent of the pictures.
    QPalette dark = palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Base, QColor(18, 21, 25));
        dark.setColor(group, QPalette::AlternateBase, QColor(24, 28, 33));
        dark.setColor(group, QPalette::Window, QColor(18, 21, 25));
        dark.setColor(group, QPalette::Button, QColor(44, 51, 60));
        dark.setColor(group, QPalette::ButtonText, QColor(200, 210, 222));
        dark.setColor(group, QPalette::WindowText, QColor(200, 210, 222));
        dark.setColor(group, QPalette::Text, QColor(200, 210, 222));
        dark.setColor(group, QPalette::Highlight, QColor(58, 74, 96));
        dark.setColor(group, QPalette::HighlightedText, Qt::white);
    }
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(110, 118, 128));
    setPalette(dark);
    setItemDelegate(new CheckBoxDelegate(this));
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    setGridStyle(Qt::SolidLine);
}

void CZovListCtrl::InitList() {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(true);
    setWordWrap(false);
    setSortingEnabled(false);
    setIconSize(QSize(kIconSize, kIconSize));
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kIconSize + 2);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);

    setColumnCount(static_cast<int>(titleIds_.size()));
    RelabelColumns();
    const int columnWidth = width() * widthNumerator_ / widthDenominator_;
    for (int c = 0; c < columnCount(); ++c) setColumnWidth(c, columnWidth);
}

void CZovListCtrl::RelabelColumns() {
    for (int c = 0; c < columnCount() && c < static_cast<int>(titleIds_.size()); ++c) {
        QTableWidgetItem* header = horizontalHeaderItem(c);
        if (header == nullptr) {
            header = new QTableWidgetItem;
            header->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            setHorizontalHeaderItem(c, header);
        }
        header->setText(LoadText(titleIds_[static_cast<std::size_t>(c)]));
    }
}

int CZovListCtrl::AppendRow(const QStringList& texts, std::uint8_t flags) {
    const int row = rowCount();
    insertRow(row);
    if (rowCount() != row + 1) return -1;
    for (int c = 0; c < columnCount(); ++c) {
        auto* item = new QTableWidgetItem(texts.value(c));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        setItem(row, c, item);
    }
    item(row, 0)->setIcon(lockIcons_[flags & 3]);
    return row;
}

void CZovListCtrl::RemoveAllRows() {
    setRowCount(0);
}

void CZovListCtrl::SetRowDropHilited(int row, bool on) {
    if (row < 0 || row >= rowCount()) return;
    // The row being played, in the skin's accent blue: brighter than a row the user merely selected.
    for (int c = 0; c < columnCount(); ++c) {
        QTableWidgetItem* cell = item(row, c);
        if (cell == nullptr) continue;
        cell->setData(Qt::BackgroundRole, on ? QVariant(QBrush(kPlayingRowColour)) : QVariant());
        cell->setData(Qt::ForegroundRole, on ? QVariant(QBrush(Qt::white)) : QVariant());
    }
}

void CZovListCtrl::ScrollRowIntoView(int row) {
    if (row < 0 || row >= rowCount()) return;
    scrollToItem(item(row, 0), QAbstractItemView::EnsureVisible);
}

void CZovListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit rowDoubleClicked(rowAt(event->position().toPoint().y()));
    QTableWidget::mouseDoubleClickEvent(event);
}

void CZovListCtrl::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && currentRow() >= 0) {
        emit rowDoubleClicked(currentRow());
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

namespace listtext {

QString LocalTime(TimeValue time, const char* format) {
    const auto t = static_cast<std::time_t>(time);
    std::tm tm{};
    if (static_cast<TimeValue>(t) != time || localtime_r(&t, &tm) == nullptr) return {};
    char buf[64];
    const std::size_t n = std::strftime(buf, sizeof(buf), format, &tm);
    return QString::fromLocal8Bit(buf, static_cast<qsizetype>(n));
}

QString MiB(std::uint64_t bytes) {
    return QStringLiteral(" %1 MB").arg(static_cast<qulonglong>(bytes / 1048576));
}

}  // namespace listtext
