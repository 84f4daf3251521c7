#include "core/config/portediting.h"

#include "core/config/poeclasses.h"
#include "core/config/portselection.h"

namespace {

// The parameters others depend on: after a change of one of them the panel
// checks the user limit against the classes it shows.
bool affectsGating(int column, bool selectAllMode)
{
    switch (column) {
    case PortColumn::AutoNeg:
    case PortColumn::AutoCrossing:
    case PortColumn::BroadcastStormProtection:
    case PortColumn::MulticastStormProtection:
    case PortColumn::PoeAdminState:
        return true;
    case PortColumn::PortPriority:
        return selectAllMode;
    default:
        return false;
    }
}

template<typename Visit> void forEachPort(PortSet ports, Visit visit)
{
    for (int port = 0; port < kMaxPorts; ++port) {
        if ((ports >> port) & 1u)
            visit(port);
    }
}

// With auto negotiation on the speed is negotiated ("-"); switched off, a
// port keeps 10 Mbit/s and otherwise runs at 100 Mbit/s, except in
// select-all mode, where every port gets 100 Mbit/s.
void applyAutoNegotiationRule(PortConfig &port, bool autoNegOn, bool selectAllMode)
{
    if (autoNegOn)
        port.speed = kSpeedAuto;
    else if (selectAllMode || port.speed == kSpeed100 || port.speed == kSpeedAuto)
        port.speed = kSpeed100;
}

// The PoE user limit only stands with all five classes allowed: while the
// panel shows PoE on with fewer, the limit of the PoE target ports is 0.
void clearUserLimitWithoutAllClasses(EditorState &state)
{
    if (!state.gating.limitShowsZero)
        return;
    state.panel.values.allowedPoEOverride = 0;
    forEachPort(targetPorts(state, PortColumn::AllowedPoEOverride),
                [&](int p) { state.config.ports[p].allowedPoEOverride = 0; });
}

PortSet changedPorts(const SwitchConfig &before, const SwitchConfig &after)
{
    PortSet changed = 0;
    for (int p = 0; p < kMaxPorts; ++p) {
        if (before.ports[p] != after.ports[p])
            changed |= 1u << p;
    }
    return changed;
}

} // namespace

PortSet targetPorts(const EditorState &state, int column)
{
    const SwitchConfig &config = state.config;
    const PortSelection &selection = state.selection;
    if (column == PortColumn::QosTrustMode)
        return firstPorts(config.portCount());
    if (!selection.selectAllMode)
        return selection.ports;
    if (column == PortColumn::PortPriority)
        return firstPorts(config.portCount());
    // The twisted-pair ports that take the parameter: Select All leaves out
    // the ports of a PoE model that have no PoE.
    const PortParameter *parameter = portParameter(column);
    PortSet ports = 0;
    for (int port = 0; port < config.model().twistedPairCount(); ++port) {
        if (parameter && parameter->isEditableOn(config.model(), state.kindOf(port)))
            ports |= portBit(port);
    }
    return ports;
}

PortSet editPort(EditorState &state, int column, int value)
{
    if (column == PortColumn::QosTrustMode)
        return editTrustMode(state, value);
    if (column < 0 || column >= PortColumn::Count || column == PortColumn::AllowedPoEClasses)
        return 0;

    // A widget that takes no pick neither stores nor shows one: the panel
    // would show a value no port holds.
    if (!state.gating.isEditable(column))
        return 0;

    const SwitchConfig before = state.config;
    const bool selectAllMode = state.selection.selectAllMode;
    PortConfig &panel = state.panel.values;
    setPortFieldValue(panel, column, value);

    forEachPort(targetPorts(state, column), [&](int p) {
        PortConfig &port = state.config.ports[p];
        setPortFieldValue(port, column, value);
        if (column == PortColumn::AutoNeg) {
            applyAutoNegotiationRule(port, panel.autoNeg == 1, selectAllMode);
            panel.speed = port.speed;
        }
    });
    regate(state);
    if (affectsGating(column, selectAllMode))
        clearUserLimitWithoutAllClasses(state);
    return changedPorts(before, state.config);
}

PortSet editTrustMode(EditorState &state, int mode)
{
    const SwitchConfig before = state.config;
    const quint8 value = quint8(mode);
    if (state.gating.isEditable(PortColumn::QosTrustMode)) {
        forEachPort(targetPorts(state, PortColumn::QosTrustMode),
                    [&](int p) { state.config.ports[p].portQosTrustMode = value; });
    }
    state.config.qosTrustMode = value;
    state.panel.values.portQosTrustMode = value;
    regate(state);
    return changedPorts(before, state.config);
}

ClassesEditResult editClasses(EditorState &state, const QString &typed)
{
    PanelState &panel = state.panel;
    if (!state.gating.isEditable(PortColumn::AllowedPoEClasses))
        return {panel.classesText, 0};

    const ClassesEdit edit = settleClassesText(typed, panel.lastAcceptedClasses);
    const QString &text = edit.text;
    panel.classesText = text;
    if (edit.outcome == ClassesEdit::Ignore) {
        // Clearing the field at once keeps the stored classes.
        regate(state);
        return {text, 0};
    }

    const SwitchConfig before = state.config;
    panel.lastAcceptedClasses = text;
    const std::array<quint8, 8> classes = classesFromText(text);
    panel.values.allowedPoEClasses = classes;
    forEachPort(targetPorts(state, PortColumn::AllowedPoEClasses),
                [&](int p) { state.config.ports[p].allowedPoEClasses = classes; });
    regate(state);
    clearUserLimitWithoutAllClasses(state);
    return {text, changedPorts(before, state.config)};
}

bool editTableCell(EditorState &state, int row, int column, const QString &text, PortSet *changed)
{
    if (row < 0 || row >= state.config.portCount())
        return false;
    selectSinglePort(state, row);
    // The trust mode belongs to the whole switch; the table only shows it.
    if (column == PortColumn::QosTrustMode || !state.gating.isEditable(column))
        return false;

    PortSet ports = 0;
    if (column == PortColumn::AllowedPoEClasses) {
        ports = editClasses(state, text).changed;
    } else {
        const std::optional<int> value = storedFromCellText(column, text);
        if (!value)
            return false;
        ports = editPort(state, column, *value);
    }
    if (changed)
        *changed = ports;
    return true;
}
