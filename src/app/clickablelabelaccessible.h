#pragma once

#include <QAccessibleWidget>

class ClickableLabel;

// Presents a ClickableLabel to screen readers as what it is: a checkable
// button, named by its accessible name, that a press action clicks.
class ClickableLabelAccessible : public QAccessibleWidget
{
public:
    explicit ClickableLabelAccessible(ClickableLabel *label);

    // Registers the factory with Qt; only the first call does anything.
    static void install();

    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    ClickableLabel *label() const;
};
