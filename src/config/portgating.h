#pragma once

#include "catalogue/productcatalogue.h"

namespace Ui {
class MainWindow;
}
class QWidget;

// Enables, disables, shows and hides the port panel's widgets for one kind
// of port, and applies the dependencies between parameters (auto
// negotiation switches off speed and duplex, a storm protection switches on
// its threshold, and so on). Because a disabled widget never writes the
// record, this is also what keeps a port from getting a parameter it cannot
// have.
class PortGating
{
public:
    PortGating(Ui::MainWindow *ui, const SwitchConfig &config);

    // applyPortCapabilities: `kind` is a PortKind; values above 6 only
    // update the power-supply alarms.
    void apply(int kind);

private:
    void applySpeedChain();
    void applyCopperPoE(int kind);
    void disableSpeedAutoItem();
    const ProductRecord &selectedRow() const;

    Ui::MainWindow *ui;
    const SwitchConfig &m_config;
};
