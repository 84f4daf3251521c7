#include "window/app/mainwindow.h"

#include "core/config/configeditor.h"
#include "core/file/outputjobs.h"
#include "resources/appresources.h"
#include "ui_mainwindow.h"
#include "window/app/desksetup.h"
#include "window/app/documentguard.h"
#include "window/app/helpcommands.h"
#include "window/app/screenfitarea.h"
#include "window/app/undohistory.h"
#include "window/catalogue/portlabels.h"
#include "window/catalogue/portpicture.h"
#include "window/config/generalfields.h"
#include "window/config/portpanel.h"
#include "window/config/porttable.h"
#include "window/config/porttablemodel.h"
#include "window/file/filecommands.h"
#include "window/file/toolcommands.h"
#include "window/ground/accessiblenames.h"
#include "window/ground/desktopcolours.h"
#include "window/report/reportcommands.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenuBar>
#include <QScreen>

namespace {

const QString kGroupBoxStyle = QStringLiteral(
    "QGroupBox{padding: 5px;border: 1px solid white;border-radius: 2px;margin-top: 10px;} "
    "QGroupBox::title {top: -10px;left: 10px;}");
const QString kSketchStyle =
    QStringLiteral("QGroupBox{padding: 5px;border: 2px solid white;border-radius: 2px;"
                   "margin-bottom:6px;margin-top:6px;} QGroupBox::title {top: -10px;left: 10px;}");
const QString kPlainLabelStyle =
    QStringLiteral("background-color : transparent; border: transparent;font-size: 12px;");
const QString kLogoPlateStyle = QStringLiteral(
    "background-color : rgb(218, 224, 234); border: transparent; border-radius: 4px;");

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , m_ui(new Ui::MainWindow)
    , m_editor(new ConfigEditor(this))
{
    ensureResourcesLoaded();
    m_ui->setupUi(this);
    m_history = new UndoHistory(m_editor, this);
    m_portLabels = new PortLabels(m_ui->label_productImage, this);
    m_portTable = new PortTable(m_ui->tableView_portSettings, m_editor, this);

    applyWindowStyle();
    createActions();
    createMenus();
    m_fileCommands = std::make_unique<FileCommands>(m_editor, this);
    m_document = new DocumentGuard(m_editor, this);
    m_help = std::make_unique<HelpCommands>(englishAct, germanAct);
    m_reportCommands = std::make_unique<ReportCommands>(m_editor, this);
    m_toolCommands = std::make_unique<ToolCommands>(m_editor, m_fileCommands.get(), this);
    showLogo();
    connectViews();
    showEverything();
    AccessibleNames::nameFieldsAfterLabels(this);
    orderTabStops();
    // The contents go into the scroll area once they are styled and filled.
    m_screenFit = new ScreenFitArea(takeCentralWidget(), this);
    setCentralWidget(m_screenFit);
    centreOnScreen(); // once the model's texts are in, so the layouts know their size
    setFocus();
}

MainWindow::~MainWindow()
{
    // An editor still open in the table commits its value when the closing
    // window takes its focus; the views are half gone by then.
    m_editor->blockSignals(true);
    // A report of a cancelled batch may still be being made; it must end
    // before the application does.
    OutputJobs::waitForStragglers();
}

const EditorState &MainWindow::state() const
{
    return m_editor->state();
}

PortTableModel *MainWindow::portSettingsModel() const
{
    return m_portTable->model();
}

void MainWindow::connectViews()
{
    m_ui->widget_generalFields->setEditor(m_editor);
    m_ui->groupBox_configurePortParameters->setEditor(m_editor);
    connect(m_portLabels, &PortLabels::portClicked, this, &MainWindow::label_singleclick);
    connect(m_portLabels, &PortLabels::portControlClicked, this, &MainWindow::label_controlclick);

    connect(m_editor, &ConfigEditor::stateReset, this, &MainWindow::showEverything);
    connect(m_editor, &ConfigEditor::selectionChanged, this, &MainWindow::showSelection);
    connect(m_editor, &ConfigEditor::portsChanged, this, &MainWindow::showPorts);
    connect(m_editor, &ConfigEditor::generalChanged, this, &MainWindow::showGeneralFields);
}

void MainWindow::orderTabStops()
{
    // Top to bottom, as the user chooses: the general fields and global
    // parameters, the two radio buttons, the picture, then the port panel
    // the choice opens. The port table takes the focus by a click or
    // "Port Table" only.
    QWidget *lastGeneralField = m_ui->widget_generalFields;
    while (m_ui->widget_generalFields->isAncestorOf(lastGeneralField->nextInFocusChain()))
        lastGeneralField = lastGeneralField->nextInFocusChain();
    QWidget::setTabOrder(lastGeneralField, m_ui->radioButton_selectAll);
    QWidget::setTabOrder(m_ui->radioButton_selectAll, m_ui->radioButton_deselectAll);
    QWidget::setTabOrder(m_ui->radioButton_deselectAll, m_ui->label_productImage);
}

void MainWindow::showEverything()
{
    const EditorState &state = m_editor->state();
    if (state.config.modelIndex != m_shownModel) {
        const ProductRecord &row = state.row();
        m_portLabels->showModel(state);
        // Select All leaves port 1 out when it is the one port without PoE.
        const bool poeModel = row.hasPoEPorts();
        m_ui->label_selectAll->setText(poeModel ? QStringLiteral("Select All\n PoE Ports")
                                                : QStringLiteral("Select All\n TP Ports"));
        m_ui->label_deselectAll->setText(poeModel ? QStringLiteral("Deselect All\n PoE Ports")
                                                  : QStringLiteral("Deselect All\n TP Ports"));
        AccessibleNames::nameFieldsAfterLabels(m_ui->groupBox_sketch);
        m_shownModel = state.config.modelIndex;
    }
    m_portTable->reload();
    showSelection(); // the panel and the general fields too
}

void MainWindow::showSelection()
{
    const EditorState &state = m_editor->state();
    m_portLabels->showSelection(state.selection);
    // Set without the group unchecking the other button and without a click.
    const auto setChecked = [](QRadioButton *button, bool checked) {
        button->setAutoExclusive(false);
        button->setChecked(checked);
        button->setAutoExclusive(true);
    };
    setChecked(m_ui->radioButton_selectAll, state.selection.selectAllMode);
    setChecked(m_ui->radioButton_deselectAll, state.selection.isEmpty());
    m_ui->groupBox_configurePortParameters->showState(state);
    m_ui->widget_generalFields->showState(state);
}

void MainWindow::showPorts()
{
    // The table follows the model's own signal; the panel and the trust
    // mode show what the edit left.
    m_ui->groupBox_configurePortParameters->showState(m_editor->state());
    m_ui->widget_generalFields->showState(m_editor->state());
}

void MainWindow::showGeneralFields()
{
    m_ui->widget_generalFields->showState(m_editor->state());
}

void MainWindow::centreOnScreen()
{
    if (const QScreen *shown = screen())
        centreIn(shown->availableGeometry());
}

void MainWindow::centreIn(const QRect &area)
{
    // The contents scroll where the area is smaller than they need.
    m_screenFit->fitWindowInto(area);
    const QMargins frame = DeskSetup::windowFrame(this);
    resize(DeskSetup::firstWindowSize(DeskSetup::kPreferredWindowSize, minimumSizeHint(), area,
                                      frame));
    const QPoint centre((area.left() + area.right()) / 2, (area.top() + area.bottom()) / 2);
    const QSize framed = size().grownBy(frame);
    QPoint topLeft = centre - QPoint(framed.width() / 2, framed.height() / 2);
    // A window larger than the area keeps its title bar and menus on it.
    topLeft.setX(qMax(topLeft.x(), area.left()));
    topLeft.setY(qMax(topLeft.y(), area.top()));
    move(topLeft);
}

void MainWindow::applyWindowStyle()
{
    setWindowIcon(
        QIcon(QPixmap(QStringLiteral(":/Image/icon.png")).scaled(20, 20, Qt::IgnoreAspectRatio)));
    setWindowTitle(QStringLiteral("Mestrel[*]"));
    DesktopColours::follow(this, [this] { applyColours(); });

    m_ui->label_productImage->setAlignment(Qt::AlignHCenter | Qt::AlignVCenter);
    m_ui->groupBox_productOutline->hide();
    for (const char *name : {"gridGroupBox", "groupBox_globalParameters",
                             "groupBox_configurePortParameters", "groupBox_portSettings"})
        findChild<QGroupBox *>(QLatin1String(name))->setStyleSheet(kGroupBoxStyle);
    m_ui->groupBox_sketch->setStyleSheet(kSketchStyle);
    m_ui->radioButton_selectAll->setStyleSheet(QStringLiteral("border: transparent;"));
    m_ui->radioButton_deselectAll->setStyleSheet(QStringLiteral("border: transparent;"));
    m_ui->label_selectAll->setStyleSheet(kPlainLabelStyle);
    m_ui->label_deselectAll->setStyleSheet(kPlainLabelStyle);
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
        {&printAct, "&Print Report…", QKeySequence::Print,
         "Print the configuration report on a printer", &MainWindow::printReport},
        {&printPreviewAct, "Print Pre&view…", QKeySequence::UnknownKey,
         "Show the pages of the configuration report as they will be printed",
         &MainWindow::printPreview},
        {&compareAct, "&Compare with File…", QKeySequence::UnknownKey,
         "List the settings in which a file differs from this configuration",
         &MainWindow::compareWithFile},
        {&applyFileAct, "&Apply File to Current Model…", QKeySequence::UnknownKey,
         "Load the settings of a file of any model into the current model",
         &MainWindow::applyFileToCurrentModel},
        {&severalSwitchesAct, "&Make Files for Several Switches…", QKeySequence::UnknownKey,
         "Make a file (and a report) for every switch of a list from this configuration",
         &MainWindow::makeFilesForSeveralSwitches},
        {&checkFolderAct, "Chec&k Folder…", QKeySequence::UnknownKey,
         "List the switch files of a folder: model, texts and whether they load",
         &MainWindow::checkFolder},
        {&englishAct, "&English", QKeySequence::UnknownKey, "", &MainWindow::engLan},
        {&germanAct, "&German", QKeySequence::UnknownKey, "", &MainWindow::gerLan},
        {&onlineHelpAct, "&Online Help", QKeySequence::HelpContents, "Online Help",
         &MainWindow::onlineHelp},
        {&webSiteAct, "Webs&ite", QKeySequence::UnknownKey, "Open website", &MainWindow::webSite},
        {&aboutAct, "&About", QKeySequence::UnknownKey, "Show the application's About box",
         &MainWindow::about},
        {&choosePortsAct, "&Choose Ports", QKeySequence::UnknownKey,
         "Choose ports on the picture with the arrow keys and Space", &MainWindow::choosePorts},
        {&portTableAct, "Port &Table", QKeySequence::UnknownKey,
         "Move through the port settings table with the arrow keys; F2 edits a cell",
         &MainWindow::focusPortTable},
    };
    for (const ActionSpec &spec : specs) {
        auto *action = new QAction(tr(spec.text), this);
        if (spec.key != QKeySequence::UnknownKey)
            action->setShortcuts(spec.key);
        action->setStatusTip(tr(spec.statusTip));
        connect(action, &QAction::triggered, this, spec.slot, Qt::UniqueConnection);
        *spec.action = action;
    }
    setKeysOfTheirOwn();
}

void MainWindow::setKeysOfTheirOwn()
{
    // Some desktops have no Save As key; the common one then. Save to USB
    // keeps the platform's, so the key never reaches both.
    if (saveAsAct->shortcuts().isEmpty())
        saveAsAct->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    choosePortsAct->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
    portTableAct->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_T));
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

    editMenu = menuBar()->addMenu(tr("&Edit"));
    editMenu->addAction(m_history->undoAction());
    editMenu->addAction(m_history->redoAction());
    editMenu->addSeparator();
    editMenu->addAction(choosePortsAct);
    editMenu->addAction(portTableAct);

    documentationMenu = menuBar()->addMenu(tr("&Documentation"));
    documentationMenu->addAction(exportAct);
    documentationMenu->addAction(printAct);
    documentationMenu->addAction(printPreviewAct);

    toolsMenu = menuBar()->addMenu(tr("&Tools"));
    toolsMenu->addAction(compareAct);
    toolsMenu->addAction(applyFileAct);
    toolsMenu->addAction(severalSwitchesAct);
    toolsMenu->addAction(checkFolderAct);

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
    m_ui->label_oemLogo->setFixedSize(150, 50);
    // Drawn at twice its size; scaled to the screen's pixels, not to 150 x 50
    // of them.
    const qreal ratio = devicePixelRatioF();
    QPixmap shown =
        logo.scaled(QSize(150, 50) * ratio, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    shown.setDevicePixelRatio(ratio);
    m_ui->label_oemLogo->setPixmap(shown);
}

void MainWindow::applyColours()
{
    // From the desktop's palette as it is now; the window's own palette is
    // its look, which a switch back to light must not start from.
    setPalette(DeskSetup::windowPalette(QApplication::palette(this)));
    // The logo's lettering is dark; on a dark desktop palette it keeps the
    // light plate it was drawn for.
    const bool lightWindow = palette().color(QPalette::Window) == DeskSetup::kWindowColour;
    const QString logoStyle = lightWindow ? kPlainLabelStyle : kLogoPlateStyle;
    if (m_ui->label_oemLogo->styleSheet() != logoStyle)
        m_ui->label_oemLogo->setStyleSheet(logoStyle);
}

void MainWindow::newFile()
{
    if (!m_document->maySetAside([this] { return m_fileCommands->save(); }))
        return;
    m_ui->label_productImage->setToolTip(QString());
    // The model stays; only its configuration returns to the defaults.
    m_editor->newConfiguration();
}

void MainWindow::exit()
{
    close();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!m_document->mayClose([this] { return m_fileCommands->save(); }))
        event->ignore();
}

void MainWindow::setActive()
{
    activateWindow();
}

void MainWindow::label_singleclick(int port)
{
    // An editor open in the table closes when the focus leaves it. Only
    // then does the window take the focus: a window gaining or losing the
    // focus repaints as a whole.
    QWidget *focused = QApplication::focusWidget();
    if (focused && m_ui->tableView_portSettings->isAncestorOf(focused))
        setFocus();
    m_editor->clickPort(port);
}

void MainWindow::label_controlclick(int port)
{
    m_editor->controlClickPort(port);
}

void MainWindow::choosePorts()
{
    m_ui->label_productImage->setFocus(Qt::ShortcutFocusReason);
}

void MainWindow::focusPortTable()
{
    m_portTable->takeFocus(m_editor->state().selection.highest());
}

void MainWindow::on_radioButton_selectAll_clicked(bool checked)
{
    if (checked)
        m_editor->selectAllPorts();
}

void MainWindow::on_radioButton_deselectAll_clicked(bool checked)
{
    if (checked)
        m_editor->deselectAllPorts();
}

void MainWindow::exportReport()
{
    m_reportCommands->exportReport();
}

void MainWindow::printReport()
{
    m_reportCommands->printReport();
}

void MainWindow::printPreview()
{
    m_reportCommands->printPreview();
}

void MainWindow::compareWithFile()
{
    m_toolCommands->compareWithFile();
}

void MainWindow::applyFileToCurrentModel()
{
    m_toolCommands->applyFileToCurrentModel();
}

void MainWindow::makeFilesForSeveralSwitches()
{
    m_toolCommands->makeFilesForSeveralSwitches();
}

void MainWindow::checkFolder()
{
    // A file opened from the list is opened as Open opens it.
    m_toolCommands->checkFolder([this](const QString &path) {
        return m_document->maySetAside([this] { return m_fileCommands->save(); }) &&
            m_fileCommands->loadConfigFile(path);
    });
}

void MainWindow::open()
{
    if (m_document->maySetAside([this] { return m_fileCommands->save(); }))
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

// The help menu and the PoE user limit's "..." button.
void MainWindow::engLan()
{
    m_help->engLan();
}

void MainWindow::gerLan()
{
    m_help->gerLan();
}

void MainWindow::onlineHelp()
{
    m_help->onlineHelp();
}

void MainWindow::webSite()
{
    m_help->webSite();
}

void MainWindow::about()
{
    m_help->about();
}

void MainWindow::on_toolButton_allowedPoEOverride_info_clicked()
{
    m_help->portParametersHelp();
}
