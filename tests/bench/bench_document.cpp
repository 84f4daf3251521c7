// The document commands with a full undo history on the 26-port model, each
// from the user's input until the event queue is empty again; questions
// answered through the prompts seam. Run through "make bench".
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

// 100 steps kept, each of them changing every port; the document unsaved.
void fillHistory(WindowDriver &d)
{
    d.selectModel(k26Ports);
    d.clickRadio("radioButton_selectAll");
    for (int step = 0; step < UndoHistory::kMaxSteps; ++step)
        d.window->editor()->editPort(PortColumn::AutoNeg, step % 2);
    Bench::settle();
}

} // namespace

class BenchDocument : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void newConfiguration();
    void open();
    void undoOpen();
    void save();

private:
    QString path(const QString &name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
};

void BenchDocument::initTestCase()
{
    QDir::setCurrent(m_folder.path());
    Prompts::setScripted(true);
    // "Discard" to the question before New and Open; OK to any other dialog.
    Prompts::setDialogHandler([](QDialog &dialog) {
        return qobject_cast<QMessageBox *>(&dialog) ? int(QMessageBox::Discard)
                                                    : int(QDialog::Accepted);
    });
}

void BenchDocument::newConfiguration()
{
    WindowDriver d;
    fillHistory(d);
    bool on = false;
    Bench::measure(
        "New over unsaved changes, 100 steps kept", 8,
        [&] {
            d.window->editor()->editPort(PortColumn::AutoNeg, on = !on);
            Bench::settle();
        },
        [&] { d.window->newFile(); });
}

void BenchDocument::open()
{
    WindowDriver d;
    d.selectModel(k26Ports);
    d.window->fileCommands().writeConfigFile(path("ports26.csv"));
    fillHistory(d);
    Bench::measure(
        "Open a 26-port file, 100 steps kept", 8,
        [&] { Prompts::queueFileNames({path("ports26.csv")}); }, [&] { d.window->open(); });
}

void BenchDocument::undoOpen()
{
    WindowDriver d;
    d.selectModel(k26Ports);
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

void BenchDocument::save()
{
    WindowDriver d;
    fillHistory(d);
    Prompts::queueFileNames({path("saved.csv")});
    d.window->saveAs();
    bool on = false;
    // Every kept state learns what the file now holds.
    Bench::measure(
        "Save, 26 ports, 100 steps kept", 8,
        [&] {
            d.window->editor()->editPort(PortColumn::AutoNeg, on = !on);
            Bench::settle();
        },
        [&] { d.window->save(); });
}

QTEST_MAIN(BenchDocument)
#include "bench_document.moc"
