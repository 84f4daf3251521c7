#include "config/editorstate.h"
#include "config/poeclasses.h"
#include "config/portediting.h"
#include "config/portselection.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace PortColumn;

namespace {

// Runs user steps on a fresh state of catalogue row `model`: "c3" clicks
// port 3, "k3" Ctrl-clicks it, "t3" clicks table row 3 (ports 1-based),
// "A" Select All, "D" Deselect All, "u" sets the trust mode to untrusted.
EditorState run(int model, const QString &steps = QString())
{
    EditorState s;
    selectModel(s, model);
    for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int port = step.mid(1).toInt() - 1;
        switch (step.at(0).toLatin1()) {
        case 'c':
            clickPort(s, port);
            break;
        case 'k':
            controlClickPort(s, port);
            break;
        case 't':
            selectSinglePort(s, port);
            break;
        case 'A':
            selectAllPorts(s);
            break;
        case 'D':
            deselectAllPorts(s);
            break;
        case 'u':
            editTrustMode(s, 0);
            break;
        }
    }
    return s;
}

QString selection(const EditorState &s)
{
    QString marks;
    for (int p = 0; p < s.config.portCount; ++p)
        marks += s.selection.contains(p) ? QLatin1Char('x') : QLatin1Char('.');
    return marks;
}

// The editable widgets as letters in column order, then the power-supply
// alarms; upper case where the widget is editable.
QString gating(const EditorState &s)
{
    const char letters[] = "alnsdcmfbtuvjqpeoiwx";
    QString shown;
    for (int column = 0; column < Count; ++column) {
        const QChar letter = QLatin1Char(letters[column]);
        shown += s.gating.isEditable(column) ? letter.toUpper() : letter;
    }
    return shown + (s.gating.psuAlarms ? QLatin1Char('Y') : QLatin1Char('y'));
}

std::array<quint8, 8> classes(std::initializer_list<int> list)
{
    std::array<quint8, 8> result;
    result.fill(kNoPoEClass);
    int i = 0;
    for (int c : list)
        result[i++] = quint8(c);
    return result;
}

constexpr int kFourCopperOneFibre = 5;
constexpr int kGigabitCopper = 3;
constexpr int kTwentySixPorts = 13;
constexpr int kPoEModel = 17;

} // namespace

class TestPortRules : public QObject
{
    Q_OBJECT

private slots:
    void gatingByPortKind_data();
    void gatingByPortKind();
    void dependentGating_data();
    void dependentGating();
    void selectionTransitions_data();
    void selectionTransitions();
    void selectionNeverWritesTheRecord();
    void editsReachTheTargetPorts_data();
    void editsReachTheTargetPorts();
    void autoNegotiationSpeedRule_data();
    void autoNegotiationSpeedRule();
    void trustModeWritesEveryPort();
    void classesTyping_data();
    void classesTyping();
    void userLimitOnlyWithAllClasses();
    void tableEdits_data();
    void tableEdits();
    void tableEditReachesItsRowOnly();
    void gatingAfterSelectAllEditIsTheSelections();
    void classesTypingStartsFromTheShownPort();
    void portOneOfThePoEModelHasNoClasses();
};

void TestPortRules::gatingByPortKind_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");
    //                                                             alnsdcmfbtuvjqpeoiwx
    QTest::newRow("nothing selected") << 0 << ""
                                      << "alnsdcmfbtuvjQpeoiwxY";
    QTest::newRow("fast copper") << 0 << "c1"
                                 << "ALNsdcmFBtUvJQpeoiwxY";
    QTest::newRow("gigabit copper: EEE") << kGigabitCopper << "c3"
                                         << "ALNsdcmFBtUvJQpEoiwxY";
    QTest::newRow("fast fibre") << kFourCopperOneFibre << "c5"
                                << "ALnsDcmFBtUvJQpeoiwxY";
    QTest::newRow("gigabit fibre") << 15 << "c5"
                                   << "ALnsDcmFBtUvJQpeoiwxY";
    QTest::newRow("fibre, no jumbo") << 8 << "c8"
                                     << "ALnsDcmFBtUvjQpeoiwxY";
    QTest::newRow("no alarms") << 16 << "c1"
                               << "AlNsdcmFBtUvJQpeoiwxy";
    QTest::newRow("PoE port") << kPoEModel << "c4"
                              << "AlNsdcmFBtUvJQpeOIWXy";
    QTest::newRow("PoE model, port 1") << kPoEModel << "c1"
                                       << "AlNsdcmFBtUvJQpeoiwxy";
    QTest::newRow("deselected after fibre") << kFourCopperOneFibre << "c5 c5"
                                            << "alnsdcmfbtuvjQpeoiwxY";
    QTest::newRow("deselected after copper") << kFourCopperOneFibre << "c1 c1"
                                             << "alNsdcmfbtuvjQpeoiwxY";
    QTest::newRow("ctrl-click copper while fibre is shown") << kFourCopperOneFibre << "c5 c5 k2"
                                                            << "ALNsdcmFBtUvJQpeoiwxY";
    QTest::newRow("select all") << kFourCopperOneFibre << "A"
                                << "ALNsdcmFBtUvJQpeoiwxY";
}

void TestPortRules::gatingByPortKind()
{
    QFETCH(int, model);
    QFETCH(QString, steps);
    QTEST(gating(run(model, steps)), "expected");
}

void TestPortRules::dependentGating_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("expected");
    // Gigabit copper port 2 shown alone, trust mode "trustDot1p".
    //                                                             alnsdcmfbtuvjqpeoiwx
    QTest::newRow("auto negotiation off") << int(AutoNeg) << 0 << "ALNSDCmFBtUvJQpeoiwxY";
    QTest::newRow("auto crossing off") << int(AutoCrossing) << 0 << "ALNsdcmFBtUvJQpEoiwxY";
    QTest::newRow("broadcast on") << int(BroadcastStormProtection) << 1 << "ALNsdcmFBTUvJQpEoiwxY";
    QTest::newRow("multicast on") << int(MulticastStormProtection) << 1 << "ALNsdcmFBtUVJQpEoiwxY";
    QTest::newRow("untrusted") << int(QosTrustMode) << 0 << "ALNsdcmFBtUvJQPEoiwxY";
}

void TestPortRules::dependentGating()
{
    QFETCH(int, column);
    QFETCH(int, value);
    EditorState s = run(kGigabitCopper, QStringLiteral("c2"));
    editPort(s, column, value);
    QTEST(gating(s), "expected");
    if (column == AutoNeg) {
        // Without auto crossing MDI comes back; with auto negotiation EEE does.
        editPort(s, AutoCrossing, 0);
        QVERIFY(s.gating.isEditable(MdiState));
        QVERIFY(!s.gating.isEditable(Eee));
    }
}

void TestPortRules::selectionTransitions_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<int>("shown"); // 1-based
    QTest::newRow("click") << "c3"
                           << "..x.." << false << 3;
    QTest::newRow("click twice") << "c3 c3"
                                 << "....." << false << 3;
    QTest::newRow("click another") << "c3 c2"
                                   << ".x..." << false << 2;
    QTest::newRow("ctrl adds, panel stays") << "c1 k3"
                                            << "x.x.." << false << 1;
    QTest::newRow("ctrl removes") << "c1 k3 k1"
                                  << "..x.." << false << 1;
    QTest::newRow("ctrl the only port") << "c3 k3"
                                        << "....." << false << 3;
    QTest::newRow("ctrl fibre refused") << "c1 k5"
                                        << "x...." << false << 1;
    QTest::newRow("ctrl copper onto fibre refused") << "c5 k2"
                                                    << "....x" << false << 5;
    QTest::newRow("ctrl from nothing") << "k2"
                                       << ".x..." << false << 1;
    QTest::newRow("ctrl completes the copper ports") << "k1 k2 k3 k4"
                                                     << "xxxx." << true << 1;
    QTest::newRow("select all") << "A"
                                << "xxxx." << true << 4;
    QTest::newRow("select all, click narrows") << "A c2"
                                               << ".x..." << false << 2;
    QTest::newRow("select all, ctrl removes") << "A k2"
                                              << "x.xx." << false << 4;
    QTest::newRow("deselect all") << "c1 k2 D"
                                  << "....." << false << 1;
    QTest::newRow("table row") << "c1 k2 t5"
                               << "....x" << false << 5;
    QTest::newRow("hidden port") << "c1 c7"
                                 << "x...." << false << 1;
}

void TestPortRules::selectionTransitions()
{
    QFETCH(QString, steps);
    const EditorState s = run(kFourCopperOneFibre, steps);
    QTEST(selection(s), "selection");
    QTEST(s.selection.selectAllMode, "selectAll");
    QTEST(s.panel.shownPort + 1, "shown");
}

void TestPortRules::selectionNeverWritesTheRecord()
{
    // Random clicks over ports with values of their own, on every model.
    QRandomGenerator random(4711);
    for (int model = 0; model < kCatalogueSize; ++model) {
        EditorState s = run(model);
        for (int p = 0; p < s.config.portCount; ++p) {
            PortConfig &port = s.config.ports[p];
            port.speed = quint8(random.bounded(1, 4));
            port.autoNeg = quint8(random.bounded(2));
            port.allowedPoEClasses = classes({random.bounded(5)});
            port.allowedPoEOverride = quint16(random.bounded(14));
            port.poeAdminState = quint8(random.bounded(2));
        }
        const SwitchConfig before = s.config;
        for (int step = 0; step < 200; ++step) {
            const int port = random.bounded(s.config.portCount + 1);
            switch (random.bounded(5)) {
            case 0:
                clickPort(s, port);
                break;
            case 1:
                controlClickPort(s, port);
                break;
            case 2:
                selectSinglePort(s, port);
                break;
            case 3:
                selectAllPorts(s);
                break;
            default:
                deselectAllPorts(s);
                break;
            }
            QVERIFY2(s.config == before, qPrintable(QStringLiteral("model %1").arg(model)));
        }
    }
}

void TestPortRules::editsReachTheTargetPorts_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("written"); // ports whose field took the value
    QTest::newRow("selected ports") << 0 << "c2 k4" << int(FlowControl) << 1 << ".x.x.";
    QTest::newRow("threshold needs its protection")
        << 0 << "c2" << int(BroadcastStormThreshold) << 42 << ".....";
    QTest::newRow("nothing selected") << 0 << "" << int(AdminState) << 0 << ".....";
    QTest::newRow("select all: copper ports")
        << kFourCopperOneFibre << "A" << int(AlarmLink) << 1 << "xxxx.";
    QTest::newRow("select all: port priority everywhere")
        << kFourCopperOneFibre << "u A" << int(PortPriority) << 5 << "xxxxx";
    QTest::newRow("ctrl-completed copper ports are select-all")
        << kFourCopperOneFibre << "k1 k2 k3 k4" << int(FlowControl) << 1 << "xxxx.";
    QTest::newRow("PoE in select-all mode skips port 1")
        << kPoEModel << "A" << int(PoePriority) << 3 << ".xxxxxxx";
    QTest::newRow("fibre takes no auto negotiation")
        << kFourCopperOneFibre << "c5" << int(AutoNeg) << 0 << ".....";
}

void TestPortRules::editsReachTheTargetPorts()
{
    QFETCH(int, model);
    QFETCH(QString, steps);
    QFETCH(int, column);
    QFETCH(int, value);
    QFETCH(QString, written);
    EditorState s = run(model, steps);
    const SwitchConfig before = s.config;
    const PortSet changed = editPort(s, column, value);
    QString marks;
    for (int p = 0; p < s.config.portCount; ++p) {
        const bool took = portFieldValue(s.config.ports[p], column) == value &&
            portFieldValue(before.ports[p], column) != value;
        marks += took ? QLatin1Char('x') : QLatin1Char('.');
    }
    QCOMPARE(marks, written);
    for (int p = 0; p < s.config.portCount; ++p) {
        if (written.at(p) == QLatin1Char('x'))
            QVERIFY((changed >> p) & 1u);
    }
}

void TestPortRules::autoNegotiationSpeedRule_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<int>("autoNeg");
    QTest::addColumn<QString>("speedsBefore"); // ports 1-5, "-" = 3
    QTest::addColumn<QString>("speedsAfter");
    QTest::newRow("off keeps 10") << "c1 k2 k3" << 0 << "1 2 3 3 3"
                                  << "1 2 2 3 3";
    QTest::newRow("off in select-all mode: 100") << "A" << 0 << "1 2 3 1 3"
                                                 << "2 2 2 2 3";
    QTest::newRow("on negotiates") << "c1 k3" << 1 << "1 2 1 3 3"
                                   << "3 2 3 3 3";
}

void TestPortRules::autoNegotiationSpeedRule()
{
    QFETCH(QString, steps);
    QFETCH(int, autoNeg);
    QFETCH(QString, speedsBefore);
    EditorState s = run(kFourCopperOneFibre, steps);
    const QStringList before = speedsBefore.split(QLatin1Char(' '));
    for (int p = 0; p < 5; ++p)
        s.config.ports[p].speed = quint8(before.at(p).toInt());
    editPort(s, AutoNeg, autoNeg);
    QStringList after;
    for (int p = 0; p < 5; ++p)
        after << QString::number(s.config.ports[p].speed);
    QTEST(after.join(QLatin1Char(' ')), "speedsAfter");
    // The panel shows the speed the rule left.
    QCOMPARE(s.gating.isEditable(Speed), autoNeg == 0);
}

void TestPortRules::trustModeWritesEveryPort()
{
    EditorState s = run(8); // six copper ports, three fibre ports, nothing selected
    editTrustMode(s, 2);
    for (int p = 0; p < 9; ++p)
        QCOMPARE(int(s.config.ports[p].portQosTrustMode), 2);
    QCOMPARE(int(s.config.qosTrustMode), 2);
    QVERIFY(!s.gating.isEditable(PortPriority)); // no port to give a priority
    clickPort(s, 2);
    editTrustMode(s, 0);
    QVERIFY(s.gating.isEditable(PortPriority));
    editTrustMode(s, 1);
    QVERIFY(!s.gating.isEditable(PortPriority));
}

void TestPortRules::classesTyping_data()
{
    QTest::addColumn<QStringList>("typed"); // successive texts of the field
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<QString>("stored");
    QTest::newRow("digits become a list")
        << QStringList {"0", "00", "01"} << QStringList {"0", "0", "0,1"} << "0,1";
    QTest::newRow("pasted digits fall back")
        << QStringList {"42", "123"} << QStringList {"4,2", "4,2"} << "4,2";
    QTest::newRow("cleared at once keeps the classes")
        << QStringList {"1,3", ""} << QStringList {"1,3", ""} << "1,3";
    QTest::newRow("deleting stores each shorter list")
        << QStringList {"0,1", "0,", "0"} << QStringList {"0,1", "0", "0"} << "0";
}

void TestPortRules::classesTyping()
{
    QFETCH(QStringList, typed);
    QFETCH(QStringList, shown);
    EditorState s = run(kPoEModel, QStringLiteral("c5"));
    QStringList seen;
    for (const QString &text : typed)
        seen << editClasses(s, text).shownText;
    QCOMPARE(seen, shown);
    QTEST(storedClassesText(s.config.ports[4].allowedPoEClasses), "stored");
    QCOMPARE(s.config.ports[5].allowedPoEClasses, classes({0, 1, 2, 3, 4}));
}

void TestPortRules::userLimitOnlyWithAllClasses()
{
    EditorState s = run(kPoEModel, QStringLiteral("c3"));
    QVERIFY(s.gating.isEditable(AllowedPoEOverride));
    editPort(s, AllowedPoEOverride, 7);
    QCOMPARE(int(s.config.ports[2].allowedPoEOverride), 7);

    // Fewer classes: the limit goes at once.
    editClasses(s, QStringLiteral("0,1,2"));
    QVERIFY(!s.gating.isEditable(AllowedPoEOverride));
    QCOMPARE(int(s.config.ports[2].allowedPoEOverride), 0);

    // All five typed in another order: the field does not read "0,1,2,3,4".
    editClasses(s, QStringLiteral("4,3,2,1,0"));
    QVERIFY(!s.gating.isEditable(AllowedPoEOverride));
    clickPort(s, 3);
    clickPort(s, 2); // shown again, sorted
    QCOMPARE(s.panel.classesText, QStringLiteral("0,1,2,3,4"));
    QVERIFY(s.gating.isEditable(AllowedPoEOverride));

    // PoE off: its parameters go, the information line stays.
    editPort(s, PoeAdminState, 0);
    QVERIFY(!s.gating.isEditable(PoePriority));
    QVERIFY(!s.gating.isEditable(AllowedPoEClasses));
    QVERIFY(!s.gating.isEditable(AllowedPoEOverride));
    QVERIFY(s.gating.poeLimitInfo);
}

void TestPortRules::tableEdits_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("cellAfter"); // the same cell as the record holds it
    QTest::newRow("speed while auto negotiating") << 1 << int(Speed) << "10Mbps" << false << "-";
    QTest::newRow("auto negotiation off") << 1 << int(AutoNeg) << "Off" << true << "Off";
    QTest::newRow("MDI by text") << 1 << int(MdiState) << "MDI" << false << "MDIX";
    QTest::newRow("threshold while protection is off")
        << 2 << int(BroadcastStormThreshold) << "40" << false << "100";
    QTest::newRow("trust mode only in the panel")
        << 0 << int(QosTrustMode) << "untrusted" << false << "trustDot1p";
    QTest::newRow("classes") << 5 << int(AllowedPoEClasses) << "1,3" << true << "1,3";
    QTest::newRow("user limit") << 5 << int(AllowedPoEOverride) << "9" << true << "9";
    QTest::newRow("unknown text") << 5 << int(PoePriority) << "Highest" << false << "Low";
}

void TestPortRules::tableEdits()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);
    EditorState s = run(kPoEModel);
    QTEST(editTableCell(s, row, column, text), "accepted");
    QTEST(portCellValue(s.config, row, column)->toString(), "cellAfter");
    QCOMPARE(selection(s), QString(8, QLatin1Char('.')).replace(row, 1, QLatin1Char('x')));
    if (column == AutoNeg) {
        QCOMPARE(int(s.config.ports[row].speed), 2);
        QCOMPARE(s.panel.values.autoNeg, quint8(0)); // the panel follows
    }
}

void TestPortRules::tableEditReachesItsRowOnly()
{
    // Row 4 clicked, port 2 added with Ctrl, then row 4 edited.
    EditorState s = run(0, QStringLiteral("t4 k2"));
    QVERIFY(editTableCell(s, 3, FlowControl, QStringLiteral("On")));
    QCOMPARE(int(s.config.ports[3].flowControl), 1);
    QCOMPARE(int(s.config.ports[1].flowControl), 0);
    QCOMPARE(selection(s), QStringLiteral("...x."));
    // The edited row selected but not the highest: still applied to it.
    s = run(0, QStringLiteral("c2 k4"));
    QVERIFY(editTableCell(s, 1, FlowControl, QStringLiteral("On")));
    QCOMPARE(int(s.config.ports[1].flowControl), 1);
    QCOMPARE(int(s.config.ports[3].flowControl), 0);
    QCOMPARE(selection(s), QStringLiteral(".x..."));
}

void TestPortRules::gatingAfterSelectAllEditIsTheSelections()
{
    EditorState s = run(kFourCopperOneFibre, QStringLiteral("A"));
    editTrustMode(s, 0);
    QVERIFY(editPort(s, PortPriority, 6));
    for (int p = 0; p < 5; ++p)
        QCOMPARE(int(s.config.ports[p].portPriority), 6); // fibre port included
    QCOMPARE(gating(s), QStringLiteral("ALNsdcmFBtUvJQPeoiwxY")); // the copper ports'
}

void TestPortRules::classesTypingStartsFromTheShownPort()
{
    EditorState s = run(kPoEModel, QStringLiteral("c4"));
    editClasses(s, QStringLiteral("1,3"));
    clickPort(s, 2);
    editClasses(s, QStringLiteral("4,2"));
    clickPort(s, 2); // deselected
    clickPort(s, 3);
    editClasses(s, QStringLiteral("1,33")); // a repeated class falls back
    QCOMPARE(s.config.ports[3].allowedPoEClasses, classes({1, 3}));
    QCOMPARE(s.config.ports[2].allowedPoEClasses, classes({4, 2}));
}

void TestPortRules::portOneOfThePoEModelHasNoClasses()
{
    EditorState s = run(kPoEModel);
    QCOMPARE(s.config.ports[0].allowedPoEClasses, classes({}));
    QCOMPARE(int(s.config.ports[0].poeAdminState), 0);
    QCOMPARE(s.config.ports[1].allowedPoEClasses, classes({0, 1, 2, 3, 4}));
    const SwitchConfig afterModelChange = s.config;
    clickPort(s, 0);
    QCOMPARE(s.gating.classesPlaceholder, true);
    resetConfiguration(s);
    QVERIFY(s.config == afterModelChange);
}

QTEST_GUILESS_MAIN(TestPortRules)
#include "tst_portrules.moc"
