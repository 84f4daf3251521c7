#pragma once

// The main window and how its parts meet.
//
// ConfigEditor (config/) holds everything being edited: the record, the
// selected ports and what the port panel shows. The rules live beside it in
// the core, without widgets: panelgating (which parameters a port may use),
// portediting (what a change writes into which ports), portselection
// (clicks, Ctrl-clicks, Select All). The widgets are views of it:
//   GeneralFields  - "General Information" and "Global Parameters"
//   PortPanel      - "Port Parameters"
//   PortTable      - the port settings table (PortTableModel over the record)
//   PortLabels     - the product picture and its clickable port labels; the
//                    picture (PortPicture) is one keyboard stop whose Space
//                    and Ctrl+Space are a click and a Ctrl-click
// and the commands beside them: FileCommands (file/: Save, Save As, Save to
// USB, Open), ToolCommands (file/: compare with a file, apply a file to the
// current model, "Several Switches" of batch/, "Switch Files" of folder/), ReportCommands (report/:
// "&Export", "Print Report…", "Print Preview…"), HelpCommands (app/: help pages, language, web
// site, about box), UndoHistory (app/: "&Undo", "&Redo"), DocumentGuard (app/: the title naming
// the document's file, the modified marker and the questions before New, Open and closing) and
// ScreenFitArea (app/: the views in a scroll area, for screens smaller than they need). A
// user's change goes from a widget to a ConfigEditor method; the editor applies the rules and says
// what changed (stateReset, selectionChanged, portsChanged, generalChanged); the window redraws the
// views concerned. Nothing writes the record as a side effect of showing it.

#include <QMainWindow>
#include <QScopedPointer>

#include <memory>

namespace Ui {
class MainWindow;
}
class QAction;
class QMenu;
class ConfigEditor;
class DocumentGuard;
class FileCommands;
class HelpCommands;
class PortLabels;
class PortTable;
class PortTableModel;
class ReportCommands;
class ScreenFitArea;
class ToolCommands;
class UndoHistory;
struct EditorState;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    ConfigEditor *editor() const { return m_editor; }
    const EditorState &state() const;
    PortLabels *portLabels() const { return m_portLabels; }
    PortTableModel *portSettingsModel() const;
    HelpCommands &helpCommands() const { return *m_help; }
    FileCommands &fileCommands() const { return *m_fileCommands; }
    ReportCommands &reportCommands() const { return *m_reportCommands; }
    UndoHistory &undoHistory() const { return *m_history; }
    DocumentGuard &document() const { return *m_document; }

    // Sizes the window for a free area of a screen and centres it there, as
    // it does on its own screen when it opens; where the area is smaller
    // than the contents need, the contents scroll.
    void centreIn(const QRect &area);

public slots:
    // The lower-case "click" is a name other parts rely on; keep its spelling.
    void label_singleclick(int port);
    void label_controlclick(int port);
    void setActive();
    void on_toolButton_allowedPoEOverride_info_clicked();
    void newFile();
    void open();
    void save();
    void saveAs();
    void saveToUsb();
    void exit();
    void exportReport();
    void printReport();
    void printPreview();
    void compareWithFile();
    void applyFileToCurrentModel();
    void makeFilesForSeveralSwitches();
    void checkFolder();
    // The short language names are names other parts rely on; keep them.
    void engLan();
    void gerLan();
    void onlineHelp();
    void webSite();
    void about();
    // The keyboard's ways to the picture and to the port table.
    void choosePorts();
    void focusPortTable();
    void on_radioButton_selectAll_clicked(bool checked);
    void on_radioButton_deselectAll_clicked(bool checked);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void centreOnScreen();
    void applyWindowStyle();
    // The colours of the window's look, from the desktop's palette: on the
    // first show and whenever the desktop's palette or style changes.
    void applyColours();
    void createActions();
    // The keys the platform gives no standard for, and the language marks.
    void setKeysOfTheirOwn();
    void createMenus();
    void showLogo();
    void connectViews();
    void orderTabStops();

    // Redrawing the views after the editor's changes.
    void showEverything();
    void showSelection();
    void showPorts();
    void showGeneralFields();

    const QScopedPointer<Ui::MainWindow> m_ui;
    ConfigEditor *m_editor;
    ScreenFitArea *m_screenFit = nullptr;
    UndoHistory *m_history = nullptr;
    DocumentGuard *m_document = nullptr;
    PortLabels *m_portLabels = nullptr;
    PortTable *m_portTable = nullptr;
    int m_shownModel = -1;
    std::unique_ptr<FileCommands> m_fileCommands;
    std::unique_ptr<HelpCommands> m_help;
    std::unique_ptr<ReportCommands> m_reportCommands;
    std::unique_ptr<ToolCommands> m_toolCommands;

    QAction *newAct = nullptr;
    QAction *openAct = nullptr;
    QAction *saveAct = nullptr;
    QAction *saveAsAct = nullptr;
    QAction *saveToUsbAct = nullptr;
    QAction *exitAct = nullptr;
    QAction *exportAct = nullptr;
    QAction *printAct = nullptr;
    QAction *printPreviewAct = nullptr;
    QAction *compareAct = nullptr;
    QAction *applyFileAct = nullptr;
    QAction *severalSwitchesAct = nullptr;
    QAction *checkFolderAct = nullptr;
    QAction *englishAct = nullptr;
    QAction *germanAct = nullptr;
    QAction *onlineHelpAct = nullptr;
    QAction *webSiteAct = nullptr;
    QAction *aboutAct = nullptr;
    QAction *choosePortsAct = nullptr;
    QAction *portTableAct = nullptr;
    QMenu *fileMenu = nullptr;
    QMenu *editMenu = nullptr;
    QMenu *documentationMenu = nullptr;
    QMenu *toolsMenu = nullptr;
    QMenu *helpMenu = nullptr;
    QMenu *languageMenu = nullptr;
};
