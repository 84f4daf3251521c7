// Times the user actions that touch the most ports: Select All, a model
// change to the 26-port model and back, a port click, a panel change in
// select-all mode and the undo and redo of such a change, each from the
// user's input until the event queue is empty again. A benchmark, not a test: run it by hand
// (QT_QPA_PLATFORM=offscreen ./build/tests/bench_portediting, add
// -callgrind under valgrind for instruction counts).
#include "../windowdriver.h"
#include "app/undohistory.h"
#include "config/portcolumns.h"

#include <QAction>
#include <QUndoStack>

namespace {

// The user's pick in a combo box: the index changes and the box reports
// the activation, as it does for a click in its list.
void pickItem(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// Runs the action once untimed (the first run paints the whole window),
// then times it.
template<typename Action> Q_NEVER_INLINE void measure(Action action)
{
    action();
    QBENCHMARK {
        action();
    }
}

} // namespace

class BenchPortEditing : public QObject
{
    Q_OBJECT

private slots:
    void selectAllOn26Ports();
    void changeTo26PortModelAndBack();
    void clickPortOn26Ports();
    void autoNegotiationInSelectAllMode();
    void undoOn26Ports();
    void redoOn26Ports();
};

void BenchPortEditing::selectAllOn26Ports()
{
    WindowDriver d;
    d.selectModel(13);
    auto *selectAll = d.find<QRadioButton>("radioButton_selectAll");
    auto *deselectAll = d.find<QRadioButton>("radioButton_deselectAll");
    measure([&] {
        // Leaves select-all mode, so that the next click counts; the pointer
        // stays on the button, as the user's does.
        deselectAll->setChecked(true);
        emit deselectAll->clicked(true);
        settle();
        QTest::mouseClick(selectAll, Qt::LeftButton, {}, selectAll->rect().center());
        settle();
    });
}

void BenchPortEditing::changeTo26PortModelAndBack()
{
    WindowDriver d;
    QComboBox *models = d.combo("comboBox_productSelection");
    measure([&] {
        pickItem(models, 13);
        settle();
        pickItem(models, 0);
        settle();
    });
}

void BenchPortEditing::clickPortOn26Ports()
{
    WindowDriver d;
    d.selectModel(13);
    int port = 0;
    measure([&] {
        d.clickPort(port);
        settle();
        port = (port + 1) % 26;
    });
}

void BenchPortEditing::autoNegotiationInSelectAllMode()
{
    WindowDriver d;
    d.selectModel(13);
    d.clickRadio("radioButton_selectAll");
    QComboBox *autoNeg = d.combo("comboBox_autoNeg");
    measure([&] {
        pickItem(autoNeg, 0);
        settle();
        pickItem(autoNeg, 1);
        settle();
    });
}

// A long history on the 26-port model: auto negotiation switched off and
// on again in select-all mode, every step rewriting 24 rows of the table.
// Each iteration of a measurement takes one step back or forth, so the
// history holds more steps than the 100 a user keeps.
void fillHistoryOn26Ports(WindowDriver &d)
{
    d.selectModel(13);
    d.clickRadio("radioButton_selectAll");
    QUndoStack &stack = d.window->undoHistory().stack();
    stack.clear();
    stack.setUndoLimit(0);
    for (int step = 0; step < 2000; ++step)
        d.window->editor()->editPort(PortColumn::AutoNeg, step % 2);
    settle();
}

void BenchPortEditing::undoOn26Ports()
{
    WindowDriver d;
    fillHistoryOn26Ports(d);
    UndoHistory &history = d.window->undoHistory();
    measure([&] {
        QVERIFY(history.stack().canUndo());
        history.undoAction()->trigger();
        settle();
    });
}

void BenchPortEditing::redoOn26Ports()
{
    WindowDriver d;
    fillHistoryOn26Ports(d);
    UndoHistory &history = d.window->undoHistory();
    while (history.stack().canUndo())
        history.stack().undo();
    settle();
    measure([&] {
        QVERIFY(history.stack().canRedo());
        history.redoAction()->trigger();
        settle();
    });
}

QTEST_MAIN(BenchPortEditing)
#include "bench_portediting.moc"
