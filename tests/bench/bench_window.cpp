// The window's interactive actions and document commands on the 26-port
// model, each from the user's input until the event queue is empty again;
// dialogs answered through the prompts seam. Run through "make bench".
#include "../window/windowdriver.h"
#include "benchmark.h"
#include "core/config/portparameters.h"
#include "window/app/undohistory.h"
#include "window/file/filecommands.h"
#include "window/ground/prompts.h"

#include <QTemporaryDir>
#include <QUndoStack>

namespace {

constexpr int k26Ports = 13;

// The user's pick in a combo box: the index changes and the box reports
// the activation, as it does for a click in its list.
void pickItem(QComboBox *combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// A full history of auto-negotiation changes in select-all mode, each
// step changing every port; the document unsaved.
void fillHistory(WindowDriver &d)
{
    d.selectModel(k26Ports);
    d.clickRadio("radioButton_selectAll");
    d.window->undoHistory().stack().clear();
    for (int step = 0; step < UndoHistory::kMaxSteps; ++step)
        d.window->editor()->editPort(PortColumn::AutoNeg, step % 2);
    Bench::settle();
}

// The main window shown with the 26-port model.
struct Window26 : WindowDriver
{
    Window26() { selectModel(k26Ports); }
};

} // namespace

class BenchWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString path(const char *name) const { return m_folder.filePath(name); }

    // An edit that leaves unsaved changes, before the command is timed.
    static auto unsavedEdit(WindowDriver &d)
    {
        return [&d, on = false]() mutable {
            d.window->editor()->editPort(PortColumn::AutoNeg, on = !on);
            Bench::settle();
        };
    }

private slots:
    void initTestCase()
    {
        QDir::setCurrent(m_folder.path()); // "errorLog.txt" goes here
        Prompts::setScripted(true);
        // "Discard" to the question before New and Open; OK to any other dialog.
        Prompts::setDialogHandler([](QDialog &dialog) {
            return qobject_cast<QMessageBox *>(&dialog) ? int(QMessageBox::Discard)
                                                        : int(QDialog::Accepted);
        });
    }

    void windowShown()
    {
        std::unique_ptr<MainWindow> window;
        Bench::measure(
            "Main window constructed and shown", 150, [&] { window.reset(); },
            [&] {
                window = std::make_unique<MainWindow>();
                window->show();
            });
    }

    void modelChange()
    {
        WindowDriver d;
        QComboBox *models = d.combo("comboBox_productSelection");
        int next = k26Ports;
        Bench::measure("Model change, 5 and 26 ports in turn", 8, [&] {
            pickItem(models, next);
            next = next == k26Ports ? 0 : k26Ports;
        });
    }

    void selectAll()
    {
        Window26 d;
        auto *selectAll = d.find<QRadioButton>("radioButton_selectAll");
        // The pointer rests on the button, as the user's does.
        Bench::measure(
            "Select All, 26 ports", 8, [&] { d.window->editor()->deselectAllPorts(); },
            [&] { QTest::mouseClick(selectAll, Qt::LeftButton, {}, selectAll->rect().center()); });
    }

    void portClick()
    {
        Window26 d;
        int port = 0;
        Bench::measure("Port click, 26 ports", 8, [&] {
            d.clickPort(port);
            port = (port + 1) % 26;
        });
    }

    void portChosenByKeyboard()
    {
        // The focus mark moves to the next port and Space chooses it.
        Window26 d;
        QWidget *picture = d.find("label_productImage");
        picture->setFocus();
        int port = 0;
        Bench::measure("Port chosen by keyboard, 26 ports", 8, [&] {
            QTest::keyClick(picture, port == 0 ? Qt::Key_Home : Qt::Key_Right);
            QTest::keyClick(picture, Qt::Key_Space);
            port = (port + 1) % 26;
        });
    }

    void autoNegotiationInSelectAllMode()
    {
        Window26 d;
        d.clickRadio("radioButton_selectAll");
        QComboBox *autoNeg = d.combo("comboBox_autoNeg");
        Bench::measure(
            "Auto Negotiation Off in select-all mode, 26 ports", 8,
            [&] { d.window->editor()->editPort(PortColumn::AutoNeg, 1); },
            [&] { pickItem(autoNeg, 0); });
    }

    void tableEdit()
    {
        Window26 d;
        bool on = false;
        // What the cell editor commits when the user picks an item.
        Bench::measure("Table edit, 26 ports", 8, [&] {
            on = !on;
            d.cells()->setData(d.cells()->index(20, PortColumn::FlowControl),
                               on ? QStringLiteral("On") : QStringLiteral("Off"));
        });
    }

    void undo()
    {
        WindowDriver d;
        fillHistory(d);
        Bench::measure("Undo, 26 ports", 8,
                       [&] { d.window->undoHistory().undoAction()->trigger(); });
    }

    void redo()
    {
        WindowDriver d;
        fillHistory(d);
        while (d.window->undoHistory().stack().canUndo())
            d.window->undoHistory().stack().undo();
        Bench::measure("Redo, 26 ports", 8,
                       [&] { d.window->undoHistory().redoAction()->trigger(); });
    }

    // Through a temporary file that is synced and renamed over the target.
    void save26Ports()
    {
        Window26 d;
        Bench::measure("Save, 26 ports", 5,
                       [&] { d.window->fileCommands().writeConfigFile(path("ports26.csv")); });
    }

    void load26Ports()
    {
        Window26 d;
        d.window->fileCommands().writeConfigFile(path("ports26.csv"));
        Bench::measure(
            "Open a 26-port file, dialogs answered", 50,
            [&] { Prompts::queueFileNames({path("ports26.csv")}); }, [&] { d.window->open(); });
    }

    void load100000BadLines()
    {
        QFile file(path("bad.csv"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("file.configID,0,32\n");
        for (int i = 0; i < 100000; ++i)
            file.write("port.speed," + QByteArray::number(i % 40) + ",7\n");
        file.close();
        WindowDriver d;
        Bench::measure(
            "Open 100,000 bad lines, error log included", 2000,
            [&] { Prompts::queueFileNames({path("bad.csv")}); }, [&] { d.window->open(); }, 3);
    }

    void newConfiguration()
    {
        WindowDriver d;
        fillHistory(d);
        Bench::measure("New over unsaved changes, 100 steps kept", 8, unsavedEdit(d),
                       [&] { d.window->newFile(); });
    }

    void openWithHistory()
    {
        Window26 d;
        d.window->fileCommands().writeConfigFile(path("ports26.csv"));
        fillHistory(d);
        Bench::measure(
            "Open a 26-port file, 100 steps kept", 8,
            [&] { Prompts::queueFileNames({path("ports26.csv")}); }, [&] { d.window->open(); });
    }

    void undoOpen()
    {
        Window26 d;
        d.window->fileCommands().writeConfigFile(path("ports26.csv"));
        fillHistory(d);
        Bench::measure(
            "Undo of an Open, 26 ports", 8,
            [&] {
                Prompts::queueFileNames({path("ports26.csv")});
                d.window->open();
                Bench::settle();
            },
            [&] { d.window->undoHistory().undoAction()->trigger(); });
    }

    // Every kept state learns what the file now holds.
    void saveWithHistory()
    {
        WindowDriver d;
        fillHistory(d);
        Prompts::queueFileNames({path("saved.csv")});
        d.window->saveAs();
        Bench::measure("Save, 26 ports, 100 steps kept", 8, unsavedEdit(d),
                       [&] { d.window->save(); });
    }
};

QTEST_MAIN(BenchWindow)
#include "bench_window.moc"
