// The undo history over the editor's steps, without the main window; the
// modified marker and the window's use of the history are tested with the
// window's wiring.
#include "app/prompts.h"
#include "app/undohistory.h"
#include "config/configeditor.h"
#include "config/portcolumns.h"
#include "config/textfields.h"

#include <QAction>
#include <QUndoStack>
#include <QtTest>

using namespace PortColumn;
using EditorSteps = std::function<void(ConfigEditor &)>;
Q_DECLARE_METATYPE(EditorSteps)

namespace {

// Types `text` into the field `set` edits, key by key.
template<typename Setter> void type(ConfigEditor &editor, Setter set, const QString &text)
{
    for (int length = 1; length <= text.size(); ++length)
        (editor.*set)(text.left(length));
}

struct Editing
{
    QWidget window;
    ConfigEditor editor;
    UndoHistory history {&editor, &window};
};

} // namespace

class TestUndoHistory : public QObject
{
    Q_OBJECT

private slots:
    void cleanup() { Prompts::reset(); }
    void undoAndRedo_data();
    void undoAndRedo();
    void closing();
};

void TestUndoHistory::undoAndRedo_data()
{
    QTest::addColumn<EditorSteps>("steps");
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("undoText"); // where given
    QTest::newRow("table cell") << EditorSteps([](ConfigEditor &e) {
        e.editTableCell(3, FlowControl, QStringLiteral("On"));
    }) << 1 << "&Undo Flow Control";
    QTest::newRow("model change") << EditorSteps([](ConfigEditor &e) { e.selectModel(0); }) << 1
                                  << "";
    QTest::newRow("New") << EditorSteps([](ConfigEditor &e) { e.newConfiguration(); }) << 1 << "";
    QTest::newRow("Open") << EditorSteps([](ConfigEditor &e) {
        EditorState opened;
        selectModel(opened, 3);
        e.loadState(opened, QStringLiteral("Open File"));
    }) << 1 << "";
    // Each kind of step once: one entry each, with the exceptions noted.
    QTest::newRow("every other kind of step") << EditorSteps([](ConfigEditor &e) {
        type(e, &ConfigEditor::setLocation, QStringLiteral("42"));
        e.setLocation(QString()); // typed and deleted again: no entry
        e.editTrustMode(0);
        e.setPsuAlarm(2, 0);
        e.setPsuAlarm(1, -1); // an emptied combo box: no entry
        SwitchConfig edited = e.state().config;
        edited.dot1pTrafficClass[3] ^= 1;
        edited.dscpTrafficClass[63] ^= 1;
        e.setDot1pMapping(edited);
        e.setDscpMapping(edited);
        type(e, &ConfigEditor::setSerialNumber, QStringLiteral("42"));
        type(e, &ConfigEditor::setAgingTime, QStringLiteral("600"));
        type(e, &ConfigEditor::setContactName, QStringLiteral("Jo"));
        type(e, &ConfigEditor::setLocation, QStringLiteral("Hall"));
        type(e, &ConfigEditor::setContactName, QStringLiteral("Jo Smith"));
        e.clickPort(1);
        type(e, &ConfigEditor::editClasses, QStringLiteral("13"));
        e.editPort(FlowControl, 1);
        e.editPort(FlowControl, 0); // two picks in one combo box: two entries
        e.editPort(FlowControl, 0); // the value shown already: no entry
        e.controlClickPort(2);
        e.controlClickPort(3);
        e.editPort(BroadcastStormProtection, 1);
        e.editPort(BroadcastStormThreshold, 5);
        e.editPort(BroadcastStormThreshold, 50); // typing on the same ports: one entry
        e.deselectAllPorts();
        e.clickPort(2);
        e.editPort(BroadcastStormThreshold, 5);
        e.clickPort(3);
        e.editPort(BroadcastStormThreshold, 5); // the same field on other ports: an entry
        e.editPort(AllowedPoEOverride, 1);
        e.editPort(AllowedPoEOverride, 13);
    }) << 17 << "&Undo PoE User Set Limit";
    // The two oldest steps go, and they cancel out.
    QTest::newRow("more steps than are kept") << EditorSteps([](ConfigEditor &e) {
        for (int step = 0; step < UndoHistory::kMaxSteps + 2; ++step)
            e.setPsuAlarm(1, step % 2);
    }) << UndoHistory::kMaxSteps << "";
}

void TestUndoHistory::undoAndRedo()
{
    QFETCH(EditorSteps, steps);
    QFETCH(int, entries);
    // The PoE model, port 6 with flow control, a contact, as the history
    // starts.
    Editing e;
    e.editor.selectModel(17);
    e.editor.clickPort(5);
    e.editor.editPort(FlowControl, 1);
    e.editor.setContactName(QStringLiteral("Ann"));
    e.editor.deselectAllPorts();
    e.history.stack().clear();
    const EditorState before = e.editor.state();

    steps(e.editor);
    const EditorState after = e.editor.state();
    QCOMPARE(e.history.stack().count(), entries);
    QFETCH(QString, undoText);
    if (!undoText.isEmpty())
        QCOMPARE(e.history.undoAction()->text(), undoText);
    for (int entry = 0; entry < entries; ++entry)
        e.history.undoAction()->trigger();
    QVERIFY(sameDocument(e.editor.state(), before));
    QVERIFY(e.editor.state().selection.isEmpty());
    for (int entry = 0; entry < entries; ++entry)
        e.history.redoAction()->trigger();
    QVERIFY(sameDocument(e.editor.state(), after));
    QVERIFY(e.editor.state().selection.isEmpty());

    // A new step after an undo drops the steps to redo.
    e.history.undoAction()->trigger();
    e.editor.newConfiguration();
    QVERIFY(!e.history.redoAction()->isEnabled());
}

void TestUndoHistory::closing()
{
    Editing e;
    int answer = QMessageBox::Cancel;
    bool saveWrites = false; // false: the save dialog was cancelled
    Prompts::setScripted(true);
    // The question offers Save, Discard and Cancel; another box gets no answer.
    Prompts::setDialogHandler([&](QDialog &dialog) {
        const auto *box = qobject_cast<QMessageBox *>(&dialog);
        const auto buttons = QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel;
        return box && box->standardButtons() == buttons ? answer : -1;
    });
    const auto mayClose = [&] { return e.history.confirmClose([&] { return saveWrites; }); };
    QVERIFY(mayClose()); // nothing changed: no question
    e.editor.setContactName(QStringLiteral("Jo"));
    QVERIFY(!mayClose()); // Cancel
    answer = QMessageBox::Save;
    QVERIFY(!mayClose()); // and the save dialog cancelled
    saveWrites = true;
    QVERIFY(mayClose());
    answer = QMessageBox::Discard;
    saveWrites = false;
    QVERIFY(mayClose());
}

QTEST_MAIN(TestUndoHistory)
#include "tst_undohistory.moc"
