#pragma once

#include "core/catalogue/productcatalogue.h"
#include "core/config/portparameters.h"

#include <bitset>

// Which widgets of the port panel a kind of port may use, and the
// dependencies between parameters: auto negotiation switches off speed,
// duplex, auto crossing and MDI state; auto crossing switches off MDI state;
// a storm protection switches on its threshold; the trust mode switches port
// priority; the PoE state switches the PoE parameters; all five allowed
// classes switch on the PoE user limit. A widget that is not editable never
// writes the record, so this is also what keeps a port from getting a
// parameter it cannot have.
struct PanelGating
{
    std::bitset<PortColumn::Count> editable; // one bit per panel widget, by column
    bool poeLimitInfo = false; // the "additional feature - details see ..." line
    // Disabled PoE widgets show placeholders instead of the shown port's
    // values: "Off" and "Low" on ports without PoE, and "-" for the classes
    // of a twisted-pair port without PoE.
    bool poePlaceholders = false;
    bool classesPlaceholder = false;
    // The user limit shows 0 while PoE is on without all five classes.
    bool limitShowsZero = false;

    bool isEditable(int column) const
    {
        return column >= 0 && column < PortColumn::Count && editable.test(size_t(column));
    }
};

// What the gating reads besides the model: the kind of the selected ports
// and the values the panel shows.
struct GatingInput
{
    PortKind kind = NoPort;
    PortKind shownKind = NoPort; // the kind of the port the panel shows
    quint8 autoNeg = 0;
    quint8 autoCrossing = 0;
    quint8 broadcastStormProtection = 0;
    quint8 multicastStormProtection = 0;
    quint8 trustMode = 0;
    quint8 poeAdminState = 0;
    bool allFiveClasses = false; // the classes read exactly "0,1,2,3,4"
};

// The gating for `input` on the model of `row`. With no port selected there
// is no port a pick could be stored in: only the trust mode, which writes
// every port, stays editable.
PanelGating gatePanel(const ProductRecord &row, const GatingInput &input);
