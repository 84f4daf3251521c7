#include "../windowdriver.h"
#include "app/prompts.h"
#include "app/undohistory.h"
#include "config/portcolumns.h"
#include "file/configwriter.h"
#include "file/filecommands.h"

#include <QAction>
#include <QDialog>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QWindow>

using EditorStep = std::function<void(ConfigEditor &)>;
using WindowStep = std::function<void(WindowDriver &, const QString &folder)>;
Q_DECLARE_METATYPE(EditorStep)
Q_DECLARE_METATYPE(WindowStep)

namespace {

// A document away from the defaults: the 26-port model, port 6 with flow
// control, a contact name; nothing selected.
void editSomeSettings(ConfigEditor &editor)
{
    editor.selectModel(13);
    editor.clickPort(5);
    editor.editPort(PortColumn::FlowControl, 1);
    editor.setContactName(QStringLiteral("Ann"));
    editor.deselectAllPorts();
}

void selectThreePorts(ConfigEditor &editor)
{
    editor.clickPort(2);
    editor.controlClickPort(4);
    editor.controlClickPort(7);
}

void typeInto(ConfigEditor &editor, void (ConfigEditor::*field)(const QString &),
              const QString &text)
{
    for (int length = 1; length <= text.size(); ++length)
        (editor.*field)(text.left(length));
}

bool showsNothingSelected(const EditorState &state)
{
    return state.selection.isEmpty() && !state.selection.selectAllMode &&
        state.panel.shownPort == 0 && state.panel.values == state.config.ports[0];
}

QString shownTitle(const WindowDriver &d)
{
    return d.window->windowHandle()->title();
}

} // namespace

class TestUndoHistory : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void undoAndRedoRestoreTheDocument_data();
    void undoAndRedoRestoreTheDocument();
    void typingMergesIntoOneStep_data();
    void typingMergesIntoOneStep();
    void undoInTheWindowRestoresTheViews_data();
    void undoInTheWindowRestoresTheViews();
    void modifiedMarkerFollowsTheSavedState();
    void newDocumentStartsUnmodifiedUnlessItReplacedChanges_data();
    void newDocumentStartsUnmodifiedUnlessItReplacedChanges();
    void closingAsksAboutUnsavedChanges_data();
    void closingAsksAboutUnsavedChanges();

private:
    QString path(const QString &name) const { return m_folder->filePath(name); }

    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestUndoHistory::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(m_folder->path());
    Prompts::reset();
    Prompts::setScripted(true);
    // The configuration-ID dialog of a load keeps its first choice.
    Prompts::setDialogHandler([](QDialog &) { return int(QDialog::Accepted); });
}

void TestUndoHistory::cleanup()
{
    QCOMPARE(Prompts::unansweredDialogs(), 0);
    Prompts::reset();
}

void TestUndoHistory::undoAndRedoRestoreTheDocument_data()
{
    QTest::addColumn<EditorStep>("setUp");
    QTest::addColumn<EditorStep>("step");
    QTest::addColumn<QString>("undoText");
    const EditorStep nothing = [](ConfigEditor &) {};
    QTest::newRow("panel change on three ports")
        << EditorStep(selectThreePorts)
        << EditorStep([](ConfigEditor &e) { e.editPort(PortColumn::AutoNeg, 0); })
        << "Undo Auto Negotiation";
    QTest::newRow("PoE limit") << EditorStep([](ConfigEditor &e) {
        e.selectModel(17);
        e.clickPort(1);
    }) << EditorStep([](ConfigEditor &e) { e.editPort(PortColumn::AllowedPoEOverride, 7); })
                               << "Undo PoE User Set Limit";
    QTest::newRow("table cell") << nothing << EditorStep([](ConfigEditor &e) {
        QVERIFY(e.editTableCell(3, PortColumn::FlowControl, QStringLiteral("On")));
    }) << "Undo Flow Control";
    QTest::newRow("model change") << nothing
                                  << EditorStep([](ConfigEditor &e) { e.selectModel(0); })
                                  << "Undo Device Type";
    QTest::newRow("New") << nothing << EditorStep([](ConfigEditor &e) { e.newConfiguration(); })
                         << "Undo New Configuration";
    QTest::newRow("802.1p mapping") << nothing << EditorStep([](ConfigEditor &e) {
        SwitchConfig edited = e.state().config;
        edited.dot1pTrafficClass[3] ^= 1;
        e.setDot1pMapping(edited);
    }) << "Undo QoS 802.1 D/p Mapping";
}

void TestUndoHistory::undoAndRedoRestoreTheDocument()
{
    QFETCH(EditorStep, setUp);
    QFETCH(EditorStep, step);
    QWidget window;
    ConfigEditor editor;
    UndoHistory history(&editor, &window);
    QUndoStack &stack = history.stack();
    editSomeSettings(editor);
    setUp(editor);
    const int prepared = stack.count();
    const EditorState before = editor.state();

    step(editor);
    const EditorState after = editor.state();
    QVERIFY(!sameDocument(before, after));
    QCOMPARE(stack.count(), prepared + 1);
    QTEST(history.undoAction()->text().remove(QLatin1Char('&')), "undoText");

    history.undoAction()->trigger();
    QVERIFY(sameDocument(editor.state(), before));
    QVERIFY(showsNothingSelected(editor.state()));
    QVERIFY(stack.canRedo());

    history.redoAction()->trigger();
    QVERIFY(sameDocument(editor.state(), after));
    QVERIFY(showsNothingSelected(editor.state()));

    // A new step after an undo drops the steps to redo.
    history.undoAction()->trigger();
    editor.setLocation(QStringLiteral("Hall"));
    QVERIFY(!history.redoAction()->isEnabled());
    QCOMPARE(stack.count(), prepared + 1);
    history.undoAction()->trigger();
    QVERIFY(sameDocument(editor.state(), before));
}

void TestUndoHistory::typingMergesIntoOneStep_data()
{
    QTest::addColumn<EditorStep>("typing");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("undoText");
    QTest::newRow("Jo Smith into Contact") << EditorStep([](ConfigEditor &e) {
        typeInto(e, &ConfigEditor::setContactName, QStringLiteral("Jo Smith"));
    }) << 1 << "Undo Contact";
    QTest::newRow("Contact, Location, Contact again") << EditorStep([](ConfigEditor &e) {
        typeInto(e, &ConfigEditor::setContactName, QStringLiteral("Jo"));
        typeInto(e, &ConfigEditor::setLocation, QStringLiteral("Hall"));
        typeInto(e, &ConfigEditor::setContactName, QStringLiteral("Jo Smith"));
    }) << 3 << "Undo Contact";
    QTest::newRow("typed and deleted again") << EditorStep([](ConfigEditor &e) {
        typeInto(e, &ConfigEditor::setSerialNumber, QStringLiteral("42"));
        e.setSerialNumber(QStringLiteral("4"));
        e.setSerialNumber(QString());
    }) << 0 << "Undo Device Type";
    // Broadcast protection on, then the threshold.
    QTest::newRow("a threshold on the same ports") << EditorStep([](ConfigEditor &e) {
        selectThreePorts(e);
        e.editPort(PortColumn::BroadcastStormProtection, 1);
        e.editPort(PortColumn::BroadcastStormThreshold, 5);
        e.editPort(PortColumn::BroadcastStormThreshold, 50);
    }) << 2 << "Undo Broadcast Threshold";
    QTest::newRow("a threshold on other ports") << EditorStep([](ConfigEditor &e) {
        selectThreePorts(e);
        e.editPort(PortColumn::BroadcastStormProtection, 1);
        e.deselectAllPorts();
        e.clickPort(2);
        e.editPort(PortColumn::BroadcastStormThreshold, 5);
        e.clickPort(4);
        e.editPort(PortColumn::BroadcastStormThreshold, 5);
    }) << 3 << "Undo Broadcast Threshold";
    QTest::newRow("picks in one combo box") << EditorStep([](ConfigEditor &e) {
        e.clickPort(2);
        e.editPort(PortColumn::FlowControl, 1);
        e.editPort(PortColumn::FlowControl, 0);
    }) << 2 << "Undo Flow Control";
}

void TestUndoHistory::typingMergesIntoOneStep()
{
    QFETCH(EditorStep, typing);
    QFETCH(int, steps);
    QWidget window;
    ConfigEditor editor;
    UndoHistory history(&editor, &window);
    editor.selectModel(13);
    const EditorState before = editor.state();
    const int prepared = history.stack().count();

    typing(editor);
    QCOMPARE(history.stack().count() - prepared, steps);
    QTEST(history.undoAction()->text().remove(QLatin1Char('&')), "undoText");
    for (int step = 0; step < steps; ++step)
        history.stack().undo();
    QVERIFY(sameDocument(editor.state(), before));
}

void TestUndoHistory::undoInTheWindowRestoresTheViews_data()
{
    QTest::addColumn<WindowStep>("step");
    QTest::newRow("model change") << WindowStep(
        [](WindowDriver &d, const QString &) { QVERIFY(d.pick("comboBox_productSelection", 13)); });
    QTest::newRow("New") << WindowStep(
        [](WindowDriver &d, const QString &) { d.window->newFile(); });
    QTest::newRow("Open") << WindowStep([](WindowDriver &d, const QString &folder) {
        const QString file = folder + QStringLiteral("/other.csv");
        EditorState other;
        selectModel(other, 13);
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(configFileBytes(other.config, {}, QDate::currentDate()));
        out.close();
        Prompts::queueFileNames({file});
        d.window->open();
        QCOMPARE(d.window->state().modelIndex, 13);
    });
}

void TestUndoHistory::undoInTheWindowRestoresTheViews()
{
    QFETCH(WindowStep, step);
    WindowDriver d;
    QAction *undo = d.window->undoHistory().undoAction();
    QAction *redo = d.window->undoHistory().redoAction();
    QVERIFY(!undo->isEnabled() && !redo->isEnabled());

    d.clickPort(1);
    QVERIFY(d.pick("comboBox_flowControl", QStringLiteral("On")));
    d.type("lineEdit_contactName", QStringLiteral("Ann"));
    d.clickPort(3);
    const EditorState before = d.window->state();
    step(d, m_folder->path());
    const EditorState after = d.window->state();
    QVERIFY(!sameDocument(before, after));

    undo->trigger();
    QVERIFY(sameDocument(d.window->state(), before));
    QCOMPARE(d.combo("comboBox_productSelection")->currentIndex(), 0);
    QCOMPARE(d.cells()->rowCount(), 5);
    QCOMPARE(d.cell(1, PortColumn::FlowControl), QStringLiteral("On"));
    QCOMPARE(d.find<QLineEdit>("lineEdit_contactName")->text(), QStringLiteral("Ann"));
    QCOMPARE(d.selection(), QStringLiteral("....."));
    QVERIFY(!d.portLabel(5)->isVisible());
    QVERIFY(d.find<QRadioButton>("radioButton_deselectAll")->isChecked());
    QVERIFY(!d.combo("comboBox_flowControl")->isEnabled());

    redo->trigger();
    QVERIFY(sameDocument(d.window->state(), after));
    QCOMPARE(d.cells()->rowCount(), int(after.config.portCount));
    QCOMPARE(d.cell(1, PortColumn::FlowControl), QStringLiteral("Off"));
    QVERIFY(d.find<QLineEdit>("lineEdit_contactName")->text().isEmpty());
}

void TestUndoHistory::modifiedMarkerFollowsTheSavedState()
{
    WindowDriver d;
    QCOMPARE(shownTitle(d), QStringLiteral("Mestrel"));
    d.type("lineEdit_contactName", QStringLiteral("Jo"));
    QVERIFY(d.window->isWindowModified());
    QCOMPARE(shownTitle(d), QStringLiteral("Mestrel*"));

    Prompts::queueFileNames({path("saved.csv")});
    d.window->saveAs();
    QVERIFY(!d.window->isWindowModified());
    QCOMPARE(shownTitle(d), QStringLiteral("Mestrel"));

    // Typing on after the save is a step of its own.
    d.type("lineEdit_contactName", QStringLiteral(" Smith"));
    QVERIFY(d.window->isWindowModified());
    // The undo key in a text field with nothing of its own to undo.
    QApplication::setActiveWindow(d.window.get());
    QTest::keyClick(d.find<QLineEdit>("lineEdit_location"), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(d.find<QLineEdit>("lineEdit_contactName")->text(), QStringLiteral("Jo"));
    QVERIFY(!d.window->isWindowModified());
    d.window->undoHistory().undoAction()->trigger();
    QVERIFY(d.window->isWindowModified());

    // Save to USB and a failed save.
    Prompts::queueFileNames({path("missing-folder/usb.csv")});
    QVERIFY(!d.window->fileCommands().saveToUsb());
    QVERIFY(d.window->isWindowModified());
    Prompts::queueFileNames({path("usb.csv")});
    d.window->saveToUsb();
    QVERIFY(!d.window->isWindowModified());
}

void TestUndoHistory::newDocumentStartsUnmodifiedUnlessItReplacedChanges_data()
{
    QTest::addColumn<bool>("changedBefore");
    QTest::addColumn<bool>("open");
    QTest::newRow("New after a save") << false << false;
    QTest::newRow("New over changes") << true << false;
    QTest::newRow("Open after a save") << false << true;
    QTest::newRow("Open over changes") << true << true;
}

void TestUndoHistory::newDocumentStartsUnmodifiedUnlessItReplacedChanges()
{
    QFETCH(bool, changedBefore);
    QFETCH(bool, open);
    WindowDriver d;
    d.selectModel(3);
    Prompts::queueFileNames({path("first.csv")});
    d.window->saveAs();
    d.selectModel(13);
    d.clickPort(2);
    QVERIFY(d.pick("comboBox_flowControl", QStringLiteral("On")));
    if (!changedBefore) {
        Prompts::queueFileNames({path("second.csv")});
        d.window->saveAs();
    }
    QCOMPARE(d.window->isWindowModified(), changedBefore);

    if (open) {
        Prompts::queueFileNames({path("first.csv")});
        d.window->open();
        QCOMPARE(d.window->state().modelIndex, 3);
    } else {
        d.window->newFile();
        QCOMPARE(d.cell(2, PortColumn::FlowControl), QStringLiteral("Off"));
    }
    QCOMPARE(d.window->isWindowModified(), changedBefore);
}

void TestUndoHistory::closingAsksAboutUnsavedChanges_data()
{
    QTest::addColumn<bool>("changed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("fileName"); // for the save dialog; empty: cancelled
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("written");
    QTest::newRow("nothing changed") << false << -1 << "" << true << false;
    QTest::newRow("Save") << true << int(QMessageBox::Save) << "mine.csv" << true << true;
    QTest::newRow("Save, dialog cancelled")
        << true << int(QMessageBox::Save) << "" << false << false;
    QTest::newRow("Discard") << true << int(QMessageBox::Discard) << "" << true << false;
    QTest::newRow("Cancel") << true << int(QMessageBox::Cancel) << "" << false << false;
}

void TestUndoHistory::closingAsksAboutUnsavedChanges()
{
    QFETCH(bool, changed);
    QFETCH(int, answer);
    QFETCH(QString, fileName);
    QFETCH(bool, closes);
    QFETCH(bool, written);
    QStringList asked;
    Prompts::setDialogHandler([&](QDialog &dialog) {
        if (auto *box = qobject_cast<QMessageBox *>(&dialog)) {
            asked << box->windowTitle() + QStringLiteral(": ") + box->text();
            if (box->standardButtons() !=
                (QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel))
                asked << QStringLiteral("other buttons");
        }
        return answer;
    });
    WindowDriver d;
    if (changed)
        d.type("lineEdit_contactName", QStringLiteral("Jo"));
    if (answer == QMessageBox::Save)
        Prompts::queueFileNames({fileName.isEmpty() ? QString() : path(fileName)});

    d.window->exit();
    QCOMPARE(asked,
             changed ? QStringList("Mestrel: Save changes to the configuration before "
                                   "closing?")
                     : QStringList());
    QCOMPARE(!d.window->isVisible(), closes);
    QCOMPARE(QFile::exists(path("mine.csv")), written);
    QCOMPARE(d.window->isWindowModified(), changed && !written);
    QCOMPARE(d.window->state().config.contactName[0], changed ? 'J' : '\0');
}

QTEST_MAIN(TestUndoHistory)
#include "tst_undohistory.moc"
