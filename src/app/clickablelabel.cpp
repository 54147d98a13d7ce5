#include "clickablelabel.h"

#include <QMouseEvent>

ClickableLabel::ClickableLabel() : QLabel(nullptr, Qt::WindowFlags()) {}

void ClickableLabel::mousePressEvent(QMouseEvent *)
{
    pressed = true;
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (pressed && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
    pressed = false;
}
