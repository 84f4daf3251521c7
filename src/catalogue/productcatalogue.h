#pragma once

#include "config/switchconfig.h"

#include <QRect>
#include <QString>

#include <array>

// One supported switch model.
struct ProductRecord
{
    quint8 configId = 0; // written as file.configID; shared by variant rows
    QString modelName;
    quint8 portKindMask = 0; // 0x02 twisted pair without PoE, 0x04 PoE
    quint8 portSpeedMask = 0; // 0x01 10/100, 0x02 10/100/1000 Mbit/s
    QString imagePath; // resource path of the product picture
    quint8 portCount = 0;
    quint8 nonTpPortCount = 0; // fibre ports, always the last ones
    std::array<QRect, kMaxPorts> portRect {}; // label of port i+1, in picture pixels
    quint8 jumboFrameSupport = 0;

    int twistedPairCount() const { return portCount - nonTpPortCount; }
};

// The kind of one port of the selected model.
enum PortKind : int {
    NoPort = 0,
    CopperFast = 1,
    CopperFastPoE = 2,
    CopperGigabit = 3,
    CopperGigabitPoE = 4,
    FibreFast = 5,
    FibreGigabit = 6,
};

constexpr int kCatalogueSize = 18;

// The product pictures have this many pixels per picture pixel of
// `portRect`, so they stay sharp on screens scaled up to 200 %.
constexpr int kPicturePixelRatio = 2;

// The fixed table of supported models, in the order of the model list, and
// the article number of each row. Rows sharing a configId stay adjacent.
extern const std::array<ProductRecord, kCatalogueSize> ProductCatalogue;
extern const std::array<QString, kCatalogueSize> articleNumbers;

// Row `index` of the catalogue; an index outside 0..17 gives an empty record
// (no ports) rather than reading past the table.
const ProductRecord &catalogueRow(int index);
QString articleNumber(int index);

// The first catalogue row whose configId is `configId`, -1 if none; the rows
// that share the ID follow it directly.
int firstRowWithConfigId(int configId);
// How many rows share the configId of that first row (0 if none).
int rowCountWithConfigId(int configId);

// Copies the model's identity and capabilities from `row` into the record.
void setModelIdentity(SwitchConfig &config, const ProductRecord &row);
// The record of catalogue row `index` with every default.
SwitchConfig defaultConfiguration(int index);

// The kind of port `portIndex` (0-based): port count and fibre ports come from
// `row`, the kind and speed masks and the configId from `config`.
PortKind portKindOf(const ProductRecord &row, const SwitchConfig &config, int portIndex);
