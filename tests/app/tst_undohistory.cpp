// The undo history over the editor's steps and the document each kept state
// belongs to, without the main window; the window's title and questions are
// tested with the window's wiring.
#include "app/undohistory.h"
#include "config/configeditor.h"
#include "config/portparameters.h"
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

    // Opens a file of catalogue row `row` as Open does.
    void open(const QString &fileName, int row)
    {
        EditorState opened = editor.state();
        selectModel(opened, row);
        configurationLoaded(opened);
        startDocument(opened, fileName);
        editor.loadState(opened, QStringLiteral("Open File"));
    }
    // The document as the title shows it: the file name, "*" for changes
    // the file does not hold.
    QString document() const
    {
        return editor.state().document.fileName + (isSaved(editor.state()) ? "" : "*");
    }
    void undo() { history.undoAction()->trigger(); }
    void redo() { history.redoAction()->trigger(); }
};
using DocumentSteps = std::function<QStringList(Editing &)>;

} // namespace

Q_DECLARE_METATYPE(DocumentSteps)

namespace { } // namespace

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

void TestUndoHistory::documentTravelsWithTheHistory_data()
{
    // Each row's steps return the document as it is after each of them.
    QTest::addColumn<DocumentSteps>("steps");
    QTest::addColumn<QStringList>("documents");
    QTest::addColumn<int>("entries"); // in the history at the end
    const auto flowControl = [](Editing &e, int value) {
        e.editor.clickPort(1);
        e.editor.editPort(FlowControl, value);
    };
    QTest::newRow("undo and redo of Open") << DocumentSteps([=](Editing &e) {
        QStringList seen;
        e.open("A.csv", 3);
        seen << e.document();
        flowControl(e, 1);
        seen << e.document();
        e.open("B.csv", 13); // over unsaved changes, once the user let them go
        seen << e.document();
        e.undo();
        seen << e.document();
        e.undo();
        seen << e.document();
        e.redo();
        e.redo();
        seen << e.document();
        return seen;
    }) << QStringList({"A.csv", "A.csv*", "B.csv", "A.csv*", "A.csv", "B.csv"})
                                           << 3;
    QTest::newRow("the same file opened again") << DocumentSteps([=](Editing &e) {
        e.open("A.csv", 3);
        e.open("A.csv", 3); // a document of its own, though alike
        e.editor.documentSaved("F.csv", true);
        e.undo();
        return QStringList(e.document());
    }) << QStringList("A.csv") << 2;
    QTest::newRow("save, then undo and redo past it") << DocumentSteps([=](Editing &e) {
        QStringList seen;
        e.open("A.csv", 3);
        flowControl(e, 1);
        e.editor.documentSaved("A.csv", true);
        seen << e.document();
        e.undo(); // what was opened, no longer what the file holds
        seen << e.document();
        e.redo();
        seen << e.document();
        flowControl(e, 0); // back to the opened values: a change to the file
        seen << e.document();
        return seen;
    }) << QStringList({"A.csv", "A.csv*", "A.csv", "A.csv*"})
                                                      << 3;
    QTest::newRow("Save As names the document's earlier states") << DocumentSteps([=](Editing &e) {
        QStringList seen;
        flowControl(e, 1);
        seen << e.document();
        e.editor.documentSaved("F", true);
        seen << e.document();
        e.undo();
        seen << e.document();
        e.editor.newConfiguration();
        seen << e.document();
        e.undo(); // New's undo brings back F, not an untitled document
        seen << e.document();
        return seen;
    }) << QStringList({"*", "F", "F*", "", "F*"}) << 1;
    QTest::newRow("failed Save As") << DocumentSteps([=](Editing &e) {
        QStringList seen;
        e.open("A.csv", 3);
        e.editor.documentSaved("G.csv", false);
        seen << e.document();
        e.editor.documentSaved("G.csv", true); // Save retries it
        seen << e.document();
        e.undo(); // before the Open
        e.editor.documentSaved("G.csv", false); // another document, same name
        seen << e.document();
        e.redo(); // what G holds, not what failed to reach it
        seen << e.document();
        return seen;
    }) << QStringList({"G.csv*", "G.csv", "G.csv*", "G.csv"})
                                    << 1;
    QTest::newRow("New") << DocumentSteps([=](Editing &e) {
        QStringList seen;
        e.editor.newConfiguration(); // the untitled start: nothing to do
        seen << e.document();
        flowControl(e, 1);
        e.editor.newConfiguration();
        seen << e.document();
        e.undo();
        seen << e.document();
        e.open("A.csv", 3);
        e.editor.newConfiguration();
        seen << e.document();
        e.undo();
        seen << e.document();
        return seen;
    }) << QStringList({"", "", "*", "", "A.csv"})
                         << 3;
    QTest::newRow("what the file does not hold") << DocumentSteps([=](Editing &e) {
        QStringList seen;
        e.open("A.csv", 3);
        type(e.editor, &ConfigEditor::setSerialNumber, QStringLiteral("42"));
        seen << e.document() << e.history.undoAction()->text();
        type(e.editor, &ConfigEditor::setContactName, QStringLiteral("Jo"));
        seen << e.document();
        e.editor.setContactName(QString()); // typed and deleted again
        seen << e.document();
        return seen;
    }) << QStringList({"A.csv", "&Undo Serial Number", "A.csv*", "A.csv"})
                                                 << 2;
}

void TestUndoHistory::documentTravelsWithTheHistory()
{
    QFETCH(DocumentSteps, steps);
    Editing e;
    QTEST(steps(e), "documents");
    QTEST(e.history.stack().count(), "entries");
}

QTEST_MAIN(TestUndoHistory)
#include "tst_undohistory.moc"
