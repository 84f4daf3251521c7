#pragma once

// The record as model selection leaves it, for tests that need a model
// without a window.

#include "catalogue/productcatalogue.h"
#include "config/switchconfig.h"

// Only the identity fields copied from the catalogue row; everything else 0.
inline SwitchConfig configFor(const ProductRecord &row)
{
    SwitchConfig config;
    config.configId = row.configId;
    config.portKindMask = row.portKindMask;
    config.portSpeedMask = row.portSpeedMask;
    config.portCount = row.portCount;
    config.nonTpPortCount = row.nonTpPortCount;
    return config;
}

// Catalogue row `row` selected and reset to the defaults.
inline SwitchConfig defaultConfigFor(int row)
{
    SwitchConfig config = configFor(catalogueRow(row));
    resetToDefaults(config);
    return config;
}
