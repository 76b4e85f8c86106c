#pragma once

#include <QColor>
#include <QWidget>

#include "controls/accessiblevalue.h"

// The copy progress bar: a tiled blue pattern filling from the left, the percentage in the middle, a raised
// edge. Hidden until a copy starts. It paints at once when told (the copy runs inside a loop that does not
// return to the event loop until it is done).
class CStatusBoardStatic : public QWidget, public AccessibleValueSource {
    Q_OBJECT

  public:
    explicit CStatusBoardStatic(QWidget* parent = nullptr);

    // Shows the board at percent (values above 100 wrap in the bar; the text shows them as given) and paints
    // it at once.
    void SetProgress(int percent);
    // The picture tiled over the filled part; 0 fills it with a plain colour.
    void SetPatternBitmap(int id);

    int Percent() const { return percent_; }
    QString PercentText() const { return percentText_; }
    int PatternId() const { return patternId_; }
    QString AccessibleValue() const override { return percentText_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int percent_ = 0;
    QString percentText_;
    QColor backColour_{5, 5, 5};
    // The skin's light text: readable over the dark unfilled part and over the blue bar alike.
    QColor textColour_{200, 210, 222};
    QColor fillColour_{5, 5, 5};
    int patternId_ = 0;
};
