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
    if (!hasFocus())
        return;
    // The image fills the whole label, so the frame goes over it: the
    // highlight colour with a light line inside, seen on dark and light
    // parts of the image alike.
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    painter.setPen(palette().color(QPalette::HighlightedText));
    painter.drawRect(rect().adjusted(2, 2, -3, -3));
}
