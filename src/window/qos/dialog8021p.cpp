#include "window/qos/dialog8021p.h"

#include "core/config/globalparameters.h"

namespace {

// The setting the dialog edits; its names head the dialog and its table.
const GlobalParameter &setting()
{
    return globalParameter(GlobalId::Dot1pMapping);
}

// The eight priorities in one block; a free grid row between heads and boxes.
MappingTable priorityTable()
{
    MappingTable table;
    table.size = QSize(470, 171);
    table.tableName = "gridLayoutWidget";
    table.gridName = "gridLayout";
    table.entryHead = Dialog8021p::tr(setting().indexName);
    table.classHead = Dialog8021p::tr(setting().valueName);
    table.rowHeadIndent = 10;
    // "vLanP" is a name other parts rely on; keep its spelling.
    table.blocks = {{0, 2, "label_vLanP", "label_tc"}};
    table.entriesPerBlock = 8;
    table.headPrefix = "label_tcVlan";
    table.boxPrefix = "comboBox_tcVlan";
    table.boxName = [](int priority) {
        return Dialog8021p::tr("Traffic class of priority %1").arg(priority);
    };
    return table;
}

} // namespace

Dialog8021p::Dialog8021p(SwitchConfig &config, QWidget *parent)
    : MappingDialog(priorityTable(), tr(setting().name), config.dot1pTrafficClass.data(),
                    int(config.dot1pTrafficClass.size()), parent)
{ }
