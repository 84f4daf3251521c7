#include "core/config/portselection.h"

void selectSinglePort(EditorState &state, int port)
{
    if (port < 0 || port >= kMaxPorts)
        return;
    state.selection = {};
    state.selection.set(port, true);
    showPort(state, port);
    regate(state);
}

void clickPort(EditorState &state, int port)
{
    if (port < 0 || port >= state.config.portCount())
        return;
    if (!state.selection.contains(port) || state.selection.selectAllMode) {
        selectSinglePort(state, port);
        return;
    }
    deselectAllPorts(state);
}

void controlClickPort(EditorState &state, int port)
{
    if (port < 0 || port >= state.config.portCount())
        return;
    PortSelection &selection = state.selection;
    const int highest = selection.highest();
    const PortKind selectedKind = highest < 0 ? NoPort : state.kindOf(highest);
    if (selectedKind == NoPort || selectedKind == state.kindOf(port))
        selection.set(port, !selection.contains(port));

    const quint32 allTwistedPair = firstPorts(state.row().twistedPairCount());
    selection.selectAllMode = (selection.ports & allTwistedPair) == allTwistedPair;
    regate(state);
}

void selectAllPorts(EditorState &state)
{
    PortSelection &selection = state.selection;
    selection = {};
    selection.selectAllMode = true;
    const int twistedPair = state.row().twistedPairCount();
    for (int port = 0; port < twistedPair; ++port) {
        if (state.row().lacksPoE(port))
            continue; // Select All takes the PoE ports
        selection.set(port, true);
    }
    if (twistedPair > 0)
        showPort(state, twistedPair - 1);
    regate(state);
}

void deselectAllPorts(EditorState &state)
{
    state.selection = {};
    regate(state);
}
