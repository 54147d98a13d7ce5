#pragma once

#include <QLabel>

// A label that acts as a button: a press followed by a release inside it,
// with any mouse button, is one click.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    ClickableLabel();

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    bool pressed = false;
};
