#include "formchange.h"

#include "formview.h"

FormChange::FormChange(FormView &view, const Settings &before, const Settings &after, int field)
    : view(view), before(before), after(after), field(field)
{
}

void FormChange::undo()
{
    view.show(before);
}

void FormChange::redo()
{
    // Pushed once the form shows it already.
    if (std::exchange(shown, false))
        return;
    view.show(after);
}

bool FormChange::mergeWith(const QUndoCommand *other)
{
    after = static_cast<const FormChange *>(other)->after;
    // Edited back to where it began: no step at all.
    setObsolete(after == before);
    return true;
}
