#include "window/qos/dialogdscp.h"

#include "core/config/globalparameters.h"

namespace {

// The setting the dialog edits; its names head the dialog and its table.
const GlobalParameter &setting()
{
    return globalParameter(GlobalId::DscpMapping);
}

// The 64 values in four blocks of 16; free grid rows 1 and 6.
MappingTable dscpTable()
{
    MappingTable table;
    table.size = QSize(735, 329);
    // "gridLayoutWidget_2" and the doubled "label_label_" are names other
    // parts rely on; keep their spelling.
    table.tableName = "gridLayoutWidget_2";
    table.gridName = "gridLayout_2";
    table.entryHead = DialogDSCP::tr(setting().indexName);
    table.classHead = DialogDSCP::tr(setting().valueName);
    table.blocks = {{0, 2, "label_dscpValue1", "label_trafficClass1"},
                    {3, 4, "label_dscpValue2", "label_trafficClass2"},
                    {5, 7, "label_label_dscpValue3", "label_trafficClass3"},
                    {8, 9, "label_label_dscpValue4", "label_trafficClass4"}};
    table.entriesPerBlock = 16;
    table.headPrefix = "label_dscp";
    table.headDigits = 2;
    table.boxPrefix = "comboBox_tc";
    // The head of 46 has always had a space before its number.
    table.entryText = [](int dscp) {
        return dscp == 46 ? QStringLiteral(" 46") : QString::number(dscp);
    };
    table.boxName = [](int dscp) { return DialogDSCP::tr("Traffic class of DSCP %1").arg(dscp); };
    return table;
}

} // namespace

DialogDSCP::DialogDSCP(SwitchConfig &config, QWidget *parent)
    : MappingDialog(dscpTable(), tr(setting().name), config.dscpTrafficClass.data(),
                    int(config.dscpTrafficClass.size()), parent)
{ }
