#include "../windowdriver.h"
#include "app/prompts.h"
#include "config/textfields.h"
#include "file/configdiff.h"
#include "file/configwriter.h"
#include "file/dialogcompare.h"
#include "file/dialogerrorlog.h"
#include "file/filecommands.h"

#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

namespace {

QStringList tableRows(const QAbstractItemModel *table)
{
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << table->index(r, c).data().toString();
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

// What the compare dialog and the error log showed.
struct Shown
{
    QString summary;
    QString models; // empty when hidden
    QStringList differences;
    QString copied;
    QStringList rejected;

    int answer(QDialog &dialog)
    {
        if (qobject_cast<DialogCompare *>(&dialog)) {
            dialog.show();
            summary = dialog.findChild<QLabel *>("label_summary")->text();
            auto *models = dialog.findChild<QLabel *>("label_models");
            this->models = models->isVisible() ? models->text() : QString();
            differences =
                tableRows(dialog.findChild<QTableWidget *>("tableWidget_differences")->model());
            QTest::mouseClick(dialog.findChild<QPushButton *>("pushButton_copy"), Qt::LeftButton);
            copied = QGuiApplication::clipboard()->text();
            rejected =
                tableRows(dialog.findChild<QTableView *>("tableView_rejectedLines")->model());
        }
        if (qobject_cast<DialogErrorLog *>(&dialog))
            rejected = tableRows(dialog.findChild<QTableView *>()->model());
        return QDialog::Accepted;
    }
};

// The record of catalogue row `row` with settings on every port and in the
// texts, as a file of that model carries them.
SwitchConfig edited(int row)
{
    SwitchConfig config = defaultConfiguration(row);
    for (int p = 0; p < config.portCount; ++p) {
        config.ports[p].jumboFrames = 1;
        config.ports[p].broadcastStormThreshold = quint8(50 + p);
    }
    config.dscpTrafficClass[46] = 0;
    storeText(config.contactName, QStringLiteral("Ann Smith"));
    storeText(config.location, QStringLiteral("Hall 3"));
    return config;
}

} // namespace

class TestToolCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void compareWithFile_data();
    void compareWithFile();
    void applyFileToCurrentModel_data();
    void applyFileToCurrentModel();

private:
    QString path(const QString &name) const { return m_folder->filePath(name); }
    void triggerTool(int item);

    std::unique_ptr<QTemporaryDir> m_folder;
    std::unique_ptr<WindowDriver> d;
    Shown m_shown;
};

void TestToolCommands::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(m_folder->path()); // where "errorLog.txt" goes
    Prompts::reset();
    Prompts::setScripted(true);
    m_shown = Shown();
    QGuiApplication::clipboard()->clear();
    Prompts::setDialogHandler([this](QDialog &dialog) { return m_shown.answer(dialog); });
    d = std::make_unique<WindowDriver>();
}

void TestToolCommands::cleanup()
{
    d.reset();
    QCOMPARE(Prompts::unansweredDialogs(), 0);
    QVERIFY(!QGuiApplication::overrideCursor());
    Prompts::reset();
}

void TestToolCommands::triggerTool(int item)
{
    for (QAction *menu : d->window->menuBar()->actions()) {
        if (menu->text() == QLatin1String("&Tools"))
            return menu->menu()->actions().at(item)->trigger();
    }
    QFAIL("no Tools menu");
}

void TestToolCommands::compareWithFile_data()
{
    QTest::addColumn<int>("savedOn");
    QTest::addColumn<int>("model"); // chosen after saving
    QTest::addColumn<bool>("edit");
    QTest::addColumn<QByteArray>("appended");
    QTest::addColumn<QString>("summary");
    QTest::addColumn<QString>("models");
    QTest::addColumn<QStringList>("differences");
    QTest::addColumn<QStringList>("rejected");

    QTest::newRow("saved and edited")
        << 0 << 0 << true << QByteArray() << "2 settings differ"
        << "" << QStringList {"Aging Time [s]||600|300", "Flow Control|2|On|Off"} << QStringList();
    // The third of three rows sharing one ID: the file is read for it.
    QTest::newRow("a row sharing the ID, a rejected line")
        << 7 << 7 << false << QByteArray("\nport.speed,3,7") << "The configurations are identical"
        << "" << QStringList() << QStringList {"155|port.speed|3|7|Not valid value"};
    QTest::newRow("another model")
        << 0 << 13 << false << QByteArray() << "The configurations are identical"
        << "The file is for TAVRIN-KX-21-05C4000000; the current configuration is for "
           "TAVRIN KX-21-24C4R7R700."
        << QStringList() << QStringList();
}

void TestToolCommands::compareWithFile()
{
    QFETCH(int, savedOn);
    QFETCH(int, model);
    QFETCH(bool, edit);
    QFETCH(QByteArray, appended);

    ConfigEditor *editor = d->window->editor();
    editor->selectModel(savedOn);
    QVERIFY(d->window->fileCommands().writeConfigFile(path("saved.csv")));
    QFile saved(path("saved.csv"));
    QVERIFY(saved.open(QIODevice::Append));
    saved.write(appended);
    saved.close();
    editor->selectModel(model);
    if (edit) {
        editor->setAgingTime(QStringLiteral("600"));
        d->clickPort(1);
        QVERIFY(d->pick("comboBox_flowControl", 1));
    }
    const EditorState before = editor->state();
    int steps = 0;
    connect(editor, &ConfigEditor::stepFinished, this, [&] { ++steps; });

    Prompts::queueFileNames({path("saved.csv")});
    triggerTool(0);
    QTEST(m_shown.summary, "summary");
    QTEST(m_shown.models, "models");
    QTEST(m_shown.differences, "differences");
    QTEST(m_shown.rejected, "rejected");
    // Copied: a head line, then the rows with tabs between the cells.
    QFETCH(QStringList, differences);
    QCOMPARE(m_shown.copied.replace(QLatin1Char('\t'), QLatin1Char('|'))
                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts)
                 .mid(1),
             differences);
    // Only looked at: the configuration is as it was.
    QVERIFY(sameDocument(editor->state(), before));
    QCOMPARE(steps, 0);
}

void TestToolCommands::applyFileToCurrentModel_data()
{
    QTest::addColumn<int>("fileRow");
    QTest::addColumn<int>("targetRow");
    QTest::addColumn<QString>("reason"); // of every rejected line
    QTest::addColumn<int>("firstPort"); // rejected; 0 for none
    QTest::addColumn<int>("lastPort");

    QTest::newRow("5 ports onto 26") << 0 << 13 << "" << 0 << 0;
    QTest::newRow("26 ports onto 5") << 13 << 0 << "Not valid index" << 6 << 26;
    QTest::newRow("PoE onto no PoE") << 17 << 16 << "Not valid Line" << 1 << 8;
}

void TestToolCommands::applyFileToCurrentModel()
{
    QFETCH(int, fileRow);
    QFETCH(int, targetRow);
    QFETCH(QString, reason);
    QFETCH(int, firstPort);
    QFETCH(int, lastPort);

    QFile file(path("other.csv"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(configFileBytes(edited(fileRow), {"Ann Smith", "Hall 3"}, QDate(2024, 3, 7)));
    file.close();
    ConfigEditor *editor = d->window->editor();
    editor->selectModel(targetRow);
    QStringList steps;
    SwitchConfig before;
    connect(editor, &ConfigEditor::stepFinished, this,
            [&](const QString &name, const EditorState &state) {
                steps << name;
                before = state.config;
            });

    Prompts::queueFileNames({path("other.csv")});
    triggerTool(1);

    // The ports both models have carry the file's settings, the others and
    // every key the model lacks keep the model's defaults.
    SwitchConfig expected = edited(targetRow);
    const SwitchConfig defaults = defaultConfiguration(targetRow);
    for (int p = catalogueRow(fileRow).portCount; p < expected.portCount; ++p)
        expected.ports[p] = defaults.ports[p];
    QCOMPARE(editor->state().modelIndex, targetRow);
    QVERIFY(editor->state().config == expected);

    QSet<int> ports, expectedPorts;
    for (int port = firstPort; port && port <= lastPort; ++port)
        expectedPorts << port;
    for (const QString &row : qAsConst(m_shown.rejected)) {
        QCOMPARE(row.section(QLatin1Char('|'), 4), reason);
        ports << row.section(QLatin1Char('|'), 2, 2).toInt();
    }
    QCOMPARE(ports, expectedPorts);
    QCOMPARE(QFile::exists(QStringLiteral("errorLog.txt")), firstPort != 0);

    // One step, which undo takes back to the model's previous settings.
    QCOMPARE(steps, QStringList("Apply File"));
    QVERIFY(before == defaults);
}

QTEST_MAIN(TestToolCommands)
#include "tst_toolcommands.moc"
