#pragma once

#include "core/catalogue/modeltraits.h"
#include "core/config/switchconfig.h"

#include <QRect>
#include <QString>
#include <QVector>

#include <array>
#include <vector>

// One supported switch model.
struct ProductRecord
{
    quint8 configId = 0; // written as file.configID; shared by variant rows
    QString modelName;
    QString articleNumber; // shown in front of the serial number
    quint8 portKindMask = 0; // PortKindBit
    quint8 portSpeedMask = 0; // PortSpeedBit
    QString imagePath; // resource path of the product picture
    quint8 portCount = 0;
    quint8 nonTpPortCount = 0; // fibre ports, always the last ones
    std::array<QRect, kMaxPorts> portRect {}; // label of port i+1, in picture pixels
    quint8 traits = ModelTrait::None;

    int twistedPairCount() const { return portCount - nonTpPortCount; }
    bool has(quint8 trait) const { return traits & trait; }
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

// The product pictures have this many pixels per picture pixel of
// `portRect`, so they stay sharp on screens scaled up to 200 %.
constexpr int kPicturePixelRatio = 2;

// The fixed table of supported models, in the order of the model list.
extern const std::vector<ProductRecord> ProductCatalogue;
extern const int kCatalogueSize;

// Row `index` of the catalogue; an index outside the table gives an empty
// record (no ports) rather than reading past it.
const ProductRecord &catalogueRow(int index);
QString articleNumber(int index);

// The first catalogue row whose configId is `configId`, -1 if none.
int firstRowWithConfigId(int configId);
// The row a file with `configId` is read as: `preferredRow` if it has that
// ID, otherwise the first row with it; -1 if no row has it.
int rowForConfigId(int configId, int preferredRow);

// Copies the model's identity and capabilities from `row` into the record.
void setModelIdentity(SwitchConfig &config, const ProductRecord &row);
// The record of catalogue row `index` with every default.
SwitchConfig defaultConfiguration(int index);

// The kind of port `portIndex` (0-based): port count and fibre ports come from
// `row`, the kind and speed masks and the traits from `config`.
PortKind portKindOf(const ProductRecord &row, const SwitchConfig &config, int portIndex);

// Every catalogue row whose configId is `configId`, in catalogue order; none
// if no row has it. The rows need not be adjacent: a variant of a model is
// appended at the end of the table, so the rows other parts name keep their
// numbers. Everything that lists or offers the rows sharing an ID asks here.
QVector<int> rowsWithConfigId(int configId);
// The same in another table of models.
QVector<int> rowsWithConfigId(const std::vector<ProductRecord> &table, int configId);
