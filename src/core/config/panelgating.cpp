#include "core/config/panelgating.h"

namespace {

bool isCopper(PortKind kind)
{
    return kind >= CopperFast && kind <= CopperGigabitPoE;
}

bool isFibre(PortKind kind)
{
    return kind == FibreFast || kind == FibreGigabit;
}

} // namespace

PanelGating gatePanel(const ProductRecord &row, const GatingInput &in)
{
    using namespace PortColumn;
    PanelGating g;
    const auto set = [&g](int column, bool on) { g.editable.set(size_t(column), on); };

    const bool port = in.kind != NoPort;
    const bool fibre = isFibre(in.kind);

    set(AdminState, port);
    set(AlarmLink, port && row.has(ModelTrait::LinkAlarm));
    set(AutoNeg, port && !fibre);

    if (fibre) {
        set(DuplexMode, true);
    } else if (port) {
        const bool manualSpeed = in.autoNeg != 1;
        set(Speed, manualSpeed);
        set(DuplexMode, manualSpeed);
        set(AutoCrossing, manualSpeed);
        set(MdiState, manualSpeed && in.autoCrossing != 1);
    }

    set(FlowControl, port);
    set(BroadcastStormProtection, port);
    set(MulticastStormProtection, port);
    set(BroadcastStormThreshold, port && in.broadcastStormProtection == 1);
    set(MulticastStormThreshold, port && in.multicastStormProtection == 1);
    set(JumboFrames, port && row.has(ModelTrait::JumboFrames));
    // The trust mode is switch-wide: it stays editable whatever is selected.
    set(QosTrustMode, true);
    // Port-based priority only counts while the ports are untrusted.
    set(PortPriority, port && in.trustMode == 0);
    const bool gigabit = in.kind == CopperGigabit || in.kind == CopperGigabitPoE;
    set(Eee, gigabit && in.autoNeg == 1);

    // The information line about the user limit belongs to the PoE model.
    g.poeLimitInfo = row.hasPoEPorts() && !fibre;
    g.poePlaceholders = fibre;
    const auto isPoEPort = [](PortKind kind) {
        return kind == CopperFastPoE || kind == CopperGigabitPoE;
    };
    // With nothing selected the panel keeps the look of the port it shows.
    if (!port && isCopper(in.shownKind) && !isPoEPort(in.shownKind)) {
        g.poePlaceholders = true;
        g.classesPlaceholder = true;
    }
    if (isCopper(in.kind)) {
        if (!isPoEPort(in.kind)) {
            g.poePlaceholders = true;
            g.classesPlaceholder = true;
        } else {
            const bool poeOn = in.poeAdminState == 1;
            set(PoeAdminState, true);
            set(PoePriority, poeOn);
            set(AllowedPoEClasses, poeOn);
            set(AllowedPoEOverride, poeOn && in.allFiveClasses);
            g.limitShowsZero = poeOn && !in.allFiveClasses;
        }
    }
    return g;
}
