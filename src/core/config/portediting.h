#pragma once

#include "core/config/editorstate.h"

// The port panel's edits as rules on the editor state. A change of one
// panel widget is written into every target port (the selected ports, or
// fixed ranges in select-all mode) with the rules one parameter imposes on
// another; a widget that is not editable writes nothing. Each edit returns
// the ports whose record changed, so the views refresh exactly those.
using PortSet = quint32; // bit i: port index i

// A combo box or spin box of the panel changed: `column` names the
// parameter (PortColumn), `value` is the value to store (the file encoding,
// see storedFromPanelIndex). The trust mode and the classes have their own
// edits below.
PortSet editPort(EditorState &state, int column, int value);

// The trust mode is one setting of the whole switch, kept in every port.
PortSet editTrustMode(EditorState &state, int mode);

// The allowed PoE classes were typed: the text is normalised by the typing
// rules (digits become a comma-separated list of distinct classes) and the
// list stored. Returns the text the field must show.
struct ClassesEditResult
{
    QString shownText;
    PortSet changed = 0;
};
ClassesEditResult editClasses(EditorState &state, const QString &typed);

// An edit in the port table: the row becomes the only selected port, then
// the value goes through the panel's rules for that port alone. `text` is
// the cell text the table's editor chose (a combo-box item, a number, or
// the classes). Returns false when the panel does not allow the parameter
// for that port.
bool editTableCell(EditorState &state, int row, int column, const QString &text,
                   PortSet *changed = nullptr);

// The ports a change of `column` reaches in the current selection.
PortSet targetPorts(const EditorState &state, int column);
