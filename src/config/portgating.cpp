#include "config/portgating.h"

#include "ui_mainwindow.h"

#include <QStandardItemModel>

#include <initializer_list>

namespace {

void setEnabled(std::initializer_list<QWidget *> widgets, bool enabled)
{
    for (QWidget *w : widgets)
        w->setEnabled(enabled);
}

void setVisible(std::initializer_list<QWidget *> widgets, bool visible)
{
    for (QWidget *w : widgets)
        w->setVisible(visible);
}

bool isCopper(int kind)
{
    return kind >= CopperFast && kind <= CopperGigabitPoE;
}

bool isFibre(int kind)
{
    return kind == FibreFast || kind == FibreGigabit;
}

constexpr int kSpeedAutoItem = 2; // "-": speed left to auto negotiation

} // namespace

PortGating::PortGating(Ui::MainWindow *ui, const SwitchConfig &config)
    : ui(ui)
    , m_config(config)
{ }

const ProductRecord &PortGating::selectedRow() const
{
    return catalogueRow(ui->comboBox_productSelection->currentIndex());
}

void PortGating::apply(int kind)
{
    const ProductRecord &row = selectedRow();
    const bool hasAlarms = row.configId < kFirstConfigIdWithoutAlarms;
    setEnabled(
        {ui->label_psuAlarm1, ui->label_psuAlarm2, ui->comboBox_psuAlarm1, ui->comboBox_psuAlarm2},
        hasAlarms);
    if (kind < NoPort || kind > FibreGigabit)
        return;

    const bool port = kind != NoPort;
    const bool fibre = isFibre(kind);

    setEnabled({ui->label_portAdminState, ui->comboBox_adminState}, port);
    setEnabled({ui->label_linkAlarm, ui->comboBox_alarmLink}, port && hasAlarms);
    if (port)
        setEnabled({ui->label_autoNeg, ui->comboBox_autoNeg}, !fibre);

    if (fibre) {
        setEnabled({ui->label_duplexMode, ui->comboBox_duplexMode}, true);
        setEnabled({ui->label_speed, ui->comboBox_speed, ui->label_autoCrossing,
                    ui->comboBox_autoCrossing, ui->label_mdiState, ui->comboBox_mdiState},
                   false);
        disableSpeedAutoItem();
    } else {
        applySpeedChain();
    }

    setEnabled({ui->label_flowControl, ui->comboBox_flowControl, ui->label_broadcastStormProtection,
                ui->comboBox_broadcastStormProtection, ui->label_multicastStormProtection,
                ui->comboBox_multicastStormProtection},
               port);
    setEnabled({ui->label_broadcastStormThreshold, ui->spinBox_broadcastStormThreshold},
               port && ui->comboBox_broadcastStormProtection->currentIndex() == 1);
    setEnabled({ui->label_multicastStormThreshold, ui->spinBox_multicastStormThreshold},
               port && ui->comboBox_multicastStormProtection->currentIndex() == 1);
    setEnabled({ui->label_jumboFrames, ui->comboBox_jumboFrames},
               port && row.jumboFrameSupport == 1);
    if (fibre)
        setEnabled({ui->label_qosThrustMode, ui->comboBox_qosTrustMode}, true);
    // Port-based priority only counts while the ports are untrusted.
    setEnabled({ui->label_portpriority, ui->comboBox_portpriority},
               port && ui->comboBox_qosTrustMode->currentIndex() == 0);
    const bool gigabit = kind == CopperGigabit || kind == CopperGigabitPoE;
    setEnabled({ui->label_eee, ui->comboBox_eee},
               gigabit && ui->comboBox_autoNeg->currentIndex() == 1);

    if (isCopper(kind)) {
        applyCopperPoE(kind);
        return;
    }

    // No port, or a fibre port: no PoE at all.
    setEnabled({ui->label_poeAdminState, ui->comboBox_poeAdminState}, false);
    setEnabled({ui->label_poePriority, ui->comboBox_poePriority}, false);
    if (fibre) {
        ui->comboBox_poeAdminState->setCurrentIndex(0);
        ui->comboBox_poePriority->setCurrentIndex(0);
    }
    setEnabled({ui->label_allowedPoEClasses, ui->lineEdit_allowedPoEClasses,
                ui->label_allowedPoEOverride, ui->label_allowedPoEOverride_2},
               false);
    ui->spinBox_allowedPoEOverride->setSpecialValueText(QStringLiteral("-"));
    ui->spinBox_allowedPoEOverride->setEnabled(false);
    setVisible({ui->label_allowedPoEOverride_info, ui->label_allowedPoEOverride_info2,
                ui->toolButton_allowedPoEOverride_info},
               false);
    if (fibre)
        ui->toolButton_allowedPoEOverride_info->setEnabled(false);
}

void PortGating::applySpeedChain()
{
    if (ui->comboBox_autoNeg->currentIndex() == 1) {
        setEnabled({ui->label_speed, ui->comboBox_speed, ui->label_duplexMode,
                    ui->comboBox_duplexMode, ui->label_autoCrossing, ui->comboBox_autoCrossing,
                    ui->label_mdiState, ui->comboBox_mdiState},
                   false);
        disableSpeedAutoItem();
        return;
    }
    setEnabled({ui->label_speed, ui->comboBox_speed, ui->label_duplexMode, ui->comboBox_duplexMode,
                ui->label_autoCrossing, ui->comboBox_autoCrossing},
               true);
    setEnabled({ui->label_mdiState, ui->comboBox_mdiState},
               ui->comboBox_autoCrossing->currentIndex() != 1);
}

void PortGating::disableSpeedAutoItem()
{
    // "-" stays showable by program code but can no longer be picked.
    auto *items = qobject_cast<QStandardItemModel *>(ui->comboBox_speed->model());
    if (QStandardItem *item = items ? items->item(kSpeedAutoItem) : nullptr)
        item->setFlags(Qt::NoItemFlags);
}

void PortGating::applyCopperPoE(int kind)
{
    QSpinBox *limit = ui->spinBox_allowedPoEOverride;
    const auto showInfo = [this](bool shown) {
        setVisible({ui->label_allowedPoEOverride_info, ui->label_allowedPoEOverride_info2,
                    ui->toolButton_allowedPoEOverride_info},
                   shown);
        ui->toolButton_allowedPoEOverride_info->setEnabled(shown);
    };

    const bool poePort = m_config.hasPoE() && kind != CopperFast && kind != CopperGigabit;
    if (!poePort) {
        // Disabled first, so the placeholder values leave the record alone.
        setEnabled({ui->label_poeAdminState, ui->comboBox_poeAdminState}, false);
        ui->comboBox_poeAdminState->setCurrentIndex(0);
        setEnabled({ui->label_poePriority, ui->comboBox_poePriority}, false);
        ui->comboBox_poePriority->setCurrentIndex(0);
        setEnabled({ui->label_allowedPoEClasses, ui->lineEdit_allowedPoEClasses}, false);
        // Emptying the disabled field makes its handler show "-" and clear
        // the target ports' classes; an already empty field gets "-" at
        // once, so that happens every time.
        QLineEdit *classes = ui->lineEdit_allowedPoEClasses;
        classes->setText(classes->text().isEmpty() ? QStringLiteral("-") : QString());
        setEnabled({ui->label_allowedPoEOverride, ui->label_allowedPoEOverride_2, limit}, false);
        limit->setSpecialValueText(QStringLiteral("-"));
        showInfo(m_config.hasPoE());
        return;
    }

    setEnabled({ui->label_poeAdminState, ui->comboBox_poeAdminState}, true);
    if (ui->comboBox_poeAdminState->currentIndex() != 1) {
        setEnabled({ui->label_poePriority, ui->comboBox_poePriority, ui->label_allowedPoEClasses,
                    ui->lineEdit_allowedPoEClasses, ui->label_allowedPoEOverride,
                    ui->label_allowedPoEOverride_2},
                   false);
        showInfo(true);
        limit->setSpecialValueText(QStringLiteral("-"));
        limit->setEnabled(false);
        return;
    }

    setEnabled({ui->label_poePriority, ui->comboBox_poePriority, ui->label_allowedPoEClasses,
                ui->lineEdit_allowedPoEClasses},
               true);
    showInfo(true);
    // The user limit applies only while all five classes are allowed.
    if (ui->lineEdit_allowedPoEClasses->text() == QLatin1String("0,1,2,3,4")) {
        setEnabled({ui->label_allowedPoEOverride, ui->label_allowedPoEOverride_2, limit}, true);
    } else {
        // Cleared in the target ports whatever the spin box's state was, so
        // the record never keeps a limit the panel shows as "-".
        setEnabled({ui->label_allowedPoEOverride, ui->label_allowedPoEOverride_2}, false);
        limit->setEnabled(true);
        limit->setValue(0);
        limit->setEnabled(false);
    }
}
