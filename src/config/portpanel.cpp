#include "config/portpanel.h"

#include "catalogue/portlabels.h"
#include "config/poeclasses.h"
#include "config/portcolumns.h"
#include "config/portgating.h"
#include "config/porttable.h"
#include "ui_mainwindow.h"

#include <QSignalBlocker>

#include <memory>
#include <vector>

namespace {

constexpr int kSpeedAuto = 3;
constexpr int kSpeed100 = 2;
constexpr int kSpeed10 = 1;

} // namespace

PortPanel::PortPanel(Ui::MainWindow *ui, SwitchConfig &config, PortLabels &labels,
                     PortGating &gating, PortTable &table)
    : ui(ui)
    , m_config(config)
    , m_labels(labels)
    , m_gating(gating)
    , m_table(table)
{
    m_rows = {
        {PortColumn::AdminState, ui->comboBox_adminState, 0, Targets::Standard, Regate::Never},
        {PortColumn::AlarmLink, ui->comboBox_alarmLink, 0, Targets::Standard, Regate::Never},
        {PortColumn::AutoNeg, ui->comboBox_autoNeg, 0, Targets::Standard, Regate::Always},
        {PortColumn::Speed, ui->comboBox_speed, 1, Targets::Standard, Regate::Never},
        {PortColumn::DuplexMode, ui->comboBox_duplexMode, 1, Targets::Standard, Regate::Never},
        {PortColumn::AutoCrossing, ui->comboBox_autoCrossing, 0, Targets::Standard, Regate::Always},
        {PortColumn::MdiState, ui->comboBox_mdiState, 0, Targets::Standard, Regate::Never},
        {PortColumn::FlowControl, ui->comboBox_flowControl, 0, Targets::Standard, Regate::Never},
        {PortColumn::BroadcastStormProtection, ui->comboBox_broadcastStormProtection, 0,
         Targets::Standard, Regate::Always},
        {PortColumn::BroadcastStormThreshold, ui->spinBox_broadcastStormThreshold, 0,
         Targets::Standard, Regate::Never},
        {PortColumn::MulticastStormProtection, ui->comboBox_multicastStormProtection, 0,
         Targets::Standard, Regate::Always},
        {PortColumn::MulticastStormThreshold, ui->spinBox_multicastStormThreshold, 0,
         Targets::Standard, Regate::Never},
        {PortColumn::JumboFrames, ui->comboBox_jumboFrames, 0, Targets::Standard, Regate::Never},
        {PortColumn::QosTrustMode, ui->comboBox_qosTrustMode, 0, Targets::Standard, Regate::Never},
        {PortColumn::PortPriority, ui->comboBox_portpriority, 0, Targets::PortPriority,
         Regate::InSelectAllMode},
        {PortColumn::Eee, ui->comboBox_eee, 0, Targets::Standard, Regate::Never},
        {PortColumn::PoeAdminState, ui->comboBox_poeAdminState, 0, Targets::PoE, Regate::Always},
        {PortColumn::PoePriority, ui->comboBox_poePriority, 1, Targets::PoE, Regate::Never},
        {PortColumn::AllowedPoEClasses, ui->lineEdit_allowedPoEClasses, 0, Targets::PoE,
         Regate::Never},
        {PortColumn::AllowedPoEOverride, ui->spinBox_allowedPoEOverride, 0, Targets::PoE,
         Regate::Never},
    };
}

const PortPanel::Row *PortPanel::rowFor(int column) const
{
    if (column < 0 || column >= m_rows.size())
        return nullptr;
    return &m_rows[column];
}

QWidget *PortPanel::widgetForColumn(int column) const
{
    const Row *row = rowFor(column);
    return row ? row->widget : nullptr;
}

bool PortPanel::selectAllMode() const
{
    return ui->radioButton_selectAll->isChecked();
}

PortKind PortPanel::kindOf(int portIndex) const
{
    return portKindOf(catalogueRow(ui->comboBox_productSelection->currentIndex()), m_config,
                      portIndex);
}

QVector<int> PortPanel::targetPorts(Targets targets) const
{
    QVector<int> ports;
    const bool selectAll = selectAllMode();
    const int twistedPair = m_config.twistedPairCount();
    if (!selectAll) {
        for (int i = 0; i < kMaxPorts; ++i) {
            if (m_labels.isSelected(i))
                ports << i;
        }
        return ports;
    }
    switch (targets) {
    case Targets::Standard:
        for (int i = 0; i < twistedPair; ++i)
            ports << i;
        break;
    case Targets::PoE:
        for (int i = 0; i < twistedPair; ++i) {
            if (i == 0 && m_config.configId == kConfigIdPoEModel)
                continue; // port 1 of that model has no PoE
            if (m_labels.isSelected(i))
                ports << i;
        }
        break;
    case Targets::PortPriority:
        for (int i = 0; i < m_config.portCount; ++i)
            ports << i;
        break;
    }
    return ports;
}

bool PortPanel::writesCellOnlyWhenStored(int column, bool selectAll) const
{
    return column == PortColumn::PortPriority || (column == PortColumn::AdminState && !selectAll);
}

QVariant PortPanel::cellValue(const Row &row) const
{
    if (auto *combo = qobject_cast<QComboBox *>(row.widget))
        return combo->currentText();
    const int value = static_cast<QSpinBox *>(row.widget)->value();
    if (row.column == PortColumn::AllowedPoEOverride)
        return poeLimitCellText(value);
    return value;
}

void PortPanel::valueChanged(int column, int value)
{
    const Row *row = rowFor(column);
    if (!row || column == PortColumn::QosTrustMode || column == PortColumn::AllowedPoEClasses)
        return;
    const bool selectAll = selectAllMode();
    const QVector<int> ports = targetPorts(row->targets);
    const bool regate =
        row->regate == Regate::Always || (row->regate == Regate::InSelectAllMode && selectAll);

    PortTable::UpdateGuard updating(m_table);
    for (int p : ports) {
        bool stored = false;
        if (row->widget->isEnabled()) {
            setPortFieldValue(m_config.ports[p], column, value + row->storedOffset);
            stored = true;
        }
        if (column == PortColumn::AutoNeg)
            applyAutoNegotiationRule(p, selectAll);
        if (stored || !writesCellOnlyWhenStored(column, selectAll))
            m_table.setCell(p, column, cellValue(*row));
        if (regate)
            m_gating.apply(kindOf(p));
    }
}

void PortPanel::applyAutoNegotiationRule(int portIndex, bool selectAll)
{
    // With auto negotiation on the speed is negotiated ("-"); switched off,
    // a port keeps 10 Mbit/s and otherwise runs at 100 Mbit/s. Each port
    // gets its own speed: the speed widget is set quietly so that it does
    // not copy one port's speed into every target port.
    PortConfig &port = m_config.ports[portIndex];
    if (ui->comboBox_autoNeg->currentIndex() == 1) {
        port.speed = kSpeedAuto;
    } else if (!selectAll) {
        if (port.speed == kSpeed100 || port.speed == kSpeedAuto)
            port.speed = kSpeed100;
        else if (port.speed != kSpeed10)
            return;
    } else {
        port.speed = kSpeed100;
    }
    {
        const QSignalBlocker quiet(ui->comboBox_speed);
        ui->comboBox_speed->setCurrentIndex(port.speed - 1);
    }
    m_table.setCell(portIndex, PortColumn::Speed, ui->comboBox_speed->currentText());
}

void PortPanel::trustModeChanged(int index)
{
    PortTable::UpdateGuard updating(m_table);
    // Trust mode is a switch-wide setting kept in every port, fibre included.
    if (ui->comboBox_qosTrustMode->isEnabled()) {
        const QString text = ui->comboBox_qosTrustMode->currentText();
        for (int p = 0; p < m_config.portCount && p < kMaxPorts; ++p) {
            m_config.ports[p].portQosTrustMode = quint8(index);
            m_table.setCell(p, PortColumn::QosTrustMode, text);
        }
    }
    const bool priorityEditable = index == 0 && m_labels.anySelected(0, kMaxPorts - 1);
    ui->label_portpriority->setEnabled(priorityEditable);
    ui->comboBox_portpriority->setEnabled(priorityEditable);
    m_config.qosTrustMode = quint8(index);
}

void PortPanel::classesChanged(const QString &text)
{
    QLineEdit *field = ui->lineEdit_allowedPoEClasses;
    const QString noClasses = QStringLiteral("-");

    if (!field->isEnabled()) {
        // A port without PoE: the field shows "-" and the ports hold no class.
        field->setText(noClasses);
        const bool selectAll = selectAllMode();
        for (int p : targetPorts(Targets::PoE)) {
            PortTable::UpdateGuard updating(m_table);
            if (!selectAll)
                m_config.ports[p].allowedPoEClasses.fill(kNoPoEClass);
            m_table.setCell(p, PortColumn::AllowedPoEClasses, noClasses);
        }
        return;
    }

    const ClassesEdit edit = normalizeClassesText(text, m_lastAcceptedClasses);
    if (edit.outcome == ClassesEdit::Ignore)
        return; // clearing the field at once keeps the stored classes
    if (edit.outcome == ClassesEdit::Replace && edit.text != field->text()) {
        field->setText(edit.text); // comes back here with the normalised text
        return;
    }

    m_lastAcceptedClasses = field->text();
    const std::array<quint8, 8> classes = classesFromText(m_lastAcceptedClasses);
    PortTable::UpdateGuard updating(m_table);
    for (int p : targetPorts(Targets::PoE)) {
        m_config.ports[p].allowedPoEClasses = classes;
        m_table.setCell(p, PortColumn::AllowedPoEClasses, m_lastAcceptedClasses);
    }
}

void PortPanel::showPort(int portIndex)
{
    if (portIndex < 0 || portIndex >= kMaxPorts)
        return;
    const PortConfig &port = m_config.ports[portIndex];

    {
        // The handlers stay quiet while the panel is filled, so showing a
        // port never writes one.
        std::vector<std::unique_ptr<QSignalBlocker>> quiet;
        for (const Row &row : qAsConst(m_rows))
            quiet.push_back(std::make_unique<QSignalBlocker>(row.widget));

        ui->comboBox_adminState->setCurrentIndex(port.adminState);
        ui->comboBox_alarmLink->setCurrentIndex(port.alarmLink);
        ui->comboBox_speed->setCurrentIndex(port.speed - 1);
        ui->comboBox_autoNeg->setCurrentIndex(port.autoNeg == 1 ? 1 : 0);
        ui->comboBox_autoCrossing->setCurrentIndex(port.autoCrossing == 1 ? 1 : 0);
        ui->comboBox_duplexMode->setCurrentIndex(port.duplexMode == 2 ? 1 : 0);
        ui->comboBox_mdiState->setCurrentIndex(port.mdiState);
        ui->comboBox_flowControl->setCurrentIndex(port.flowControl);
        ui->comboBox_broadcastStormProtection->setCurrentIndex(
            port.broadcastStormProtection == 1 ? 1 : 0);
        ui->spinBox_broadcastStormThreshold->setValue(port.broadcastStormThreshold);
        ui->comboBox_multicastStormProtection->setCurrentIndex(
            port.multicastStormProtection == 1 ? 1 : 0);
        ui->spinBox_multicastStormThreshold->setValue(port.multicastStormThreshold);
        ui->comboBox_jumboFrames->setCurrentIndex(port.jumboFrames == 1 ? 1 : 0);
        ui->comboBox_qosTrustMode->setCurrentIndex(port.portQosTrustMode);
        ui->comboBox_portpriority->setCurrentIndex(port.portPriority);
        ui->comboBox_eee->setCurrentIndex(port.eee == 1 ? 1 : 0);
        ui->comboBox_poeAdminState->setCurrentIndex(port.poeAdminState == 1 ? 1 : 0);
        ui->comboBox_poePriority->setCurrentIndex(port.poePriority - 1);
        ui->lineEdit_allowedPoEClasses->setText(sortedClassesText(port.allowedPoEClasses));
        ui->spinBox_allowedPoEOverride->setValue(port.allowedPoEOverride);
    }
    if (ui->lineEdit_allowedPoEClasses->isEnabled())
        m_lastAcceptedClasses = ui->lineEdit_allowedPoEClasses->text();
    m_table.refreshRow(portIndex);
}

void PortPanel::applyTableEdit(int row, int column, const QString &text)
{
    QWidget *widget = widgetForColumn(column);
    if (!widget || !widget->isEnabled() || row < 0 || row >= kMaxPorts)
        return; // the table cannot set what the panel does not allow
    PortConfig &port = m_config.ports[row];
    const Row &panelRow = m_rows[column];

    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        const int item = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (item < 0)
            return;
        combo->setCurrentIndex(item);
        setPortFieldValue(port, column, combo->currentIndex() + panelRow.storedOffset);
    } else if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
        spin->setValue(text.toInt());
        setPortFieldValue(port, column, spin->value());
    } else if (auto *line = qobject_cast<QLineEdit *>(widget)) {
        // An emptied cell leaves the classes as they are, like the panel.
        if (!text.isEmpty()) {
            const QStringList parts = text.split(QLatin1Char(','));
            for (int k = 0; k < parts.size() && k < int(port.allowedPoEClasses.size()); ++k)
                port.allowedPoEClasses[k] = quint8(parts.at(k).toInt());
        }
        line->setText(text);
    }

    if (column == PortColumn::PortPriority)
        m_table.refresh();
}
