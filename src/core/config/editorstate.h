#pragma once

#include "core/catalogue/productcatalogue.h"
#include "core/config/documentidentity.h"
#include "core/config/panelgating.h"
#include "core/config/switchconfig.h"

#include <QString>

// Which ports the panel edits. In select-all mode the panel's changes reach
// fixed ranges of ports rather than just the selected ones.
struct PortSelection
{
    quint32 ports = 0; // bit i: port index i is selected
    bool selectAllMode = false;

    bool contains(int port) const { return port >= 0 && port < kMaxPorts && (ports >> port) & 1u; }
    bool isEmpty() const { return ports == 0; }
    void set(int port, bool selected);
    // The selected port with the highest index, -1 when none is.
    int highest() const;
};

// The bits of ports 1..count (indexes 0..count-1).
constexpr quint32 firstPorts(int count)
{
    return count <= 0 ? 0 : count >= 32 ? ~0u : (1u << count) - 1;
}

// What the port panel shows: the values of the port last shown, changed by
// the user's edits since, and the classes text with its typing history.
struct PanelState
{
    int shownPort = 0;
    PortConfig values;
    QString classesText; // as the field shows it
    QString lastAcceptedClasses; // what the typing rules fall back to
};

// Everything the editor holds: the configuration, the texts kept beside it,
// the document it belongs to, the selection and what the panel shows. The
// widgets only draw it.
struct EditorState
{
    DocumentIdentity document;
    SwitchConfig config; // its model is the one being edited
    QString serialNumber; // the digits typed after the article number
    // Set by a load that rejected lines; counts the lines read.
    bool loadHadErrors = false;
    int lineCounter = 0;

    PortSelection selection;
    PanelState panel;
    PanelGating gating;

    const ProductRecord &row() const { return config.model(); }
    PortKind kindOf(int port) const { return portKindOf(row(), port); }
};

// Switches to catalogue row `index`: the model's identity, the defaults,
// empty texts, nothing selected and port 1 in the panel.
void selectModel(EditorState &state, int index);
// "New": the defaults of the current model, empty texts, nothing selected.
void resetConfiguration(EditorState &state);
// After the record has been filled from a file: nothing selected, port 1
// shown, the serial number restarted.
void configurationLoaded(EditorState &state);

void setSerialNumber(EditorState &state, const QString &digits);
// The serial number as the window shows it: article number, "-", the digits.
QString serialPrefix(const EditorState &state);
// Nothing selected and port 1 in the panel, as after a load.
void clearSelectionAndShowFirstPort(EditorState &state);
// Whether two states hold the same document: its identity, the model, the
// record and the typed serial number. The selection and the panel do not
// count.
bool sameDocument(const EditorState &a, const EditorState &b);

// Fills the panel from one port. Never writes the record.
void showPort(EditorState &state, int port);
// Recomputes which panel widgets are editable: from the kind of the selected
// ports and the values the panel shows.
void regate(EditorState &state);
// The gating a single port would have if it were shown alone, as the port
// table needs it for each row.
PanelGating gatingForPort(const EditorState &state, int port);
