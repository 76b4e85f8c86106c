#pragma once

#include <QAbstractButton>
#include <QPixmap>
#include <array>

#include "controls/pictures.h"

// A push button drawn from pictures: a standard and optionally an alternate picture (state 0 and 1), each
// with a normal, a pressed (one pixel right and down) and a hot (brighter) rendering, and a grey rendering of
// the standard picture for state 2 and for a disabled button. The renderings are made once per size and
// device pixel ratio, so hovering and pressing only copy a pixmap; transparent edges blend with whatever the
// parent paints behind the button.
//
// Its accessible name follows its tooltip (the tooltip control sets both in the current language).
class CGdipButton : public QAbstractButton {
    Q_OBJECT

  public:
    explicit CGdipButton(QWidget* parent = nullptr);

    bool LoadStdImage(int id);
    // Also marks the button as having an alternate picture, even when the load fails.
    bool LoadAltImage(int id);
    // Each click flips the state between 0 and 1; ignored without an alternate picture.
    void EnableToggle(bool toggle);
    // 0 standard picture, 1 alternate picture, 2 grey standard picture (hover ignored). Repaints.
    void SetImageState(int state);
    int ImageState() const { return state_; }
    bool IsAltState() const { return state_ == 1; }
    bool IsToggle() const { return isToggle_; }
    bool IsHover() const { return hover_; }

    // The seven renderings, in the order they are made.
    enum Rendering { StdNormal, StdPressed, StdHot, StdDisabled, AltNormal, AltPressed, AltHot, kRenderings };
    // The rendering the next paint shows, from the state, hover, the pressed state and whether it is enabled.
    Rendering CurrentRendering() const;
    // One rendering at the current size and device pixel ratio (made if missing); null without its picture.
    QPixmap RenderingPixmap(Rendering which);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void DropRenderings();
    void MakeRenderings();

    bool hasAltImage_ = false;
    bool disabled_ = false;
    bool isToggle_ = false;
    bool hover_ = false;
    int state_ = 0;
    bool keyboardFocus_ = false;
    CGdiPlusBitmapResource altImage_;
    CGdiPlusBitmapResource stdImage_;
    std::array<QPixmap, kRenderings> renderings_;
    QSize renderedSize_;
    qreal renderedDpr_ = 0;
};
