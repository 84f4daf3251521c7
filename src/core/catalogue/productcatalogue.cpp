#include "core/catalogue/productcatalogue.h"

#include <initializer_list>

namespace {

using Rects = std::array<QRect, kMaxPorts>;

Rects rects(std::initializer_list<QRect> list)
{
    Rects result {};
    int i = 0;
    for (const QRect &r : list)
        result[i++] = r;
    return result;
}

// Port label positions, in pixels of the 212 x 300 product pictures.

// Five ports in one column, a gap before the fifth (rows 1 and 4).
const Rects fivePortColumn = rects(
    {{94, 48, 24, 31}, {94, 84, 24, 31}, {94, 118, 24, 31}, {94, 152, 24, 32}, {94, 222, 24, 31}});

// Four copper ports and a fibre port below them (rows 6 to 8 and 16).
const Rects fourPlusFibre = rects(
    {{94, 48, 24, 31}, {94, 84, 24, 31}, {94, 118, 24, 31}, {94, 152, 24, 32}, {91, 204, 30, 50}});

// Eight ports in one column (rows 2 and 5).
const Rects eightPortColumn = rects({{94, 40, 24, 24},
                                     {94, 68, 24, 24},
                                     {94, 96, 24, 24},
                                     {94, 124, 24, 24},
                                     {94, 152, 24, 24},
                                     {94, 180, 24, 24},
                                     {94, 208, 24, 24},
                                     {94, 236, 24, 24}});

// Sixteen ports in two columns, odd ports on the left (row 3).
const Rects sixteenPortColumns = rects({{83, 45, 22, 24},
                                        {106, 45, 22, 24},
                                        {83, 70, 22, 25},
                                        {106, 70, 22, 25},
                                        {83, 96, 22, 25},
                                        {106, 96, 22, 25},
                                        {83, 122, 22, 25},
                                        {106, 122, 22, 25},
                                        {83, 148, 22, 25},
                                        {106, 148, 22, 25},
                                        {83, 174, 22, 25},
                                        {106, 174, 22, 25},
                                        {83, 200, 22, 25},
                                        {106, 200, 22, 25},
                                        {83, 226, 22, 25},
                                        {106, 226, 22, 25}});

// Six copper ports in two columns and three fibre ports (row 9).
const Rects sixPlusThreeFibre = rects({{58, 50, 22, 24},
                                       {82, 50, 22, 24},
                                       {58, 78, 22, 24},
                                       {82, 78, 22, 24},
                                       {58, 106, 22, 24},
                                       {82, 106, 22, 24},
                                       {126, 48, 28, 46},
                                       {126, 102, 28, 46},
                                       {126, 156, 28, 46}});

// Eight copper ports in two columns and one fibre port (rows 10 and 11).
const Rects eightPlusFibre = rects({{58, 50, 22, 24},
                                    {82, 50, 22, 24},
                                    {58, 78, 22, 24},
                                    {82, 78, 22, 24},
                                    {58, 106, 22, 24},
                                    {82, 106, 22, 24},
                                    {58, 134, 22, 24},
                                    {82, 134, 22, 24},
                                    {126, 48, 28, 46}});

// Seven copper ports in two columns and two fibre ports (rows 12 and 13).
const Rects sevenPlusTwoFibre = rects({{58, 50, 22, 24},
                                       {82, 50, 22, 24},
                                       {58, 78, 22, 24},
                                       {82, 78, 22, 24},
                                       {58, 106, 22, 24},
                                       {82, 106, 22, 24},
                                       {58, 134, 22, 24},
                                       {126, 48, 28, 46},
                                       {126, 102, 28, 46}});

// 24 copper ports in four columns and two fibre ports above ports 17-24
// (rows 14 and 15).
const Rects twentySixPorts = rects({
    {53, 45, 22, 24},   {76, 45, 22, 24},   {53, 70, 22, 25},   {76, 70, 22, 25},
    {53, 96, 22, 25},   {76, 96, 22, 25},   {53, 122, 22, 25},  {76, 122, 22, 25},
    {53, 148, 22, 25},  {76, 148, 22, 25},  {53, 174, 22, 25},  {76, 174, 22, 25},
    {53, 200, 22, 25},  {76, 200, 22, 25},  {53, 226, 22, 25},  {76, 226, 22, 25},
    {114, 224, 22, 25}, {137, 224, 22, 25}, {114, 199, 22, 24}, {137, 199, 22, 24},
    {114, 173, 22, 25}, {137, 173, 22, 25}, {114, 147, 22, 25}, {137, 147, 22, 25},
    {117, 86, 17, 25},  {117, 43, 17, 25},
});

// Eight ports in two columns of four (rows 17 and 18).
const Rects eightPortsTwoColumns = rects({{74, 27, 20, 20},
                                          {74, 67, 20, 20},
                                          {74, 107, 20, 20},
                                          {74, 147, 20, 20},
                                          {119, 27, 20, 20},
                                          {119, 67, 20, 20},
                                          {119, 107, 20, 20},
                                          {119, 147, 20, 20}});

ProductRecord row(quint8 configId, const char *name, const char *article, quint8 kindMask,
                  quint8 speedMask, const char *picture, quint8 portCount, quint8 fibrePorts,
                  const Rects &portRect, quint8 traits, Housing housing, quint32 portsWithoutPoE)
{
    ProductRecord r;
    r.configId = configId;
    r.modelName = QString::fromLatin1(name);
    r.articleNumber = QString::fromLatin1(article);
    r.portKindMask = kindMask;
    r.portSpeedMask = speedMask;
    r.imagePath = QStringLiteral(":/ProductImage/") + QString::fromLatin1(picture);
    r.portCount = portCount;
    r.nonTpPortCount = fibrePorts;
    r.portRect = portRect;
    r.traits = traits;
    r.housing = housing;
    r.portsWithoutPoE = portsWithoutPoE;
    return r;
}

// The port kinds a row lists (PortKindBit): twisted pair, with PoE, and
// the marker bits some rows carry beside them.
constexpr quint8 kTp = PortKindBit::TwistedPair;
constexpr quint8 kTpMarker1 = kTp | PortKindBit::Marker1;
constexpr quint8 kCompactTp = kTp | PortKindBit::Marker8;
constexpr quint8 kCompactTpPoE = kCompactTp | PortKindBit::PoE;
constexpr quint8 kFast = PortSpeedBit::Fast;
constexpr quint8 kGigabit = PortSpeedBit::Gigabit;

// The traits of the two families: the larger one has alarm contacts, the
// compact one none.
constexpr quint8 kAlarms = ModelTrait::PsuAlarms | ModelTrait::LinkAlarm;
constexpr quint8 kJumbo = ModelTrait::JumboFrames;
constexpr Housing kRail = Housing::Rail;
constexpr Housing kCompact = Housing::Compact;
constexpr quint32 kPort1 = portBit(0);

} // namespace

// A new model is one row here; `make artwork` draws its picture into
// resources/product, where the build finds it. "No PoE" lists the
// twisted-pair ports of a PoE model that have none: port 1 of the PoE model
// of the compact family, and on a PoE model of exactly five twisted-pair
// ports always the fifth.
// clang-format off
const std::vector<ProductRecord> ProductCatalogue = {
    //  ID  name                       article      kinds          speeds    picture        ports fibre port labels           traits            housing   no PoE
    row( 16, "TAVRIN-KX-21-05C4000000", "613807101", kTp,           kFast,    "Model16.png",   5, 0, fivePortColumn,       kAlarms | kJumbo, kRail,    0),
    row( 17, "TAVRIN-KX-21-08C4000000", "613807102", kTp,           kFast,    "Model17.png",   8, 0, eightPortColumn,      kAlarms | kJumbo, kRail,    0),
    row( 18, "TAVRIN-KX-21-16C4000000", "613807103", kTp,           kFast,    "Model21.png",  16, 0, sixteenPortColumns,   kAlarms | kJumbo, kRail,    0),
    row( 19, "TAVRIN-KX-61-05C4000000", "613807104", kTp,           kGigabit, "Model19.png",   5, 0, fivePortColumn,       kAlarms | kJumbo, kRail,    0),
    row( 20, "TAVRIN-KX-61-08C4000000", "613807105", kTp,           kGigabit, "Model20.png",   8, 0, eightPortColumn,      kAlarms | kJumbo, kRail,    0),
    row( 24, "TAVRIN-KX-21-04C4F30000", "613807106", kTp,           kFast,    "Model24.png",   5, 1, fourPlusFibre,        kAlarms | kJumbo, kRail,    0),
    row( 24, "TAVRIN-KX-21-04C4F50000", "613807107", kTp,           kFast,    "Model25.png",   5, 1, fourPlusFibre,        kAlarms | kJumbo, kRail,    0),
    row( 24, "TAVRIN-KX-21-04C4H30000", "613807108", kTp,           kFast,    "Model26.png",   5, 1, fourPlusFibre,        kAlarms | kJumbo, kRail,    0),
    row( 27, "TAVRIN-KX-21-06C4R7R7R7", "613807109", kTp,           kFast,    "Model27.png",   9, 3, sixPlusThreeFibre,    kAlarms,          kRail,    0),
    row( 28, "TAVRIN-KX-21-08C4F30000", "613807110", kTp,           kFast,    "Model28.png",   9, 1, eightPlusFibre,       kAlarms | kJumbo, kRail,    0),
    row( 28, "TAVRIN-KX-21-08C4H30000", "613807111", kTp,           kFast,    "Model29.png",   9, 1, eightPlusFibre,       kAlarms | kJumbo, kRail,    0),
    row( 30, "TAVRIN-KX-21-07C4F3F300", "613807112", kTp,           kFast,    "Model30.png",   9, 2, sevenPlusTwoFibre,    kAlarms,          kRail,    0),
    row( 30, "TAVRIN-KX-21-07C4H3H300", "613807113", kTp,           kFast,    "Model31.png",   9, 2, sevenPlusTwoFibre,    kAlarms,          kRail,    0),
    row( 32, "TAVRIN KX-21-24C4R7R700", "613807114", kTp,           kFast,    "Model32.png",  26, 2, twentySixPorts,       kAlarms | kJumbo, kRail,    0),
    row( 32, "TAVRIN KX-41-24C4G7G700", "613807999", kTpMarker1,    kFast,    "Model32.png",  26, 2, twentySixPorts,       kAlarms | kJumbo, kRail,    0),
    row( 34, "TAVRIN-KX-61-04C4G70000", "613807116", kTp,           kGigabit, "Model34.png",   5, 1, fourPlusFibre,        kAlarms | kJumbo, kRail,    0),
    row(100, "MERANTE 8CX-LVD",         "613820001", kCompactTp,    kFast,    "Model100.png",  8, 0, eightPortsTwoColumns, kJumbo,           kCompact, 0),
    row(101, "MERANTE 8CX PoE-LVD",     "613821001", kCompactTpPoE, kFast,    "Model101.png",  8, 0, eightPortsTwoColumns, kJumbo,           kCompact, kPort1),
};
// clang-format on

const int kCatalogueSize = int(ProductCatalogue.size());

const ProductRecord &catalogueRow(int index)
{
    static const ProductRecord none;
    if (index < 0 || index >= kCatalogueSize)
        return none;
    return ProductCatalogue[index];
}

QString articleNumber(int index)
{
    return catalogueRow(index).articleNumber;
}

int firstRowWithConfigId(int configId)
{
    for (int i = 0; i < kCatalogueSize; ++i) {
        if (ProductCatalogue[i].configId == configId)
            return i;
    }
    return -1;
}

int rowForConfigId(int configId, int preferredRow)
{
    if (catalogueRow(preferredRow).configId == configId && configId != 0)
        return preferredRow;
    return firstRowWithConfigId(configId);
}

PortKind portKindOf(const ProductRecord &row, int portIndex)
{
    const int portCount = row.portCount;
    const int twistedPair = row.twistedPairCount();
    const quint8 kinds = row.portKindMask;
    const quint8 speeds = row.portSpeedMask;
    const bool fast = speeds & PortSpeedBit::Fast;
    const bool gigabit = speeds & PortSpeedBit::Gigabit;

    if (portIndex < 0 || (portIndex >= twistedPair && portIndex < portCount))
        return fast ? FibreFast : gigabit ? FibreGigabit : NoPort;
    if (portIndex >= portCount || !(kinds & (PortKindBit::TwistedPair | PortKindBit::PoE)))
        return NoPort;
    const bool poe = row.hasPoEPorts() && !row.lacksPoE(portIndex);
    if (fast)
        return poe ? CopperFastPoE : CopperFast;
    if (gigabit)
        return poe ? CopperGigabitPoE : CopperGigabit;
    return NoPort;
}

QString serialNumberText(const ProductRecord &row, const QString &digits)
{
    return row.articleNumber + QLatin1Char('-') + digits;
}

QVector<int> rowsWithConfigId(int configId)
{
    return rowsWithConfigId(ProductCatalogue, configId);
}

QVector<int> rowsWithConfigId(const std::vector<ProductRecord> &table, int configId)
{
    QVector<int> rows;
    for (int i = 0; i < int(table.size()); ++i) {
        if (table[i].configId == configId)
            rows.append(i);
    }
    return rows;
}
