#pragma once

#include "core/catalogue/modeltraits.h"

#include <QRect>
#include <QString>
#include <QVector>

#include <array>
#include <vector>

// The bound on ports of any model; the record keeps this many entries per
// port field, the catalogue uses at most 26.
constexpr int kMaxPorts = 32;

// The bit of port index `port` (0-based) in a set of ports.
constexpr quint32 portBit(int port)
{
    return port >= 0 && port < kMaxPorts ? 1u << port : 0u;
}

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
    Housing housing = Housing::Rail;
    // On a model with PoE ports, the twisted-pair ports that have none
    // (portBit of each).
    quint32 portsWithoutPoE = 0;

    int twistedPairCount() const { return portCount - nonTpPortCount; }
    bool has(quint8 trait) const { return traits & trait; }
    bool hasPoEPorts() const { return portKindMask & PortKindBit::PoE; }
    // A twisted-pair port of a model with PoE ports that has none itself.
    bool lacksPoE(int port) const { return hasPoEPorts() && (portsWithoutPoE & portBit(port)); }
};

// The kind of one port of a model.
enum PortKind : int {
    NoPort = 0,
    CopperFast = 1,
    CopperFastPoE = 2,
    CopperGigabit = 3,
    CopperGigabitPoE = 4,
    FibreFast = 5,
    FibreGigabit = 6,
};

// Sets of port kinds, one bit per PortKind.
namespace PortKinds {
constexpr quint8 bit(PortKind kind)
{
    return quint8(1u << kind);
}
constexpr quint8 kPoE = bit(CopperFastPoE) | bit(CopperGigabitPoE);
constexpr quint8 kGigabitCopper = bit(CopperGigabit) | bit(CopperGigabitPoE);
constexpr quint8 kCopper = bit(CopperFast) | bit(CopperGigabit) | kPoE;
constexpr quint8 kFibre = bit(FibreFast) | bit(FibreGigabit);
constexpr quint8 kAny = kCopper | kFibre;
inline bool contains(quint8 kinds, PortKind kind)
{
    return kinds & bit(kind);
}
} // namespace PortKinds

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

// The kind of port `portIndex` (0-based) of the model of `row`.
PortKind portKindOf(const ProductRecord &row, int portIndex);

// The serial number as the window and the report show it: the model's
// article number, "-" and the digits typed after it.
QString serialNumberText(const ProductRecord &row, const QString &digits);

// Every catalogue row whose configId is `configId`, in catalogue order; none
// if no row has it. The rows need not be adjacent: a variant of a model is
// appended at the end of the table, so the rows other parts name keep their
// numbers. Everything that lists or offers the rows sharing an ID asks here.
QVector<int> rowsWithConfigId(int configId);
// The same in another table of models.
QVector<int> rowsWithConfigId(const std::vector<ProductRecord> &table, int configId);
