#include "core/config/editorstate.h"
#include "core/config/globalparameters.h"
#include "core/config/poeclasses.h"
#include "core/config/portediting.h"
#include "core/config/portselection.h"
#include "core/file/configkeytable.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace PortColumn;

namespace {

// The panel's widgets by letter, in column order.
const QString kColumnLetters = QStringLiteral("alnsdcmfbtuvjqpeoiwx");

// Runs user steps: "c3" clicks port 3, "k3" Ctrl-clicks it, "t3" clicks
// table row 3 (ports 1-based), "A" is Select All, "D" Deselect All, "M"
// chooses the model again, "U" leaves the state as undo and a load leave it
// (nothing selected, port 1 shown), and "n=0" sets the panel widget of
// column letter n to 0 ("w=1,3" types the classes).
void apply(EditorState &s, const QString &steps)
{
    using Step = void (*)(EditorState &, int);
    const Step clicks[] = {clickPort,
                           controlClickPort,
                           selectSinglePort,
                           [](EditorState &s, int) { selectAllPorts(s); },
                           [](EditorState &s, int) { deselectAllPorts(s); },
                           [](EditorState &s, int) { selectModel(s, s.config.modelIndex); },
                           [](EditorState &s, int) { clearSelectionAndShowFirstPort(s); }};
    for (const QString &step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const int column = kColumnLetters.indexOf(step.at(0));
        if (step.mid(1, 1) != QLatin1String("="))
            clicks[QStringLiteral("cktADMU").indexOf(step.at(0))](s, step.mid(1).toInt() - 1);
        else if (column == AllowedPoEClasses)
            editClasses(s, step.mid(2));
        else
            editPort(s, column, step.mid(2).toInt());
    }
}

EditorState run(int model, const QString &steps = QString())
{
    EditorState s;
    selectModel(s, model);
    apply(s, steps);
    return s;
}

// One mark per port of the model: 'x' where `marked` holds.
template<typename Marked> QString marks(const EditorState &s, Marked marked)
{
    QString text;
    for (int p = 0; p < s.config.portCount(); ++p)
        text += marked(p) ? QLatin1Char('x') : QLatin1Char('.');
    return text;
}

QString selection(const EditorState &s)
{
    return marks(s, [&](int p) { return s.selection.contains(p); });
}

// The editable widgets as their letters, upper case where the widget is
// editable, then the power-supply alarms.
QString gating(const EditorState &s)
{
    QString shown;
    // The columns the letters name: a column added later keeps these rows.
    for (int column = 0; column < kColumnLetters.size(); ++column)
        shown += s.gating.isEditable(column) ? kColumnLetters.at(column).toUpper()
                                             : kColumnLetters.at(column);
    const bool alarms = globalParameter(GlobalId::PsuAlarm).isEditableOn(s.config.model());
    return shown + (alarms ? QLatin1Char('Y') : QLatin1Char('y'));
}

constexpr int kFourCopperOneFibre = 5;
constexpr int kGigabitCopper = 3;
constexpr int kPoEModel = 17;

} // namespace

class TestPortRules : public QObject
{
    Q_OBJECT

private slots:
    void gating_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char *expected, const char *name, int model, const char *steps) {
            QTest::newRow(name) << model << QString(steps) << QString(expected);
        };
        //   alnsdcmfbtuvjqpeoiwx
        row("alnsdcmfbtuvjQpeoiwxY", "nothing selected", 0, "");
        row("ALNsdcmFBtUvJQpeoiwxY", "fast copper", 0, "c1");
        row("ALNsdcmFBtUvJQpEoiwxY", "gigabit copper: EEE", kGigabitCopper, "c3");
        row("ALnsDcmFBtUvJQpeoiwxY", "fast fibre", kFourCopperOneFibre, "c5");
        row("ALnsDcmFBtUvjQpeoiwxY", "fibre, no jumbo", 8, "c8");
        row("AlNsdcmFBtUvJQpeoiwxy", "no alarms", 16, "c1");
        row("AlNsdcmFBtUvJQpeOIWXy", "PoE port", kPoEModel, "c4");
        row("AlNsdcmFBtUvJQpeOiwxy", "PoE off", kPoEModel, "c4 o=0");
        row("AlNsdcmFBtUvJQpeOIWxy", "fewer classes", kPoEModel, "c4 w=0,1,2");
        row("AlNsdcmFBtUvJQpeoiwxy", "PoE model, port 1", kPoEModel, "c1");
        // With nothing selected only the trust mode, which writes every port,
        // takes a pick, whatever the port shown last allowed.
        row("alnsdcmfbtuvjQpeoiwxY", "deselected after copper", kFourCopperOneFibre, "c1 c1");
        row("alnsdcmfbtuvjQpeoiwxY", "auto negotiation off, deselect all", kGigabitCopper,
            "c2 n=0 D");
        row("alnsdcmfbtuvjQpeoiwxY", "auto negotiation off, model again", kGigabitCopper,
            "c1 n=0 M");
        row("alnsdcmfbtuvjQpeoiwxy", "auto negotiation off, undone", kPoEModel, "c1 n=0 U");
        row("ALNsdcmFBtUvJQpeoiwxY", "ctrl-click copper, fibre shown", kFourCopperOneFibre,
            "c5 c5 k2");
        // What one parameter does to the others, on gigabit copper port 2.
        row("ALNSDCmFBtUvJQpeoiwxY", "auto negotiation off", kGigabitCopper, "c2 n=0");
        row("ALNSDCMFBtUvJQpeoiwxY", "then auto crossing off", kGigabitCopper, "c2 n=0 c=0");
        row("ALNsdcmFBtUvJQpEoiwxY", "auto crossing off", kGigabitCopper, "c2 c=0");
        row("ALNsdcmFBTUvJQpEoiwxY", "broadcast on", kGigabitCopper, "c2 b=1");
        row("ALNsdcmFBtUVJQpEoiwxY", "multicast on", kGigabitCopper, "c2 u=1");
        row("ALNsdcmFBtUvJQPEoiwxY", "untrusted", kGigabitCopper, "c2 q=0");
        row("ALNsdcmFBtUvJQpEoiwxY", "untrusted, then 802.1p", kGigabitCopper, "c2 q=0 q=1");
        row("alnsdcmfbtuvjQpeoiwxY", "untrusted, nothing selected", kGigabitCopper, "q=0");
        // After a change in select-all mode, the gating of the selection.
        row("ALNsdcmFBtUvJQPeoiwxY", "select all, priority", kFourCopperOneFibre, "A q=0 p=6");
    }

    void gating()
    {
        QFETCH(int, model);
        QFETCH(QString, steps);
        QTEST(::gating(run(model, steps)), "expected");
    }

    void selectionTransitions_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("selection"); // then 'A' in select-all mode
        QTest::addColumn<int>("shown"); // 1-based
        const auto row = [](const char *steps, const char *selection, int shown) {
            QTest::newRow(steps) << QString(steps) << QString(selection) << shown;
        };
        // Four copper ports and a fibre port.
        row("c3", "..x..", 3); // a click selects and shows
        row("c3 c3", ".....", 3); // a second click deselects
        row("c1 k3 k1", "..x..", 1); // Ctrl adds and takes away, the panel stays
        row("c1 k5", "x....", 1); // fibre does not join copper, nor copper fibre
        row("k2", ".x...", 1);
        row("k1 k2 k3 k4", "xxxx.A", 1); // all copper ports: select-all mode
        row("A", "xxxx.A", 4);
        row("A c2", ".x...", 2); // a click narrows select-all mode
        row("A k2", "x.xx.", 4);
        row("c1 k2 t5", "....x", 5); // a table row
        row("c1 c7", "x....", 1); // no such port
    }

    void selectionTransitions()
    {
        QFETCH(QString, steps);
        const EditorState s = run(kFourCopperOneFibre, steps);
        QTEST(selection(s) + (s.selection.selectAllMode ? "A" : ""), "selection");
        QTEST(s.panel.shownPort + 1, "shown");
    }

    void selectionNeverWritesTheRecord()
    {
        // Random clicks over ports with values of their own, on every model.
        QRandomGenerator random(4711);
        for (int model = 0; model < kCatalogueSize; ++model) {
            EditorState s = run(model);
            for (PortConfig &port : s.config.ports) {
                port.speed = quint8(random.bounded(1, 4));
                port.allowedPoEClasses = classesFromText(QString::number(random.bounded(5)));
                port.poeAdminState = quint8(random.bounded(2));
            }
            const SwitchConfig before = s.config;
            for (int step = 0; step < 200; ++step) {
                const int port = random.bounded(s.config.portCount() + 1) + 1;
                apply(s, QLatin1Char("cktAD"[random.bounded(5)]) + QString::number(port));
                QVERIFY2(s.config == before, qPrintable(QStringLiteral("model %1").arg(model)));
            }
        }
    }

    void editsReachTheTargetPorts_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("written"); // ports whose field took the value
        const auto row = [](const char *written, const char *name, int model, const char *steps,
                            int column, int value) {
            QTest::newRow(name) << model << QString(steps) << column << value << QString(written);
        };
        row(".x.x.", "selected ports", 0, "c2 k4", FlowControl, 1);
        row(".....", "threshold needs its protection", 0, "c2", BroadcastStormThreshold, 42);
        row("xxxx.", "select all: copper ports", kFourCopperOneFibre, "A", AlarmLink, 1);
        row("xxxxx", "select all: port priority everywhere", kFourCopperOneFibre, "q=0 A",
            PortPriority, 5);
        row("xxxxxxxxx", "trust mode on every port", 8, "c2", QosTrustMode, 2);
        row(".xxxxxxx", "PoE select-all skips port 1", kPoEModel, "A", PoePriority, 3);
        // The other parameters still reach every twisted-pair port there.
        row("xxxxxxxx", "PoE select-all: admin state", kPoEModel, "A", AdminState, 0);
        row(".....", "fibre takes no auto negotiation", kFourCopperOneFibre, "c5", AutoNeg, 0);
    }

    void editsReachTheTargetPorts()
    {
        QFETCH(int, model);
        QFETCH(QString, steps);
        QFETCH(int, column);
        QFETCH(int, value);
        EditorState s = run(model, steps);
        const SwitchConfig before = s.config;
        const PortSet changed = editPort(s, column, value);
        QTEST(marks(s,
                    [&](int p) {
                        return portFieldValue(s.config.ports[p], column) == value &&
                            portFieldValue(before.ports[p], column) != value;
                    }),
              "written");
        // The edit reports the ports it changed, so that the views redraw them.
        QCOMPARE(marks(s, [&](int p) { return (changed >> p) & 1u; }),
                 marks(s, [&](int p) { return s.config.ports[p] != before.ports[p]; }));
    }

    void noTargetNoChange()
    {
        // Whatever reaches a widget that takes no pick changes neither the
        // panel nor a port: nothing is shown that would not be stored.
        for (const char *steps : {"c2 n=0 D", "c5 c5", "A D", "c2 u=1 M"}) {
            EditorState s = run(kPoEModel, steps);
            for (int column = 0; column < Count; ++column) {
                if (column == QosTrustMode || column == AllowedPoEClasses)
                    continue;
                const EditorState before = s;
                const PortParameter *parameter = portParameter(column);
                const int shown = portFieldValue(s.panel.values, column);
                const int other = shown == int(parameter->minValue) ? int(parameter->maxValue)
                                                                    : int(parameter->minValue);
                QCOMPARE(editPort(s, column, other), PortSet(0));
                QVERIFY2(s.panel.values == before.panel.values && s.config == before.config,
                         qPrintable(QStringLiteral("%1 %2").arg(steps).arg(column)));
            }
        }
    }

    void autoNegotiationSpeedRule_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("autoNeg");
        QTest::addColumn<QString>("speeds"); // ports 1-5 before and after, 3 = "-"
        QTest::newRow("off keeps 10") << "c1 k2 k3" << 0 << "12333 12233";
        QTest::newRow("off in select-all mode: 100") << "A" << 0 << "12313 22223";
        QTest::newRow("on negotiates") << "c1 k3" << 1 << "12133 32333";
    }

    void autoNegotiationSpeedRule()
    {
        QFETCH(QString, steps);
        QFETCH(int, autoNeg);
        QFETCH(QString, speeds);
        EditorState s = run(kFourCopperOneFibre, steps);
        for (int p = 0; p < 5; ++p)
            s.config.ports[p].speed = quint8(speeds.at(p).digitValue());
        editPort(s, AutoNeg, autoNeg);
        QString after;
        for (int p = 0; p < 5; ++p)
            after += QString::number(s.config.ports[p].speed);
        QCOMPARE(after, speeds.mid(6));
    }

    void classesTyping_data()
    {
        QTest::addColumn<QString>("typed"); // successive texts of the field, then
        QTest::addColumn<QString>("shown"); // what it shows after each
        QTest::addColumn<QString>("stored");
        const auto row = [](const char *typed, const char *shown, const char *stored) {
            QTest::newRow(typed) << QString(typed) << QString(shown) << QString(stored);
        };
        row("0|01", "0|0,1", "0,1"); // a digit after a digit gets a comma
        row("0|00", "0|0", "0"); // a class listed twice
        row("0|0,|0,1|0,1,", "0|0|0,1|0,1", "0,1"); // commas go where digits belong
        row(",", "", "0,1,2,3,4");
        row("0,4|123", "0,4|0,4", "0,4"); // pasted digits fall back
        row("0|0,5", "0|0", "0");
        row("4,2,0", "4,2,0", "4,2,0");
        row("1,3|", "1,3|", "1,3"); // cleared at once: the classes stay
        row("0,1|0,|0", "0,1|0|0", "0"); // deleting stores each shorter list
    }

    void classesTyping()
    {
        QFETCH(QString, typed);
        EditorState s = run(kPoEModel, QStringLiteral("c5"));
        QStringList shown;
        for (const QString &text : typed.split('|'))
            shown << editClasses(s, text).shownText;
        QTEST(shown.join('|'), "shown");
        QTEST(storedClassesText(s.config.ports[4].allowedPoEClasses), "stored");
        QCOMPARE(storedClassesText(s.config.ports[5].allowedPoEClasses),
                 QStringLiteral("0,1,2,3,4"));
    }

    void cellTexts()
    {
        // The panel lists the classes sorted, the table as stored; entries 5..7
        // never count.
        const std::array<quint8, 8> odd = {3, 1, 3, 0xFF, 0xFF, 2, 2, 2};
        QCOMPARE(sortedClassesText(odd), QStringLiteral("1,3"));
        QCOMPARE(storedClassesText(odd), QStringLiteral("3,1,3"));
        QCOMPARE(classesFromText(QStringLiteral("0,,x,2")),
                 (std::array<quint8, 8> {0, 0, 0, 2, 0xFF, 0xFF, 0xFF, 0xFF}));
        QVERIFY(allClassesAllowed({4, 3, 2, 1, 0, 0xFF, 0xFF, 0xFF}));
        QVERIFY(!allClassesAllowed({0, 1, 2, 3, 3, 4, 0xFF, 0xFF}));
        // A model without PoE shows no user limit, whatever the record holds.
        SwitchConfig fast = defaultConfiguration(0);
        fast.ports[0].allowedPoEOverride = 5;
        QCOMPARE(portCellValue(fast, 0, AllowedPoEOverride)->toString(), QStringLiteral("-"));
        // Every value a file may hold reads back from its cell and its panel item.
        SwitchConfig poe = defaultConfiguration(kPoEModel);
        for (int column = 0; column < Count; ++column) {
            const ConfigKey *key = ConfigKeyTable::portKey(column);
            for (int value = int(key->minValue); value <= key->maxValue; ++value) {
                if (key->valueKind == ConfigValueKind::DigitList)
                    continue;
                setPortFieldValue(poe.ports[0], column, value);
                const QString cell = portCellValue(poe, 0, column)->toString();
                QCOMPARE(storedFromCellText(column, cell), std::optional<int>(value));
                QCOMPARE(storedFromPanelIndex(column, panelIndexFromStored(column, value)), value);
            }
        }
    }

    void userLimitOnlyWithAllClasses()
    {
        EditorState s = run(kPoEModel, QStringLiteral("c3 x=7"));
        QCOMPARE(int(s.config.ports[2].allowedPoEOverride), 7);
        apply(s, QStringLiteral("w=0,1,2")); // fewer classes: the limit goes at once
        QCOMPARE(int(s.config.ports[2].allowedPoEOverride), 0);
        // All five in another order: the field does not read "0,1,2,3,4" until
        // the port is shown again, sorted.
        apply(s, QStringLiteral("w=4,3,2,1,0"));
        QVERIFY(!s.gating.isEditable(AllowedPoEOverride));
        apply(s, QStringLiteral("c4 c3"));
        QCOMPARE(s.panel.classesText, QStringLiteral("0,1,2,3,4"));
        QVERIFY(s.gating.isEditable(AllowedPoEOverride));
        apply(s, QStringLiteral("o=0")); // PoE off: the information line stays
        QVERIFY(s.gating.poeLimitInfo);
    }

    void tableEdits_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("cellAfter"); // the same cell as the record holds it
        const auto row = [](const char *name, int row, int column, const char *text, bool accepted,
                            const char *cellAfter, int model = kPoEModel, const char *steps = "") {
            QTest::newRow(name) << model << QString(steps) << row << column << QString(text)
                                << accepted << QString(cellAfter);
        };
        row("auto negotiation off", 1, AutoNeg, "Off", true, "Off");
        row("threshold while protection is off", 2, BroadcastStormThreshold, "40", false, "100");
        row("trust mode only in the panel", 0, QosTrustMode, "untrusted", false, "trustDot1p");
        row("classes", 5, AllowedPoEClasses, "1,3", true, "1,3");
        row("user limit", 5, AllowedPoEOverride, "9", true, "9", kPoEModel, "c6 x=4 D");
        row("no user limit", 5, AllowedPoEOverride, "-", true, "-", kPoEModel, "c6 x=4 D");
        row("unknown text", 5, PoePriority, "Highest", false, "Low");
        // A row edit reaches its own row, whatever was selected before.
        row("row 2 of ports 2 and 4", 1, FlowControl, "On", true, "On", 0, "c2 k4");
    }

    void tableEdits()
    {
        QFETCH(int, model);
        QFETCH(QString, steps);
        QFETCH(int, row);
        QFETCH(int, column);
        QFETCH(QString, text);
        EditorState s = run(model, steps);
        const SwitchConfig before = s.config;
        QTEST(editTableCell(s, row, column, text), "accepted");
        QTEST(portCellValue(s.config, row, column)->toString(), "cellAfter");
        QCOMPARE(selection(s), marks(s, [&](int p) { return p == row; }));
        QCOMPARE(marks(s, [&](int p) { return s.config.ports[p] != before.ports[p]; }),
                 marks(s, [&](int p) { return p == row && s.config.ports[p] != before.ports[p]; }));
        if (column == AutoNeg) {
            QCOMPARE(int(s.config.ports[row].speed), 2);
            QCOMPARE(s.panel.values.autoNeg, quint8(0)); // the panel follows
        }
    }

    void classesTypingStartsFromTheShownPort()
    {
        // Port 4 "1,3", port 3 "4,2", port 3 deselected, then a class typed
        // twice on port 4 falls back to port 4's list.
        const EditorState s = run(kPoEModel, QStringLiteral("c4 w=1,3 c3 w=4,2 c3 c4 w=1,33"));
        QCOMPARE(storedClassesText(s.config.ports[3].allowedPoEClasses), QStringLiteral("1,3"));
        QCOMPARE(storedClassesText(s.config.ports[2].allowedPoEClasses), QStringLiteral("4,2"));
    }
};

QTEST_GUILESS_MAIN(TestPortRules)
#include "tst_portrules.moc"
