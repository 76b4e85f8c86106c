#include "controls/gdipbutton.h"

#include <QEnterEvent>
#include <QFocusEvent>
#include <QPainter>

#include "controls/colormatrix.h"

CGdipButton::CGdipButton(QWidget* parent) : QAbstractButton(parent) {
    // Connected first, so every later receiver of clicked() already sees the new state.
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (isToggle_ && !disabled_) {
            state_ = state_ == 0 ? 1 : 0;
            update();
        }
    });
}

bool CGdipButton::LoadStdImage(int id) {
    const bool loaded = stdImage_.Load(id);
    DropRenderings();
    update();
    return loaded;
}

bool CGdipButton::LoadAltImage(int id) {
    hasAltImage_ = true;
    const bool loaded = altImage_.Load(id);
    DropRenderings();
    update();
    return loaded;
}

void CGdipButton::EnableToggle(bool toggle) {
    if (!hasAltImage_) return;
    isToggle_ = toggle;
    update();
}

void CGdipButton::SetImageState(int state) {
    state_ = state;
    disabled_ = state == 2;
    update();
}

CGdipButton::Rendering CGdipButton::CurrentRendering() const {
    if (disabled_ || !isEnabled()) return StdDisabled;
    const bool alt = state_ != 0;
    if (isDown()) return alt ? AltPressed : StdPressed;
    if (hover_) return alt ? AltHot : StdHot;
    return alt ? AltNormal : StdNormal;
}

void CGdipButton::DropRenderings() {
    renderings_ = {};
    renderedSize_ = {};
    renderedDpr_ = 0;
}

void CGdipButton::MakeRenderings() {
    const qreal dpr = devicePixelRatioF();
    if (renderedSize_ == size() && renderedDpr_ == dpr) return;
    renderings_ = {};
    renderedSize_ = size();
    renderedDpr_ = dpr;
    auto make = [this, dpr](const CGdiPlusBitmapResource& picture, Rendering normal, Rendering pressed,
                            Rendering hot) {
        const QImage image = picture.Render(size(), dpr);
        if (image.isNull()) return image;
        QImage shifted(image.size(), QImage::Format_ARGB32_Premultiplied);
        shifted.setDevicePixelRatio(dpr);
        shifted.fill(Qt::transparent);
        QPainter(&shifted).drawImage(QPointF(1, 1), image);
        renderings_[normal] = QPixmap::fromImage(image);
        renderings_[pressed] = QPixmap::fromImage(shifted);
        renderings_[hot] = QPixmap::fromImage(BrightImage(image));
        return image;
    };
    const QImage standard = make(stdImage_, StdNormal, StdPressed, StdHot);
    if (!standard.isNull()) renderings_[StdDisabled] = QPixmap::fromImage(GreyImage(standard));
    if (hasAltImage_) make(altImage_, AltNormal, AltPressed, AltHot);
}

QPixmap CGdipButton::RenderingPixmap(Rendering which) {
    if (which < 0 || which >= kRenderings) return {};
    MakeRenderings();
    return renderings_[which];
}

QSize CGdipButton::sizeHint() const {
    const QSize picture = stdImage_.Size();
    return picture.isEmpty() ? QSize(32, 32) : picture;
}

void CGdipButton::paintEvent(QPaintEvent*) {
    // Nothing without a standard picture: a picture that failed to load leaves the button blank.
    if (stdImage_.IsEmpty()) return;
    const QPixmap pixmap = RenderingPixmap(CurrentRendering());
    QPainter painter(this);
    if (!pixmap.isNull()) painter.drawPixmap(0, 0, pixmap);
    if (keyboardFocus_ && hasFocus()) {
        // Only for keyboard users: a thin ring in the skin's blue, drawn over the cached picture.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(92, 196, 255, 200), 1.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(0.75, 0.75, -0.75, -0.75), 4, 4);
    }
}

void CGdipButton::enterEvent(QEnterEvent* event) {
    hover_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void CGdipButton::leaveEvent(QEvent* event) {
    hover_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void CGdipButton::focusInEvent(QFocusEvent* event) {
    keyboardFocus_ = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    QAbstractButton::focusInEvent(event);
}

void CGdipButton::focusOutEvent(QFocusEvent* event) {
    keyboardFocus_ = false;
    QAbstractButton::focusOutEvent(event);
}

bool CGdipButton::event(QEvent* event) {
    if (event->type() == QEvent::ToolTipChange) setAccessibleName(toolTip());
    return QAbstractButton::event(event);
}
