// The window's interactive actions, each from the user's input until the
// event queue is empty again. Run through "make bench".
#include "../window/windowdriver.h"
#include "benchmark.h"
#include "core/config/portparameters.h"
#include "window/app/undohistory.h"

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

constexpr int k26Ports = 13;

// A full history of auto-negotiation changes in select-all mode on the
// 26-port model: each step restores every port.
void fillHistory(WindowDriver &d)
{
    d.selectModel(k26Ports);
    d.clickRadio("radioButton_selectAll");
    d.window->undoHistory().stack().clear();
    for (int step = 0; step < 100; ++step)
        d.window->editor()->editPort(PortColumn::AutoNeg, step % 2);
    Bench::settle();
}

} // namespace

class BenchPortEditing : public QObject
{
    Q_OBJECT

private slots:
    void windowShown();
    void modelChange();
    void selectAll();
    void portClick();
    void autoNegotiationInSelectAllMode();
    void tableEdit();
    void undo();
    void redo();
};

void BenchPortEditing::windowShown()
{
    std::unique_ptr<MainWindow> window;
    Bench::measure(
        "Main window constructed and shown", 150, [&] { window.reset(); },
        [&] {
            window = std::make_unique<MainWindow>();
            window->show();
        });
}

void BenchPortEditing::modelChange()
{
    WindowDriver d;
    QComboBox *models = d.combo("comboBox_productSelection");
    int next = k26Ports;
    Bench::measure("Model change, 5 and 26 ports in turn", 8, [&] {
        pickItem(models, next);
        next = next == k26Ports ? 0 : k26Ports;
    });
}

void BenchPortEditing::selectAll()
{
    WindowDriver d;
    d.selectModel(k26Ports);
    auto *selectAll = d.find<QRadioButton>("radioButton_selectAll");
    // The pointer rests on the button, as the user's does.
    Bench::measure(
        "Select All, 26 ports", 8, [&] { d.window->editor()->deselectAllPorts(); },
        [&] { QTest::mouseClick(selectAll, Qt::LeftButton, {}, selectAll->rect().center()); });
}

void BenchPortEditing::portClick()
{
    WindowDriver d;
    d.selectModel(k26Ports);
    int port = 0;
    Bench::measure("Port click, 26 ports", 8, [&] {
        d.clickPort(port);
        port = (port + 1) % 26;
    });
}

void BenchPortEditing::autoNegotiationInSelectAllMode()
{
    WindowDriver d;
    d.selectModel(k26Ports);
    d.clickRadio("radioButton_selectAll");
    QComboBox *autoNeg = d.combo("comboBox_autoNeg");
    Bench::measure(
        "Auto Negotiation Off in select-all mode, 26 ports", 8,
        [&] { d.window->editor()->editPort(PortColumn::AutoNeg, 1); },
        [&] { pickItem(autoNeg, 0); });
}

void BenchPortEditing::tableEdit()
{
    WindowDriver d;
    d.selectModel(k26Ports);
    bool on = false;
    // What the cell editor commits when the user picks an item.
    Bench::measure("Table edit, 26 ports", 8, [&] {
        on = !on;
        d.cells()->setData(d.cells()->index(20, PortColumn::FlowControl),
                           on ? QStringLiteral("On") : QStringLiteral("Off"));
    });
}

void BenchPortEditing::undo()
{
    WindowDriver d;
    fillHistory(d);
    Bench::measure("Undo, 26 ports", 8, [&] { d.window->undoHistory().undoAction()->trigger(); });
}

void BenchPortEditing::redo()
{
    WindowDriver d;
    fillHistory(d);
    while (d.window->undoHistory().stack().canUndo())
        d.window->undoHistory().stack().undo();
    Bench::measure("Redo, 26 ports", 8, [&] { d.window->undoHistory().redoAction()->trigger(); });
}

QTEST_MAIN(BenchPortEditing)
#include "bench_portediting.moc"
