#include "app/mainwindow.h"

#include "app/appresources.h"
#include "catalogue/clickqlabel.h"
#include "catalogue/portlabels.h"
#include "config/generalfields.h"
#include "config/portcolumns.h"
#include "config/portgating.h"
#include "config/portpanel.h"
#include "config/portselection.h"
#include "config/porttable.h"
#include "file/filecommands.h"
#include "qos/dialog8021p.h"
#include "qos/dialogdscp.h"
#include "ui_mainwindow.h"

#include <QKeySequence>
#include <QMenuBar>
#include <QScreen>
#include <QSignalMapper>

namespace {

const QString kGroupBoxStyle = QStringLiteral(
    "QGroupBox{padding: 5px;border: 1px solid white;border-radius: 2px;margin-top: 10px;} "
    "QGroupBox::title {top: -10px;left: 10px;}");
const QString kSketchStyle =
    QStringLiteral("QGroupBox{padding: 5px;border: 2px solid white;border-radius: 2px;"
                   "margin-bottom:6px;margin-top:6px;} QGroupBox::title {top: -10px;left: 10px;}");
const QString kPlainLabelStyle =
    QStringLiteral("background-color : transparent; border: transparent;font-size: 12px;");
const QColor kWindowColour(218, 224, 234, 255);

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
    , helpPage(QStringLiteral("Mestrel.html"))
{
    ensureResourcesLoaded();
    ui->setupUi(this);

    // The editors only hold references; nothing runs until a widget changes.
    m_portLabels = new PortLabels(ui->label_productImage, this);
    m_portTable = new PortTable(ui->tableView_portSettings, m_state.config, this);
    m_gating = std::make_unique<PortGating>(ui, m_state.config);
    m_panel =
        std::make_unique<PortPanel>(ui, m_state.config, *m_portLabels, *m_gating, *m_portTable);
    m_selection = std::make_unique<PortSelection>(ui, m_state.config, *m_portLabels, *m_panel,
                                                  *m_gating, *m_portTable, this);
    m_generalFields = std::make_unique<GeneralFields>(ui, m_state);
    m_fileCommands = std::make_unique<FileCommands>(*this, ui, m_state);

    centreOnScreen();
    applyWindowStyle();
    createActions();
    createMenus();
    showLogo();
    fillProductList();

    m_generalFields->installValidators();

    m_portTable->build(24);
    ui->tableView_portSettings->setFocusPolicy(Qt::ClickFocus);
    ui->tableView_portSettings->setDragEnabled(false);
    ui->tableView_portSettings->setAutoScroll(false);
    connect(m_portTable, &PortTable::cellValueEdited, this,
            &MainWindow::currentIndexChangedfromTable, Qt::UniqueConnection);
    // Connected after the by-name slot, so the port is selected first.
    connect(ui->tableView_portSettings, &QTableView::clicked, this,
            &MainWindow::currentCellSelected, Qt::UniqueConnection);

    m_generalFields->installToolTips();

    ui->label_componentId->hide();
    ui->lineEdit_componentId->hide();
    ui->label_fileRelease->hide();
    ui->lineEdit_fileRelease->hide();

    connect(m_portLabels->singleClickMapper(), &QSignalMapper::mappedInt, this,
            &MainWindow::label_singleclick);
    connect(m_portLabels->controlClickMapper(), &QSignalMapper::mappedInt, this,
            &MainWindow::label_controlclick);

    m_gating->apply(NoPort);
    modelselection(0);

    helpGerman = 0;
    m_portTable->editState().cellClicked = false;
    setFocus();

    connectActivatedSignals();
}

MainWindow::~MainWindow()
{
    // The editors refer to the form; they go before it.
    m_fileCommands.reset();
    m_selection.reset();
    m_panel.reset();
    m_gating.reset();
    m_generalFields.reset();
    delete ui;
}

QStandardItemModel *MainWindow::portSettingsModel() const
{
    return m_portTable->model();
}

void MainWindow::centreOnScreen()
{
    const QScreen *shown = screen();
    if (!shown)
        return;
    const QRect area = shown->geometry();
    const QPoint centre((area.left() + area.right()) / 2, (area.top() + area.bottom()) / 2);
    move(centre - QPoint(width() / 2, height() / 2));
}

void MainWindow::applyWindowStyle()
{
    setWindowIcon(
        QIcon(QPixmap(QStringLiteral(":/Image/icon.png")).scaled(20, 20, Qt::IgnoreAspectRatio)));
    setWindowTitle(QStringLiteral("Mestrel"));
    QPalette colours = palette();
    colours.setBrush(QPalette::All, QPalette::Window, QBrush(kWindowColour, Qt::SolidPattern));
    setPalette(colours);

    ui->label_productImage->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    ui->groupBox_productOutline->hide();
    for (QGroupBox *box : {ui->gridGroupBox, ui->groupBox_globalParameters,
                           ui->groupBox_configurePortParameters, ui->groupBox_portSettings})
        box->setStyleSheet(kGroupBoxStyle);
    ui->groupBox_sketch->setStyleSheet(kSketchStyle);
    ui->lineEdit_serialFix->setEnabled(false);
    ui->radioButton_selectAll->setStyleSheet(QStringLiteral("border: transparent;"));
    ui->radioButton_deselectAll->setStyleSheet(QStringLiteral("border: transparent;"));
    ui->label_selectAll->setStyleSheet(kPlainLabelStyle);
    ui->label_deselectAll->setStyleSheet(kPlainLabelStyle);
}

void MainWindow::createActions()
{
    struct ActionSpec
    {
        QAction **action;
        const char *text;
        QKeySequence::StandardKey key;
        const char *statusTip;
        void (MainWindow::*slot)();
    };
    const ActionSpec specs[] = {
        {&newAct, "&New", QKeySequence::New, "Create a new file", &MainWindow::newFile},
        {&openAct, "&Open", QKeySequence::Open, "Open an existing file", &MainWindow::open},
        {&saveAct, "&Save", QKeySequence::Save, "Save the document to disk", &MainWindow::save},
        {&saveAsAct, "&SaveAs", QKeySequence::SaveAs, "SaveAs the document", &MainWindow::saveAs},
        {&saveToUsbAct, "&Save to USB", QKeySequence::SaveAs, "Save to USb the document",
         &MainWindow::saveToUsb},
        {&exitAct, "E&xit", QKeySequence::Quit, "Exit the application", &MainWindow::exit},
        {&exportAct, "&Export", QKeySequence::UnknownKey, "Export", &MainWindow::exportReport},
        {&englishAct, "&English", QKeySequence::UnknownKey, "", &MainWindow::engLan},
        {&germanAct, "&German", QKeySequence::UnknownKey, "", &MainWindow::gerLan},
        {&onlineHelpAct, "&Online Help", QKeySequence::HelpContents, "Online Help",
         &MainWindow::onlineHelp},
        {&webSiteAct, "Webs&ite", QKeySequence::UnknownKey, "Open website", &MainWindow::webSite},
        {&aboutAct, "&About", QKeySequence::UnknownKey, "Show the application's About box",
         &MainWindow::about},
    };
    for (const ActionSpec &spec : specs) {
        auto *action = new QAction(tr(spec.text), this);
        if (spec.key != QKeySequence::UnknownKey)
            action->setShortcuts(spec.key);
        action->setStatusTip(tr(spec.statusTip));
        connect(action, &QAction::triggered, this, spec.slot, Qt::UniqueConnection);
        *spec.action = action;
    }
    englishAct->setCheckable(true);
    englishAct->setChecked(true);
    germanAct->setCheckable(true);
    germanAct->setChecked(false);
}

void MainWindow::createMenus()
{
    fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->addAction(newAct);
    fileMenu->addAction(openAct);
    fileMenu->addAction(saveAct);
    fileMenu->addAction(saveAsAct);
    fileMenu->addAction(exitAct);
    // "Save to USB" has the Save As key and stays out of the menus, so the
    // key always reaches Save As.

    documentationMenu = menuBar()->addMenu(tr("&Documentation"));
    documentationMenu->addAction(exportAct);

    helpMenu = menuBar()->addMenu(tr("&Help"));
    languageMenu = helpMenu->addMenu(tr("&Language"));
    languageMenu->addAction(englishAct);
    languageMenu->addAction(germanAct);
    helpMenu->addAction(onlineHelpAct);
    helpMenu->addAction(webSiteAct);
    helpMenu->addAction(aboutAct);
}

void MainWindow::showLogo()
{
    const QPixmap logo(QStringLiteral(":/Image/logo.png"));
    ui->label_oemLogo->setFixedSize(150, 50);
    ui->label_oemLogo->setPixmap(
        logo.scaled(150, 50, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    ui->label_oemLogo->setStyleSheet(kPlainLabelStyle);
}

void MainWindow::fillProductList()
{
    for (const ProductRecord &row : ProductCatalogue)
        ui->comboBox_productSelection->addItem(row.modelName);
    // Connected only now, so filling the list selects no model.
    connect(ui->comboBox_productSelection, qOverload<int>(&QComboBox::currentIndexChanged), this,
            &MainWindow::modelselection);
}

void MainWindow::connectActivatedSignals()
{
    // Picking the item already shown emits only activated; with it every
    // pick runs the handler, once for the same item, twice for another.
    const std::pair<QComboBox *, void (MainWindow::*)(int)> handlers[] = {
        {ui->comboBox_adminState, &MainWindow::on_comboBox_adminState_currentIndexChanged},
        {ui->comboBox_alarmLink, &MainWindow::on_comboBox_alarmLink_currentIndexChanged},
        {ui->comboBox_speed, &MainWindow::on_comboBox_speed_currentIndexChanged},
        {ui->comboBox_autoNeg, &MainWindow::on_comboBox_autoNeg_currentIndexChanged},
        {ui->comboBox_autoCrossing, &MainWindow::on_comboBox_autoCrossing_currentIndexChanged},
        {ui->comboBox_duplexMode, &MainWindow::on_comboBox_duplexMode_currentIndexChanged},
        {ui->comboBox_mdiState, &MainWindow::on_comboBox_mdiState_currentIndexChanged},
        {ui->comboBox_flowControl, &MainWindow::on_comboBox_flowControl_currentIndexChanged},
        {ui->comboBox_broadcastStormProtection,
         &MainWindow::on_comboBox_broadcastStormProtection_currentIndexChanged},
        {ui->comboBox_multicastStormProtection,
         &MainWindow::on_comboBox_multicastStormProtection_currentIndexChanged},
        {ui->comboBox_jumboFrames, &MainWindow::on_comboBox_jumboFrames_currentIndexChanged},
        {ui->comboBox_qosTrustMode, &MainWindow::on_comboBox_qosTrustMode_currentIndexChanged},
        {ui->comboBox_portpriority, &MainWindow::on_comboBox_portpriority_currentIndexChanged},
        {ui->comboBox_eee, &MainWindow::on_comboBox_eee_currentIndexChanged},
        {ui->comboBox_poeAdminState, &MainWindow::on_comboBox_poeAdminState_currentIndexChanged},
        {ui->comboBox_poePriority, &MainWindow::on_comboBox_poePriority_currentIndexChanged},
    };
    for (const auto &[combo, slot] : handlers)
        connect(combo, qOverload<int>(&QComboBox::activated), this, slot, Qt::UniqueConnection);
}

void MainWindow::modelselection(int index)
{
    const ProductRecord &row = catalogueRow(index);
    SwitchConfig &config = m_state.config;

    m_state.loadHadErrors = false;
    m_state.lineCounter = 0;
    config.portKindMask = row.portKindMask;
    config.portSpeedMask = row.portSpeedMask;
    config.nonTpPortCount = row.nonTpPortCount;
    config.portCount = row.portCount;

    // Program changes: the textEdited slots do not run.
    ui->lineEdit_contactName->setText(QString());
    ui->lineEdit_location->setText(QString());
    ui->lineEdit_fileRelease->setText(QString());
    ui->lineEdit_componentId->setText(QString());
    ui->lineEdit_serialNumber->setText(QString());

    config.configId = row.configId;
    m_portLabels->placeForModel(row);
    m_selection->setSelectAllChecked(false);
    m_selection->setDeselectAllChecked(true);
    m_portTable->build(row.portCount);
    m_portLabels->showProductPicture(row);

    ui->lineEdit_serialFix->setText(articleNumber(index));
    m_state.serialPrefix = QString() + ui->lineEdit_serialFix->text() + QStringLiteral("-");

    resetToDefaults(config);
    m_generalFields->refresh();
    m_portTable->refresh();

    // Selects port 1 and deselects it again: nothing is selected and the
    // panel shows port 1's values.
    label_singleclick(0);
    label_singleclick(0);
    m_gating->apply(NoPort);

    if (config.configId == kConfigIdPoEModel) {
        ui->label_selectAll->setText(QStringLiteral("Select All\n PoE Ports"));
        ui->label_deselectAll->setText(QStringLiteral("Deselect All\n PoE Ports"));
        ui->label_allowedPoEOverride_info->setVisible(true);
        ui->label_allowedPoEOverride_info2->setVisible(true);
        ui->toolButton_allowedPoEOverride_info->setVisible(true);
        ui->toolButton_allowedPoEOverride_info->setEnabled(true);
    } else {
        ui->label_selectAll->setText(QStringLiteral("Select All\n TP Ports"));
        ui->label_deselectAll->setText(QStringLiteral("Deselect All\n TP Ports"));
    }
}

void MainWindow::newFile()
{
    m_fileCommands->clearCurrentFileName();
    ui->label_productImage->setToolTip(QString());
    ui->lineEdit_serialNumber->clear();
    m_selection->clearPortSelection();
    ui->lineEdit_contactName->clear();
    ui->lineEdit_location->clear();
    ui->lineEdit_fileRelease->clear();
    ui->lineEdit_componentId->clear();
    m_generalFields->rebuildSerialPrefix();

    // The model stays; only its configuration returns to the defaults.
    m_selection->setSelectAllChecked(false);
    m_selection->setDeselectAllChecked(true);
    m_gating->apply(NoPort);
    resetToDefaults(m_state.config);
    m_generalFields->refresh();
    m_portTable->refresh();
    m_panel->showPort(0);
    m_selection->setDeselectAllChecked(true);
}

void MainWindow::exit()
{
    close();
}

void MainWindow::setActive()
{
    activateWindow();
}

void MainWindow::label_singleclick(int port)
{
    m_selection->singleClick(port);
}

void MainWindow::label_controlclick(int port)
{
    m_selection->controlClick(port);
}

void MainWindow::on_radioButton_selectAll_clicked(bool checked)
{
    m_selection->selectAllClicked(checked);
}

void MainWindow::on_radioButton_deselectAll_clicked(bool checked)
{
    m_selection->deselectAllClicked(checked);
}

void MainWindow::on_tableView_portSettings_clicked(const QModelIndex &index)
{
    m_selection->tableClicked(index);
}

void MainWindow::currentCellSelected(const QModelIndex &index)
{
    m_portTable->cellSelected(index);
    m_selection->setSelectAllChecked(false);
    m_selection->setDeselectAllChecked(false);
}

void MainWindow::currentIndexChangedfromTable(const QString &text)
{
    const QModelIndex current = ui->tableView_portSettings->currentIndex();
    m_selection->followTableEdit(current.row());
    if (m_portTable->isUpdating())
        return; // the change came from the panel itself
    m_panel->applyTableEdit(current.row(), current.column(), text);
}

// The port panel's handlers, one row each in PortPanel's table.
void MainWindow::on_comboBox_adminState_currentIndexChanged(int index)
{
    m_panel->valueChanged(PortColumn::AdminState, index);
}

void MainWindow::on_comboBox_alarmLink_currentIndexChanged(int index)
{
    m_panel->valueChanged(PortColumn::AlarmLink, index);
}

void MainWindow::on_comboBox_speed_currentIndexChanged(int index)
{
    m_panel->valueChanged(PortColumn::Speed, index);
}

void MainWindow::on_comboBox_autoNeg_currentIndexChanged(int index)
{
    m_panel->valueChanged(PortColumn::AutoNeg, index);
}

void MainWindow::on_comboBox_autoCrossing_currentIndexChanged(int index)
{
    m_panel->valueChanged(PortColumn::AutoCrossing, index);
}

void MainWindow::on_comboBox_duplexMode_currentIndexChanged(int index)
{
    m_panel->valueChanged(PortColumn::DuplexMode, index);
}

void MainWindow::on_comboBox_mdiState_currentIndexChanged(int index)
{
    m_panel->valueChanged(PortColumn::MdiState, index);
}

void MainWindow::on_comboBox_flowControl_currentIndexChanged(int index)
{
    m_panel->valueChanged(PortColumn::FlowControl, index);
}

void MainWindow::on_comboBox_broadcastStormProtection_currentIndexChanged(int index)
{
    m_panel->valueChanged(PortColumn::BroadcastStormProtection, index);
}

void MainWindow::on_comboBox_multicastStormProtection_currentIndexChanged(int index)
{
    m_panel->valueChanged(PortColumn::MulticastStormProtection, index);
}

void MainWindow::on_comboBox_jumboFrames_currentIndexChanged(int index)
{
    m_panel->valueChanged(PortColumn::JumboFrames, index);
}

void MainWindow::on_comboBox_eee_currentIndexChanged(int index)
{
    m_panel->valueChanged(PortColumn::Eee, index);
}

void MainWindow::on_comboBox_poeAdminState_currentIndexChanged(int index)
{
    m_panel->valueChanged(PortColumn::PoeAdminState, index);
}

void MainWindow::on_comboBox_poePriority_currentIndexChanged(int index)
{
    m_panel->valueChanged(PortColumn::PoePriority, index);
}

void MainWindow::on_comboBox_portpriority_currentIndexChanged(int index)
{
    m_panel->valueChanged(PortColumn::PortPriority, index);
}

void MainWindow::on_comboBox_qosTrustMode_currentIndexChanged(int index)
{
    m_panel->trustModeChanged(index);
}

void MainWindow::on_spinBox_broadcastStormThreshold_valueChanged(int value)
{
    m_panel->valueChanged(PortColumn::BroadcastStormThreshold, value);
}

void MainWindow::on_spinBox_multicastStormThreshold_valueChanged(int value)
{
    m_panel->valueChanged(PortColumn::MulticastStormThreshold, value);
}

void MainWindow::on_spinBox_allowedPoEOverride_valueChanged(int value)
{
    m_panel->valueChanged(PortColumn::AllowedPoEOverride, value);
}

void MainWindow::on_lineEdit_allowedPoEClasses_textChanged(const QString &text)
{
    m_panel->classesChanged(text);
}

// General information and global parameters.
void MainWindow::on_lineEdit_fileRelease_textEdited(const QString &text)
{
    m_generalFields->fileReleaseEdited(text);
}

void MainWindow::on_lineEdit_contactName_textEdited(const QString &text)
{
    m_generalFields->contactNameEdited(text);
}

void MainWindow::on_lineEdit_location_textEdited(const QString &text)
{
    m_generalFields->locationEdited(text);
}

void MainWindow::on_lineEdit_componentId_textEdited(const QString &text)
{
    m_generalFields->componentIdEdited(text);
}

void MainWindow::on_lineEdit_serialNumber_textEdited(const QString &text)
{
    m_generalFields->serialNumberEdited(text);
}

void MainWindow::on_lineEdit_agingTime_textChanged(const QString &text)
{
    m_generalFields->agingTimeChanged(text);
}

void MainWindow::on_comboBox_psuAlarm1_currentIndexChanged(int index)
{
    m_generalFields->psuAlarmChanged(1, index);
}

void MainWindow::on_comboBox_psuAlarm2_currentIndexChanged(int index)
{
    m_generalFields->psuAlarmChanged(2, index);
}

void MainWindow::on_pushButton_qosPMapping_clicked()
{
    Dialog8021p dialog(m_state.config);
    dialog.setModal(true);
    dialog.exec();
}

void MainWindow::on_pushButton_qosDscpMapping_clicked()
{
    DialogDSCP dialog(m_state.config);
    dialog.setModal(true);
    dialog.exec();
}

void MainWindow::open()
{
    m_fileCommands->open();
}

void MainWindow::save()
{
    m_fileCommands->save();
}

void MainWindow::saveAs()
{
    m_fileCommands->saveAs();
}

void MainWindow::saveToUsb()
{
    m_fileCommands->saveToUsb();
}

void MainWindow::refreshAfterLoad()
{
    // Program changes: the textEdited slots do not run.
    ui->lineEdit_contactName->setText(QString());
    ui->lineEdit_location->setText(QString());
    ui->lineEdit_fileRelease->setText(QString());
    ui->lineEdit_componentId->setText(QString());
    ui->lineEdit_serialNumber->setText(QString());
    m_generalFields->rebuildSerialPrefix();
    m_selection->clearPortSelection();
    m_portTable->build(m_state.config.portCount);
    m_selection->setSelectAllChecked(false);
    m_selection->setDeselectAllChecked(true);
    m_gating->apply(NoPort);
    m_panel->showPort(0);
    // Contact and location come back from the record.
    m_generalFields->refresh();
    m_portTable->refresh();
}

// The report and the help pages arrive with their own subsystems; until
// then these actions do nothing.
void MainWindow::exportReport() { }
void MainWindow::engLan() { }
void MainWindow::gerLan() { }
void MainWindow::onlineHelp() { }
void MainWindow::webSite() { }
void MainWindow::about() { }
void MainWindow::on_toolButton_allowedPoEOverride_info_clicked() { }
