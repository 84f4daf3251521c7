#pragma once

// The main window and how its parts meet.
//
// The window owns the configuration being edited (EditorState) and the
// objects that edit it, each in the folder of its subsystem:
//   catalogue/  PortLabels  - the product picture and its clickable port labels
//   config/     PortPanel   - the "Port Parameters" widgets and their handlers
//               PortGating  - which panel widgets a kind of port may use
//               PortSelection - clicks, Ctrl-clicks, Select All / Deselect All
//               PortTable   - the port settings table and its delegates
//               GeneralFields - "General Information" and "Global Parameters"
//   file/       FileCommands - Save, Save As, Save to USB and Open
//   qos/        the 802.1p and DSCP mapping dialogs
//
// A click on a port label goes through a signal mapper to label_singleclick,
// which selects the port and shows it in the panel. A change in a panel
// widget reaches its by-name slot here, which hands it to PortPanel: the
// value is written into the target ports of the record, their table cells
// are rewritten and the gating re-applied. A table edit sets the panel
// widget, so both views obey the same rules.

#include "config/editorstate.h"

#include <QMainWindow>
#include <QModelIndex>

#include <memory>

namespace Ui {
class MainWindow;
}
class QAction;
class QMenu;
class QStandardItemModel;
class GeneralFields;
class PortGating;
class PortLabels;
class PortPanel;
class PortSelection;
class PortTable;
class FileCommands;

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    EditorState &state() { return m_state; }
    const EditorState &state() const { return m_state; }
    PortLabels *portLabels() const { return m_portLabels; }
    FileCommands &fileCommands() const { return *m_fileCommands; }

    // After a file is loaded: empties the text fields, clears the selection,
    // rebuilds the table and fills every widget from the loaded record.
    void refreshAfterLoad();
    QStandardItemModel *portSettingsModel() const;

public slots:
    void modelselection(int index);
    void label_singleclick(int port);
    void label_controlclick(int port);
    void setActive();
    void on_pushButton_qosDscpMapping_clicked();
    void on_pushButton_qosPMapping_clicked();
    void on_toolButton_allowedPoEOverride_info_clicked();
    void newFile();
    void open();
    void save();
    void saveAs();
    void saveToUsb();
    void exit();
    void exportReport();
    void engLan();
    void gerLan();
    void onlineHelp();
    void webSite();
    void about();

    void on_comboBox_adminState_currentIndexChanged(int index);
    void on_comboBox_alarmLink_currentIndexChanged(int index);
    void on_comboBox_speed_currentIndexChanged(int index);
    void on_comboBox_autoNeg_currentIndexChanged(int index);
    void on_comboBox_autoCrossing_currentIndexChanged(int index);
    void on_comboBox_duplexMode_currentIndexChanged(int index);
    void on_comboBox_mdiState_currentIndexChanged(int index);
    void on_comboBox_flowControl_currentIndexChanged(int index);
    void on_comboBox_broadcastStormProtection_currentIndexChanged(int index);
    void on_comboBox_multicastStormProtection_currentIndexChanged(int index);
    void on_comboBox_jumboFrames_currentIndexChanged(int index);
    void on_comboBox_eee_currentIndexChanged(int index);
    void on_comboBox_poeAdminState_currentIndexChanged(int index);
    void on_comboBox_poePriority_currentIndexChanged(int index);
    void on_comboBox_portpriority_currentIndexChanged(int index);
    void on_comboBox_qosTrustMode_currentIndexChanged(int index);
    void on_spinBox_broadcastStormThreshold_valueChanged(int value);
    void on_spinBox_multicastStormThreshold_valueChanged(int value);
    void on_spinBox_allowedPoEOverride_valueChanged(int value);
    void on_lineEdit_allowedPoEClasses_textChanged(const QString &text);

    void currentIndexChangedfromTable(const QString &text);
    void on_tableView_portSettings_clicked(const QModelIndex &index);
    void currentCellSelected(const QModelIndex &index);
    void on_radioButton_selectAll_clicked(bool checked);
    void on_radioButton_deselectAll_clicked(bool checked);

    void on_lineEdit_fileRelease_textEdited(const QString &text);
    void on_lineEdit_contactName_textEdited(const QString &text);
    void on_lineEdit_location_textEdited(const QString &text);
    void on_lineEdit_componentId_textEdited(const QString &text);
    void on_lineEdit_serialNumber_textEdited(const QString &text);
    void on_lineEdit_agingTime_textChanged(const QString &text);
    void on_comboBox_psuAlarm1_currentIndexChanged(int index);
    void on_comboBox_psuAlarm2_currentIndexChanged(int index);

private:
    void centreOnScreen();
    void applyWindowStyle();
    void createActions();
    void createMenus();
    void showLogo();
    void fillProductList();
    void connectActivatedSignals();

    Ui::MainWindow *ui;
    EditorState m_state;

    PortLabels *m_portLabels = nullptr;
    PortTable *m_portTable = nullptr;
    std::unique_ptr<PortGating> m_gating;
    std::unique_ptr<PortPanel> m_panel;
    std::unique_ptr<PortSelection> m_selection;
    std::unique_ptr<GeneralFields> m_generalFields;
    std::unique_ptr<FileCommands> m_fileCommands;

    QAction *newAct = nullptr;
    QAction *openAct = nullptr;
    QAction *saveAct = nullptr;
    QAction *saveAsAct = nullptr;
    QAction *saveToUsbAct = nullptr;
    QAction *exitAct = nullptr;
    QAction *exportAct = nullptr;
    QAction *englishAct = nullptr;
    QAction *germanAct = nullptr;
    QAction *onlineHelpAct = nullptr;
    QAction *webSiteAct = nullptr;
    QAction *aboutAct = nullptr;
    QMenu *fileMenu = nullptr;
    QMenu *documentationMenu = nullptr;
    QMenu *helpMenu = nullptr;
    QMenu *languageMenu = nullptr;

    QString helpPage;
    int helpGerman = 0;
};
