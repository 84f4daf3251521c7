// Both passes of the configuration file reader on one catalogue model,
// fed with arbitrary bytes. Built with libFuzzer and the sanitizers by
// "make fuzz"; built with the normal compiler and replay_main.cpp, it
// replays the corpus under "make test".
//
// Besides not crashing, every input must leave a record that holds only
// values the file format allows, and whatever was loaded must be written
// as a file that loads again without a refused line.

#include "core/config/portparameters.h"
#include "core/file/configkeytable.h"
#include "core/file/configreader.h"
#include "core/file/configwriter.h"
#include "core/file/errorlog.h"
#include "fuzzinput.h"

#include <QDate>

#include <cstdint>

namespace {

bool within(qint64 value, qint64 lowest, qint64 highest)
{
    return value >= lowest && value <= highest;
}

// Every field the file sets holds a value of its key's range.
void requireFileRanges(const SwitchConfig &config)
{
    for (const ConfigKey &key : ConfigKeyTable::rows()) {
        if (key.target != ConfigTarget::PortColumnField ||
            key.portColumn == PortColumn::AllowedPoEClasses)
            continue;
        // A negotiated speed is stored one above what the file says.
        const qint64 highest = key.maxValue + (key.portColumn == PortColumn::Speed ? 1 : 0);
        for (int p = 0; p < config.portCount(); ++p)
            require(within(portFieldValue(config.ports[p], key.portColumn), 0, highest));
    }
    for (int p = 0; p < config.portCount(); ++p) {
        for (quint8 poeClass : config.ports[p].allowedPoEClasses)
            require(poeClass <= 4 || poeClass == kNoPoEClass);
        require(within(config.ports[p].vlanId, 1, 4096));
    }
    require(config.psuAlarm1 <= 1 && config.psuAlarm2 <= 1 && config.qosTrustMode <= 2);
    require(config.agingTime <= 1048575);
    for (quint8 scheme : config.trafficClassScheme)
        require(scheme == 0);
    for (quint8 trafficClass : config.dot1pTrafficClass)
        require(trafficClass <= 3);
    for (quint8 trafficClass : config.dscpTrafficClass)
        require(trafficClass <= 3);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto [row, bytes] = fuzzInput(data, size);
    if (row < 0)
        return 0;
    for (int id : configIdsNamed(bytes))
        require(firstRowWithConfigId(id) >= 0);

    SwitchConfig config;
    const ConfigLoadResult result = loadConfigBytes(bytes, row, config);
    require(config.modelIndex == row);
    requireFileRanges(config);
    int previousLine = -1;
    for (const RejectedLine &rejected : result.rejected) {
        require(within(rejected.reason, 1, 5));
        require(rejected.lineNumber > previousLine && rejected.lineNumber < result.lineCount);
        previousLine = rejected.lineNumber;
        errorLogRow(rejected);
    }
    require(errorLogText(result.rejected).count('\n') >= result.rejected.size());

    // What was loaded is written as a file that loads again without a
    // refused line.
    const QByteArray rewritten = configFileBytes(config, result.texts, QDate(2024, 1, 1));
    SwitchConfig reloaded;
    require(loadConfigBytes(rewritten, row, reloaded).rejected.isEmpty());
    return 0;
}
