#include "core/config/panelgating.h"

PanelGating gatePanel(const ProductRecord &row, const GatingInput &in)
{
    using namespace PortColumn;
    PanelGating g;
    const bool port = in.kind != NoPort;
    const bool fibre = PortKinds::contains(PortKinds::kFibre, in.kind);
    // What the kind of the selected ports and the model allow, by the rows.
    for (int column = 0; column < Count; ++column)
        g.editable.set(size_t(column), port && portParameter(column)->isEditableOn(row, in.kind));
    // The trust mode is switch-wide: it stays editable whatever is selected.
    g.editable.set(QosTrustMode);

    // What one parameter does to the others.
    const auto needs = [&g](int column, bool condition) {
        if (!condition)
            g.editable.reset(size_t(column));
    };
    const bool negotiated = g.isEditable(AutoNeg) && in.autoNeg == 1;
    for (int column : {Speed, DuplexMode, AutoCrossing, MdiState})
        needs(column, !negotiated);
    needs(MdiState, !(g.isEditable(AutoCrossing) && in.autoCrossing == 1));
    needs(BroadcastStormThreshold, in.broadcastStormProtection == 1);
    needs(MulticastStormThreshold, in.multicastStormProtection == 1);
    // Port-based priority only counts while the ports are untrusted.
    needs(PortPriority, in.trustMode == 0);
    needs(Eee, in.autoNeg == 1);
    const bool poeOn = in.poeAdminState == 1;
    g.limitShowsZero = g.isEditable(PoeAdminState) && poeOn && !in.allFiveClasses;
    needs(PoePriority, poeOn);
    needs(AllowedPoEClasses, poeOn);
    needs(AllowedPoEOverride, poeOn && in.allFiveClasses);

    // The information line about the user limit belongs to the PoE model.
    g.poeLimitInfo = row.hasPoEPorts() && !fibre;
    g.poePlaceholders = fibre;
    const auto isPoEPort = [&row](PortKind kind) {
        return portParameter(PoeAdminState)->isEditableOn(row, kind);
    };
    // With nothing selected the panel keeps the look of the port it shows.
    const PortKind looks = port ? in.kind : in.shownKind;
    if (PortKinds::contains(PortKinds::kCopper, looks) && !isPoEPort(looks)) {
        g.poePlaceholders = true;
        g.classesPlaceholder = true;
    }
    return g;
}
