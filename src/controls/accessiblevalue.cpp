#include "controls/accessiblevalue.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

// A plain widget's accessible object with the instrument's reading as its value.
class ValueWidgetAccessible : public QAccessibleWidget {
  public:
    ValueWidgetAccessible(QWidget* widget, const AccessibleValueSource* source)
        : QAccessibleWidget(widget, QAccessible::Indicator), source_(source) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) return source_->AccessibleValue();
        return QAccessibleWidget::text(t);
    }

  private:
    const AccessibleValueSource* source_;
};

QAccessibleInterface* Factory(const QString&, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    const auto* source = dynamic_cast<const AccessibleValueSource*>(object);
    if (widget == nullptr || source == nullptr) return nullptr;
    return new ValueWidgetAccessible(widget, source);
}

}  // namespace

void AccessibleValueSource::InstallAccessibleValueFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(Factory);
        return true;
    }();
    Q_UNUSED(installed);
}

void AccessibleValueSource::ValueChanged(QWidget* widget, const QString& value) {
    if (!QAccessible::isActive()) return;
    QAccessibleValueChangeEvent event(widget, value);
    QAccessible::updateAccessibility(&event);
}
