#include "config/portselection.h"

#include "catalogue/portlabels.h"
#include "config/portgating.h"
#include "config/portpanel.h"
#include "config/porttable.h"
#include "ui_mainwindow.h"

namespace {

void setCheckedQuietly(QRadioButton *button, bool checked)
{
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(true);
}

} // namespace

PortSelection::PortSelection(Ui::MainWindow *ui, SwitchConfig &config, PortLabels &labels,
                             PortPanel &panel, PortGating &gating, PortTable &table,
                             QWidget *window)
    : ui(ui)
    , m_config(config)
    , m_labels(labels)
    , m_panel(panel)
    , m_gating(gating)
    , m_table(table)
    , m_window(window)
{ }

PortKind PortSelection::kindOf(int port) const
{
    return portKindOf(catalogueRow(ui->comboBox_productSelection->currentIndex()), m_config, port);
}

void PortSelection::setSelectAllChecked(bool checked)
{
    setCheckedQuietly(ui->radioButton_selectAll, checked);
}

void PortSelection::setDeselectAllChecked(bool checked)
{
    setCheckedQuietly(ui->radioButton_deselectAll, checked);
}

void PortSelection::clearPortSelection()
{
    m_labels.clearSelection();
}

void PortSelection::selectSinglePort(int port)
{
    clearPortSelection();
    m_labels.setSelected(port, true);
    m_panel.showPort(port);
    m_gating.apply(kindOf(port));
    setSelectAllChecked(false);
    setDeselectAllChecked(false);
}

void PortSelection::singleClick(int port)
{
    // Takes the focus from an editor open in the table.
    m_window->setFocus();
    if (port >= m_config.portCount)
        return;
    if (!m_labels.isSelected(port)) {
        selectSinglePort(port);
        return;
    }

    // A click on a selected port clears the selection...
    clearPortSelection();
    setDeselectAllChecked(true);
    m_gating.apply(NoPort);
    // ...unless everything was selected: then it narrows to that port.
    if (ui->radioButton_selectAll->isChecked()) {
        setDeselectAllChecked(false);
        setSelectAllChecked(false);
        singleClick(port);
    }
}

void PortSelection::controlClick(int port)
{
    if (port >= m_config.portCount)
        return;
    const int highest = m_labels.highestSelected();
    const PortKind selectedKind = highest < 0 ? NoPort : kindOf(highest);
    const PortKind kind = kindOf(port);
    if (selectedKind == NoPort) {
        m_gating.apply(kind);
        m_labels.toggle(port);
    } else if (selectedKind == kind) {
        m_labels.toggle(port);
    }

    const int twistedPair = m_config.twistedPairCount();
    setSelectAllChecked(twistedPair <= 0 || m_labels.allSelected(0, twistedPair - 1));
    if (m_labels.anySelected(0, m_config.portCount - 1)) {
        setDeselectAllChecked(false);
    } else {
        setDeselectAllChecked(true);
        m_gating.apply(NoPort);
    }
}

void PortSelection::selectAllClicked(bool checked)
{
    if (!checked)
        return;
    clearPortSelection();

    // Showing each port runs the gating, whose placeholder values the
    // handlers would write into every port in select-all mode; the copy
    // undoes that.
    const SwitchConfig saved = m_config;
    const int twistedPair = m_config.twistedPairCount();
    for (int i = 0; i < twistedPair; ++i) {
        if (i == 0 && m_config.configId == kConfigIdPoEModel)
            continue; // port 1 of that model has no PoE
        m_panel.showPort(i);
        m_labels.setSelected(i, true);
        m_gating.apply(kindOf(i));
    }
    m_config = saved;
    m_table.refresh();
    setDeselectAllChecked(false);
}

void PortSelection::deselectAllClicked(bool checked)
{
    if (!checked)
        return;
    setSelectAllChecked(false);
    clearPortSelection();
    m_gating.apply(NoPort);
}

void PortSelection::tableClicked(const QModelIndex &index)
{
    const int row = index.row();
    if (row > kMaxPorts - 1 || row < 0)
        return;
    clearPortSelection();
    m_labels.setSelected(row, true);
    m_panel.showPort(row);
    m_gating.apply(kindOf(row));
}

void PortSelection::followTableEdit(int row)
{
    const int highest = m_labels.highestSelected();
    if ((highest < 0 ? 0 : highest) != row)
        singleClick(row);
    setSelectAllChecked(false);
    setDeselectAllChecked(false);
}
