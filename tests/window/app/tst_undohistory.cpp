// The undo history over the editor's steps and the document each kept state
// belongs to, without the main window; the window's title and questions are
// tested with the window's wiring.
#include "core/config/configeditor.h"
#include "core/config/portparameters.h"
#include "core/config/textfields.h"
#include "window/app/undohistory.h"

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

// The editor with its history; each step of the user's notes the document
// as the title then shows it: the file name, "*" for changes the file does
// not hold.
struct Editing
{
    QWidget window;
    ConfigEditor editor;
    UndoHistory history {&editor, &window};
    QStringList seen;

    void look() { seen << editor.state().document.fileName + (isSaved(editor.state()) ? "" : "*"); }
    // Opens a file of catalogue row `row` as Open does.
    void open(const QString &fileName, int row)
    {
        EditorState opened = editor.state();
        selectModel(opened, row);
        configurationLoaded(opened);
        startDocument(opened, fileName);
        editor.loadState(opened, QStringLiteral("Open File"));
        look();
    }
    void flowControl(int value)
    {
        editor.clickPort(1);
        editor.editPort(FlowControl, value);
        look();
    }
    template<typename Setter> void typeInto(Setter set, const QString &text)
    {
        type(editor, set, text);
        look();
    }
    void saved(const QString &fileName, bool written)
    {
        editor.documentSaved(fileName, written);
        look();
    }
    void newFile()
    {
        editor.newConfiguration();
        look();
    }
    void undo()
    {
        history.undoAction()->trigger();
        look();
    }
    void redo()
    {
        history.redoAction()->trigger();
        look();
    }
};
using DocumentSteps = std::function<void(Editing &)>;

} // namespace

Q_DECLARE_METATYPE(DocumentSteps)

class TestUndoHistory : public QObject
{
    Q_OBJECT

private slots:
    void undoAndRedo_data();
    void undoAndRedo();
    void documentTravelsWithTheHistory_data();
    void documentTravelsWithTheHistory();
};

void TestUndoHistory::undoAndRedo_data()
{
    QTest::addColumn<int>("entries");
    QTest::addColumn<QString>("undoText"); // where given
    QTest::addColumn<EditorSteps>("steps");
    QTest::newRow("table cell") << 1 << "&Undo Flow Control" << EditorSteps([](ConfigEditor &e) {
        e.editTableCell(3, FlowControl, QStringLiteral("On"));
    });
    // Each kind of step once: one entry each, with the exceptions noted. (A
    // model change, New and Open are undone in the window's and the
    // document's tests.)
    QTest::newRow("every other kind of step")
        << 17 << "&Undo PoE User Set Limit" << EditorSteps([](ConfigEditor &e) {
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
           });
    // The two oldest steps go, and they cancel out.
    QTest::newRow("more steps than are kept")
        << UndoHistory::kMaxSteps << "" << EditorSteps([](ConfigEditor &e) {
               for (int step = 0; step < UndoHistory::kMaxSteps + 2; ++step)
                   e.setPsuAlarm(1, step % 2);
           });
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

void TestUndoHistory::documentTravelsWithTheHistory_data()
{
    QTest::addColumn<int>("entries"); // in the history at the end
    QTest::addColumn<QStringList>("documents"); // after each step
    QTest::addColumn<DocumentSteps>("steps");
    QTest::newRow("undo and redo of Open")
        << 3 << QStringList {"A.csv", "A.csv*", "B.csv", "A.csv*", "A.csv", "A.csv*", "B.csv"}
        << DocumentSteps([](Editing &e) {
               e.open("A.csv", 3);
               e.flowControl(1);
               e.open("B.csv", 13); // over unsaved changes, once the user let them go
               e.undo();
               e.undo();
               e.redo();
               e.redo();
           });
    QTest::newRow("the same file opened again")
        << 2 << QStringList {"A.csv", "A.csv", "F.csv", "A.csv"} << DocumentSteps([](Editing &e) {
               e.open("A.csv", 3);
               e.open("A.csv", 3); // a document of its own, though alike
               e.saved("F.csv", true);
               e.undo();
           });
    QTest::newRow("save, then undo and redo past it")
        << 3 << QStringList {"A.csv", "A.csv*", "A.csv", "A.csv*", "A.csv", "A.csv*"}
        << DocumentSteps([](Editing &e) {
               e.open("A.csv", 3);
               e.flowControl(1);
               e.saved("A.csv", true);
               e.undo(); // what was opened, no longer what the file holds
               e.redo();
               e.flowControl(0); // back to the opened values: a change to the file
           });
    QTest::newRow("Save As names the document's earlier states")
        << 1 << QStringList {"*", "F", "F*", "", "F*"} << DocumentSteps([](Editing &e) {
               e.flowControl(1);
               e.saved("F", true);
               e.undo();
               e.newFile();
               e.undo(); // New's undo brings back F, not an untitled document
           });
    QTest::newRow("failed Save As")
        << 1 << QStringList {"A.csv", "G.csv*", "G.csv", "", "G.csv*", "G.csv"}
        << DocumentSteps([](Editing &e) {
               e.open("A.csv", 3);
               e.saved("G.csv", false);
               e.saved("G.csv", true); // Save retries it
               e.undo(); // before the Open
               e.saved("G.csv", false); // another document, same name
               e.redo(); // what G holds, not what failed to reach it
           });
    QTest::newRow("New") << 3 << QStringList {"", "*", "", "*", "A.csv", "", "A.csv"}
                         << DocumentSteps([](Editing &e) {
                                e.newFile(); // the untitled start: nothing to do
                                e.flowControl(1);
                                e.newFile();
                                e.undo();
                                e.open("A.csv", 3);
                                e.newFile();
                                e.undo();
                            });
    QTest::newRow("what the file does not hold")
        << 2 << QStringList {"A.csv", "A.csv", "&Undo Serial Number", "A.csv*", "A.csv"}
        << DocumentSteps([](Editing &e) {
               e.open("A.csv", 3);
               e.typeInto(&ConfigEditor::setSerialNumber, QStringLiteral("42"));
               e.seen << e.history.undoAction()->text();
               e.typeInto(&ConfigEditor::setContactName, QStringLiteral("Jo"));
               e.editor.setContactName(QString()); // typed and deleted again
               e.look();
           });
}

void TestUndoHistory::documentTravelsWithTheHistory()
{
    QFETCH(DocumentSteps, steps);
    Editing e;
    steps(e);
    QTEST(e.seen, "documents");
    QTEST(e.history.stack().count(), "entries");
}

QTEST_MAIN(TestUndoHistory)
#include "tst_undohistory.moc"
