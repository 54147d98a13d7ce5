#include "clickablelabelaccessible.h"

#include "clickablelabel.h"

namespace
{
QAccessibleInterface *accessibleFor(const QString &className, QObject *object)
{
    if (className == QLatin1String("ClickableLabel") && object && object->isWidgetType())
        return new ClickableLabelAccessible(static_cast<ClickableLabel *>(object));
    return nullptr;
}
} // namespace

ClickableLabelAccessible::ClickableLabelAccessible(ClickableLabel *label)
    : QAccessibleWidget(label, QAccessible::Button)
{
}

void ClickableLabelAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleFor);
        return true;
    }();
    Q_UNUSED(installed);
}

ClickableLabel *ClickableLabelAccessible::label() const
{
    return static_cast<ClickableLabel *>(widget());
}

QAccessible::State ClickableLabelAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = label()->isChecked();
    return state;
}

QStringList ClickableLabelAccessible::actionNames() const
{
    return QStringList(pressAction()) + QAccessibleWidget::actionNames();
}

void ClickableLabelAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction())
        label()->click();
    else
        QAccessibleWidget::doAction(actionName);
}
