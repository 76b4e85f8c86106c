#pragma once

#include <QString>

class QWidget;

// Instruments whose reading a screen reader should hear: the widget derives from this as well, and its
// accessible object reports AccessibleValue() as its value. Call ValueChanged after the reading changed.
class AccessibleValueSource {
  public:
    virtual ~AccessibleValueSource() = default;
    virtual QString AccessibleValue() const = 0;

  protected:
    // Registers the accessible object for the widget's class (once per process).
    static void InstallAccessibleValueFactory();
    // Tells assistive tools about the new value.
    static void ValueChanged(QWidget* widget, const QString& value);
};
