#pragma once

#include "core/config/editorstate.h"

// How the user chooses the ports the panel edits: clicks on the port labels,
// a row of the port table, "Select All" and "Deselect All". The selection
// stays homogeneous: Ctrl-click only adds ports of the kind already
// selected, so that one gating fits every selected port. None of these
// writes the record.

// A plain click: an unselected port becomes the only selected port and is
// shown; a click on a selected port clears the selection, or, in select-all
// mode, narrows it to that port.
void clickPort(EditorState &state, int port);
// A click with Ctrl: adds or removes one port of the selected kind; the
// panel keeps showing what it showed. Completing the twisted-pair ports
// turns select-all mode on.
void controlClickPort(EditorState &state, int port);
// Selects every twisted-pair port (but port 1 of the model whose port 1 has
// no PoE) in select-all mode and shows the last one.
void selectAllPorts(EditorState &state);
void deselectAllPorts(EditorState &state);
// A click on a row of the port table, and the start of a table edit: the
// row becomes the only selected port and is shown.
void selectSinglePort(EditorState &state, int port);
