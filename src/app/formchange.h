#pragma once

#include "settings.h"

#include <QUndoCommand>

class FormView;

// One step of the form that can be taken back: an edit of a control, with
// every value the rules moved with it, or a whole record put into the form.
// Consecutive edits of one control are one step.
class FormChange : public QUndoCommand
{
public:
    // `field` is the control's, or -1 for a whole record; the form already
    // shows `after`.
    FormChange(FormView &view, const Settings &before, const Settings &after, int field);

    void undo() override;
    void redo() override;
    int id() const override { return field; }
    bool mergeWith(const QUndoCommand *other) override;

private:
    FormView &view;
    Settings before;
    Settings after;
    int field;
    bool shown = true;
};
