// The undo history over the editor's steps and the document each kept state
// belongs to, without the main window; the window's title and questions are
// tested with the window's wiring.
#include "core/config/configeditor.h"
#include "core/config/globalparameters.h"
#include "core/config/portparameters.h"
#include "core/config/textfields.h"
#include "window/app/undohistory.h"

#include <QAction>
#include <QUndoStack>
#include <QtTest>

#include <functional>

using namespace PortColumn;
using EditorSteps = std::function<void(ConfigEditor &)>;
Q_DECLARE_METATYPE(EditorSteps)

namespace {

// Types `text` into the field `set` edits, key by key.
template<typename Setter> void type(ConfigEditor &editor, Setter set, const QString &text)
{
    for (int length = 1; length <= text.size(); ++length)
        std::invoke(set, editor, text.left(length));
}

// The fields of the settings of the whole switch, as the window types into them.
auto textField(int id)
{
    return [id](ConfigEditor &e, const QString &text) { e.setGlobalText(id, text); };
}
const auto contactName = textField(GlobalId::ContactName);
const auto location = textField(GlobalId::Location);
const auto agingTime = [](ConfigEditor &e, const QString &text) {
    e.setGlobal(GlobalId::AgingTime, 0,
                numberFromText(text, globalParameter(GlobalId::AgingTime).maxValue));
};

// The editor with its history.
struct Editing
{
    QWidget window;
    ConfigEditor editor;
    UndoHistory history {&editor, &window};
};
// One step of the user's on the document.
using Step = std::function<void(Editing &)>;
using Steps = QVector<Step>;

// Opens a file of catalogue row `row` as Open does.
Step open(const QString &fileName, int row)
{
    return [=](Editing &e) {
        EditorState opened = e.editor.state();
        selectModel(opened, row);
        configurationLoaded(opened);
        startDocument(opened, fileName);
        e.editor.loadState(opened, QStringLiteral("Open File"));
    };
}
Step flowControl(int value)
{
    return [=](Editing &e) {
        e.editor.clickPort(1);
        e.editor.editPort(FlowControl, value);
    };
}
Step saved(const QString &fileName, bool written)
{
    return [=](Editing &e) { e.editor.documentSaved(fileName, written); };
}
template<typename Setter> Step typeInto(Setter set, const QString &text)
{
    return [=](Editing &e) { type(e.editor, set, text); };
}
const Step newFile = [](Editing &e) { e.editor.newConfiguration(); };
const Step undo = [](Editing &e) { e.history.undoAction()->trigger(); };
const Step redo = [](Editing &e) { e.history.redoAction()->trigger(); };

} // namespace

Q_DECLARE_METATYPE(Steps)

class TestUndoHistory : public QObject
{
    Q_OBJECT

private slots:
    void undoAndRedo_data()
    {
        QTest::addColumn<int>("entries");
        QTest::addColumn<QString>("undoText"); // where given
        QTest::addColumn<EditorSteps>("steps");
        QTest::newRow("table cell")
            << 1 << "&Undo Flow Control" << EditorSteps([](ConfigEditor &e) {
                   e.editTableCell(3, FlowControl, QStringLiteral("On"));
               });
        // Each kind of step once: one entry each, with the exceptions noted. (A
        // model change, New and Open are undone in the window's and the
        // document's tests.)
        QTest::newRow("every other kind of step")
            << 17 << "&Undo PoE User Set Limit" << EditorSteps([](ConfigEditor &e) {
                   type(e, location, QStringLiteral("42"));
                   location(e, QString()); // typed and deleted again: no entry
                   e.editTrustMode(0);
                   e.setGlobal(GlobalId::PsuAlarm, 2, 0);
                   e.setGlobal(GlobalId::PsuAlarm, 1, -1); // an emptied combo box: no entry
                   SwitchConfig edited = e.state().config;
                   edited.dot1pTrafficClass[3] ^= 1;
                   edited.dscpTrafficClass[63] ^= 1;
                   e.setMapping(GlobalId::Dot1pMapping, edited);
                   e.setMapping(GlobalId::DscpMapping, edited);
                   type(e, &ConfigEditor::setSerialNumber, QStringLiteral("42"));
                   type(e, agingTime, QStringLiteral("600"));
                   type(e, contactName, QStringLiteral("Jo"));
                   type(e, location, QStringLiteral("Hall"));
                   type(e, contactName, QStringLiteral("Jo Smith"));
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
                   e.editPort(BroadcastStormThreshold,
                              5); // the same field on other ports: an entry
                   e.editPort(AllowedPoEOverride, 1);
                   e.editPort(AllowedPoEOverride, 13);
               });
        // The two oldest steps go, and they cancel out.
        QTest::newRow("more steps than are kept")
            << UndoHistory::kMaxSteps << "&Undo Power Supply 1 Alarm"
            << EditorSteps([](ConfigEditor &e) {
                   for (int step = 0; step < UndoHistory::kMaxSteps + 2; ++step)
                       e.setGlobal(GlobalId::PsuAlarm, 1, step % 2);
               });
    }

    void undoAndRedo()
    {
        QFETCH(EditorSteps, steps);
        QFETCH(int, entries);
        // The PoE model, port 6 with flow control, a contact, as the history
        // starts.
        Editing e;
        e.editor.selectModel(17);
        e.editor.clickPort(5);
        e.editor.editPort(FlowControl, 1);
        contactName(e.editor, QStringLiteral("Ann"));
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

    void documentTravelsWithTheHistory_data()
    {
        QTest::addColumn<int>("entries"); // in the history at the end
        QTest::addColumn<QStringList>("documents"); // after each step, as the title names them
        QTest::addColumn<Steps>("steps");
        QTest::newRow("the same file opened again")
            << 2 << QStringList {"A.csv", "A.csv", "F.csv", "A.csv"}
            << Steps {open("A.csv", 3), open("A.csv", 3), // a document of its own, though alike
                      saved("F.csv", true), undo};
        QTest::newRow("save, then undo and redo past it")
            << 3 << QStringList {"A.csv", "A.csv*", "A.csv", "A.csv*", "A.csv", "A.csv*"}
            << Steps {open("A.csv", 3),
                      flowControl(1),
                      saved("A.csv", true),
                      undo, // what was opened, no longer what the file holds
                      redo,
                      flowControl(0)}; // back to the opened values: a change to the file
        QTest::newRow("Save As names the document's earlier states")
            << 1 << QStringList {"*", "F", "F*", "", "F*"}
            << Steps {flowControl(1), saved("F", true), undo, newFile,
                      undo}; // New's undo brings back F, not an untitled document
        QTest::newRow("failed Save As")
            << 1 << QStringList {"A.csv", "G.csv*", "G.csv", "", "G.csv*", "G.csv"}
            << Steps {open("A.csv", 3),
                      saved("G.csv", false),
                      saved("G.csv", true), // Save retries it
                      undo, // before the Open
                      saved("G.csv", false), // another document, same name
                      redo}; // what G holds, not what failed to reach it
        QTest::newRow("New") << 3 << QStringList {"", "*", "", "*", "A.csv", "", "A.csv"}
                             << Steps {newFile, // the untitled start: nothing to do
                                       flowControl(1),   newFile, undo,
                                       open("A.csv", 3), newFile, undo};
        QTest::newRow("what the file does not hold")
            << 2 << QStringList {"A.csv", "A.csv", "A.csv*", "A.csv"}
            << Steps {open("A.csv", 3),
                      typeInto(&ConfigEditor::setSerialNumber, QStringLiteral("42")),
                      typeInto(contactName, QStringLiteral("Jo")),
                      [](Editing &e) { contactName(e.editor, QString()); }}; // and deleted again
    }

    void documentTravelsWithTheHistory()
    {
        QFETCH(Steps, steps);
        Editing e;
        QStringList documents; // the file name, "*" for changes the file does not hold
        for (const Step &step : steps) {
            step(e);
            documents << e.editor.state().document.fileName +
                    (isSaved(e.editor.state()) ? "" : "*");
        }
        QTEST(documents, "documents");
        QTEST(e.history.stack().count(), "entries");
    }
};

QTEST_MAIN(TestUndoHistory)
#include "tst_undohistory.moc"
