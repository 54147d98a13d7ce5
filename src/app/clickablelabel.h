#pragma once

#include <QLabel>

// A label that acts as a button: a press followed by a release inside it,
// with any mouse button, is one click, and so are Space and Enter while it
// has the keyboard focus. It is one choice among several: the checked one
// is the current choice, framed, and announced by screen readers.
class ClickableLabel : public QLabel
{
    Q_OBJECT

public:
    ClickableLabel();

    bool isChecked() const { return checked; }
    void setChecked(bool value);
    // What a click, a key press or a screen reader's press action does.
    void click();

Q_SIGNALS:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool pressed = false;
    bool checked = false;
};
