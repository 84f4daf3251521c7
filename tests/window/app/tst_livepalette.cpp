// The window and its dialogs follow a desktop that turns dark, and light
// again, while they are open: every text keeps its contrast, the light look
// comes back whole.
#include "../deskcolours.h"
#include "../windowdriver.h"
#include "core/file/configreader.h"
#include "window/file/dialogerrorlog.h"

#include <optional>

namespace {

// The logo's lettering (the part beside its icon) against what is behind it.
double letteringContrast(QWidget *window)
{
    const QWidget *logo = window->findChild<QWidget *>(QStringLiteral("label_oemLogo"));
    // Grabbed with what its parent draws behind it.
    const QImage drawn = logo->parentWidget()->grab(logo->geometry()).toImage();
    return drawnContrast(
        drawn.copy(drawn.width() * 2 / 5, 0, drawn.width() * 3 / 5, drawn.height()));
}

// The steps of a desktop's day: light as the window opens, dark, light
// again; or dark already as it opens, then light.
QVector<bool> darkSteps(bool darkFirst)
{
    return darkFirst ? QVector<bool> {true, false} : QVector<bool> {false, true, false};
}

// Takes `desk` to the step's colours and lets the window answer: a change
// may reach it as posted events, and it recolours in one of its own.
void takeStep(std::optional<DarkDesk> &desk, bool dark, DarkDesk::Change change)
{
    if (dark && !desk)
        desk.emplace(change);
    else if (!dark)
        desk.reset();
    for (int pass = 0; pass < 3; ++pass)
        QCoreApplication::processEvents();
}

} // namespace

class TestLivePalette : public QObject
{
    Q_OBJECT

private slots:
    void init() { Prompts::setScripted(true); }
    void cleanup() { Prompts::reset(); }

    void windowFollowsTheDesktop_data()
    {
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("darkFirst"); // the desk dark before the window opens
        QTest::newRow("palette") << int(DarkDesk::Palette) << false;
        QTest::newRow("style and palette") << int(DarkDesk::StyleAndPalette) << false;
        QTest::newRow("palette on every widget") << int(DarkDesk::PaletteOnEveryWidget) << false;
        QTest::newRow("dark at start") << int(DarkDesk::StyleAndPalette) << true;
    }

    void windowFollowsTheDesktop()
    {
        QFETCH(int, change);
        QFETCH(bool, darkFirst);
        // The measure itself: from 1:1 for one colour to 21:1 for black on white.
        QCOMPARE(qRound(DeskSetup::contrastRatio(Qt::black, Qt::white)), 21);
        QCOMPARE(DeskSetup::contrastRatio(Qt::gray, Qt::gray), 1.0);
        std::optional<DarkDesk> desk;
        if (darkFirst)
            desk.emplace(DarkDesk::Change(change));
        WindowDriver d;
        MainWindow *window = d.window.get();
        // The PoE model: every panel widget shown.
        d.selectModel(firstRowWithConfigId(101));
        d.clickPort(0);
        for (const bool dark : darkSteps(darkFirst)) {
            takeStep(desk, dark, DarkDesk::Change(change));
            const char *step = dark ? "dark" : "light";
            // Light: the window's own blue-grey; dark: the desktop's colours
            // whole. The labels are drawn on it.
            const QColor background = dark ? DarkDesk::window() : DeskSetup::kWindowColour;
            QCOMPARE(window->palette().color(QPalette::Window), background);
            for (const QLabel *label : window->findChildren<QLabel *>()) {
                if (label->isVisibleTo(window) && !isPortNumber(label))
                    QCOMPARE(backdropColour(label), background);
            }
            // The light desktop's disabled texts are as pale as it makes them.
            const QStringList unreadable = unreadableTexts(window, dark ? 3.0 : 1.0);
            QVERIFY2(unreadable.isEmpty(),
                     qPrintable(step + QStringLiteral(": ") + unreadable.join(", ")));
            const double lettering = letteringContrast(window);
            QVERIFY2(lettering >= 4.5,
                     qPrintable(step + QStringLiteral(" logo: %1").arg(lettering)));
        }
    }

    void openDialogsFollowTheDesktop_data()
    {
        QTest::addColumn<QByteArray>("button"); // empty: the error log
        QTest::addColumn<bool>("darkFirst"); // the desk dark before the window opens
        for (const bool darkFirst : {false, true}) {
            const QByteArray start = darkFirst ? " dark at start" : "";
            QTest::newRow("802.1p mapping" + start)
                << QByteArray("pushButton_qosPMapping") << darkFirst;
            QTest::newRow("DSCP mapping" + start)
                << QByteArray("pushButton_qosDscpMapping") << darkFirst;
        }
        QTest::newRow("error log") << QByteArray() << false;
    }

    void openDialogsFollowTheDesktop()
    {
        QFETCH(QByteArray, button);
        QFETCH(bool, darkFirst);
        const QColor lightWindow = QApplication::palette().color(QPalette::Window);
        std::optional<DarkDesk> desk;
        if (darkFirst)
            desk.emplace();
        WindowDriver d;
        const auto inspect = [&](QDialog &dialog) {
            for (const bool dark : darkSteps(darkFirst)) {
                takeStep(desk, dark, DarkDesk::PaletteOnEveryWidget);
                const char *step = dark ? "dark" : "light";
                QCOMPARE(dialog.palette().color(QPalette::Window),
                         dark ? DarkDesk::window() : lightWindow);
                QStringList unreadable = unreadableTexts(&dialog, dark ? 3.0 : 1.0);
                // The mapping dialogs' heads as they are drawn: grey tiles,
                // apart from the dialog's background, with readable text.
                const QList<QLabel *> heads =
                    button.isEmpty() ? QList<QLabel *>() : dialog.findChildren<QLabel *>();
                for (QLabel *head : heads) {
                    const QImage drawn = head->grab().toImage();
                    const double ratio = drawnContrast(drawn);
                    if (drawn.pixelColor(0, 0) == dialog.palette().color(QPalette::Window))
                        unreadable << head->objectName() + " not a tile";
                    else if (ratio < 4.5)
                        unreadable << head->objectName() + " drawn " + QString::number(ratio);
                }
                QVERIFY2(unreadable.isEmpty(),
                         qPrintable(step + QStringLiteral(": ") + unreadable.join(", ")));
            }
        };
        if (!button.isEmpty()) {
            d.inspectDialog(button, inspect);
            return;
        }
        DialogErrorLog log({{12, "port.speed,3,7", 5}}, QStringLiteral("hall4.csv"), 0);
        log.show();
        QVERIFY(QTest::qWaitForWindowExposed(&log));
        inspect(log);
    }
};

int main(int argc, char *argv[])
{
    DeskSetup::enableHighDpi();
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("MS Shell Dlg 2"), 8, QFont::Normal, false));
    TestLivePalette test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_livepalette.moc"
