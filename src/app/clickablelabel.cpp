#include "clickablelabel.h"

#include "clickablelabelaccessible.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

ClickableLabel::ClickableLabel() : QLabel(nullptr, Qt::WindowFlags())
{
    ClickableLabelAccessible::install();
    // Tab reaches it; a mouse click does not move the focus, so the mouse
    // user sees the image alone, as before.
    setFocusPolicy(Qt::TabFocus);
}

void ClickableLabel::setChecked(bool value)
{
    if (checked == value)
        return;
    checked = value;
    update();
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void ClickableLabel::click()
{
    if (isEnabled())
        Q_EMIT clicked();
}

void ClickableLabel::mousePressEvent(QMouseEvent *)
{
    pressed = true;
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (pressed && rect().contains(event->position().toPoint()))
        click();
    pressed = false;
}

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Select:
        if (!event->isAutoRepeat())
            click();
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}

void ClickableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus() && !checked)
        return;
    // The image fills the whole label, so the marks go over it, in the
    // highlight colour with a light line inside, seen on dark and light
    // parts of the image alike: a broad frame for the current choice, a
    // thin one for the keyboard's focus.
    QPainter painter(this);
    const qreal width = checked ? 4 : 2;
    painter.setPen(QPen(palette().color(QPalette::Highlight), width));
    painter.drawRect(QRectF(rect()).adjusted(width / 2, width / 2, -width / 2, -width / 2));
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawRect(QRectF(rect()).adjusted(width + 0.5, width + 0.5, -width - 0.5, -width - 0.5));
    if (checked && hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.drawRect(
            QRectF(rect()).adjusted(width + 2.5, width + 2.5, -width - 2.5, -width - 2.5));
    }
}
