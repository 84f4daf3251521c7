#include "core/config/editorstate.h"

#include "core/config/poeclasses.h"

void PortSelection::set(int port, bool selected)
{
    if (port < 0 || port >= kMaxPorts)
        return;
    if (selected)
        ports |= 1u << port;
    else
        ports &= ~(1u << port);
}

int PortSelection::highest() const
{
    for (int port = kMaxPorts - 1; port >= 0; --port) {
        if (contains(port))
            return port;
    }
    return -1;
}

void clearSelectionAndShowFirstPort(EditorState &state)
{
    state.selection = {};
    showPort(state, 0);
    regate(state);
}

bool sameDocument(const EditorState &a, const EditorState &b)
{
    return a.serialNumber == b.serialNumber && a.config == b.config &&
        sameIdentity(a.document, b.document);
}

namespace {

GatingInput gatingInput(PortKind kind, PortKind shownKind, const PortConfig &values,
                        bool allFiveClasses)
{
    GatingInput in;
    in.kind = kind;
    in.shownKind = shownKind;
    in.autoNeg = values.autoNeg;
    in.autoCrossing = values.autoCrossing;
    in.broadcastStormProtection = values.broadcastStormProtection;
    in.multicastStormProtection = values.multicastStormProtection;
    in.trustMode = values.portQosTrustMode;
    in.poeAdminState = values.poeAdminState;
    in.allFiveClasses = allFiveClasses;
    return in;
}

} // namespace

void selectModel(EditorState &state, int index)
{
    state.config.modelIndex = index;
    state.loadHadErrors = false;
    state.lineCounter = 0;
    resetConfiguration(state);
}

void resetConfiguration(EditorState &state)
{
    resetToDefaults(state.config);
    setSerialNumber(state, QString());
    clearSelectionAndShowFirstPort(state);
}

void configurationLoaded(EditorState &state)
{
    setSerialNumber(state, QString());
    clearSelectionAndShowFirstPort(state);
}

void setSerialNumber(EditorState &state, const QString &digits)
{
    state.serialNumber = digits;
}

QString serialPrefix(const EditorState &state)
{
    return serialNumberText(state.row(), state.serialNumber);
}

void showPort(EditorState &state, int port)
{
    if (port < 0 || port >= kMaxPorts)
        return;
    PanelState &panel = state.panel;
    panel.shownPort = port;
    panel.values = state.config.ports[port];
    panel.classesText = sortedClassesText(panel.values.allowedPoEClasses);
    panel.lastAcceptedClasses = panel.classesText;
}

void regate(EditorState &state)
{
    const int highest = state.selection.highest();
    const PortKind kind = highest < 0 ? NoPort : state.kindOf(highest);
    state.gating =
        gatePanel(state.row(),
                  gatingInput(kind, state.kindOf(state.panel.shownPort), state.panel.values,
                              state.panel.classesText == QLatin1String(kAllPoEClassesText)));
}

PanelGating gatingForPort(const EditorState &state, int port)
{
    if (port < 0 || port >= kMaxPorts)
        return {};
    const PortConfig &values = state.config.ports[port];
    return gatePanel(state.row(),
                     gatingInput(state.kindOf(port), state.kindOf(port), values,
                                 allClassesAllowed(values.allowedPoEClasses)));
}
