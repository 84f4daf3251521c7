// A switch list from arbitrary bytes, and the batch planned from it on one
// catalogue model. Built with libFuzzer by "make fuzz"; with
// replay_main.cpp it replays its corpus under "make test".
//
// Besides not crashing: a list that parses is written back as CSV that
// parses to the same list, and every switch of a valid plan is a record
// whose file loads again without a refused line.

#include "core/batch/switchbatch.h"
#include "core/file/configreader.h"
#include "fuzzinput.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto [row, bytes] = fuzzInput(data, size);
    if (row < 0)
        return 0;
    QVector<int> lines;
    const std::optional<SwitchList> list = parseSwitchList(bytes, nullptr, &lines);
    if (!list)
        return 0;
    require(lines.size() == list->rows.size() + 1);
    const std::optional<SwitchList> again = parseSwitchList(switchListBytes(*list));
    require(again && *again == *list);

    const BatchPlan plan = planBatch(defaultConfiguration(row), {}, *list, QString(), false, true);
    require(plan.switches.size() == list->rows.size());
    for (const BatchCellProblem &problem : plan.problems) {
        require(problem.row >= -1 && problem.row < list->rows.size());
        require(problem.column >= 0 &&
                problem.column < BatchColumn::FirstOverride + list->overrideColumns.size());
        require(!problem.reason.isEmpty());
    }
    if (!plan.isValid())
        return 0;
    for (const BatchSwitch &batchSwitch : plan.switches) {
        SwitchConfig loaded;
        const ConfigLoadResult result = loadConfigBytes(
            configFileBytes(batchSwitch.config, batchSwitch.texts, QDate(2026, 1, 1)), row, loaded);
        require(result.rejected.isEmpty());
    }
    return 0;
}
