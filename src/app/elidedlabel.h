#pragma once

#include <QLabel>

// A line of the status bar that is drawn cut short with an ellipsis where
// it must be, while its text stays whole for whoever reads it otherwise;
// a click on it asks for the whole.
class ElidedLabel : public QLabel
{
    Q_OBJECT

public:
    ElidedLabel();

    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};
