// The window on every desk: no text cut at the smallest and the first size
// of every model, a window within screens smaller than it, port labels on
// their ports, and mapping dialogs whose heads are whole. CTest runs this file at several
// QT_SCALE_FACTOR values; the checks work in logical pixels, which the scale
// must not disturb. The exact factor is also checked on desks scaled by
// their DPI, and the first place on a 1280 x 720 screen where the platform
// can make one.
#include "../deskcolours.h"
#include "../windowdriver.h"
#include "window/app/desksetup.h"
#include "window/file/dialogerrorlog.h"
#include "window/file/errorlogmodel.h"
#include "window/ground/prompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOption>

namespace {

const QSize kSmallestScreenRoom(1260, 640); // 1280 x 720 less title bar and task bar
// The models whose window differs: the picture's housing, gigabit, fibre, no
// alarm contacts, PoE.
const int kLayouts[] = {0, 3, 8, 13, 16, 17};

// A text a widget shows, the width (or height) it needs and the one it has.
using TextRoom = std::tuple<QString, int, int>;

QVector<TextRoom> textRooms(QWidget *widget)
{
    const QFontMetrics metrics = widget->fontMetrics();
    QStyle *style = widget->style();
    QVector<TextRoom> rooms;
    if (auto *label = qobject_cast<QLabel *>(widget)) {
        if (label->text().isEmpty() || isPortNumber(label))
            return rooms;
        const QSize needed = metrics.size(Qt::TextShowMnemonic, label->text());
        const QRect room = label->contentsRect().marginsRemoved(
            QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
        rooms.append({label->text(), needed.width(), room.width()});
        rooms.append({label->text() + QStringLiteral(" (height)"), needed.height(), room.height()});
    } else if (auto *button = qobject_cast<QPushButton *>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        rooms.append({button->text(), metrics.horizontalAdvance(button->text()), room.width()});
    } else if (auto *check = qobject_cast<QAbstractButton *>(widget)) {
        if (!check->text().isEmpty())
            rooms.append({check->text(), check->minimumSizeHint().width(), check->width()});
    } else if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        const QRect room = style->subControlRect(QStyle::CC_ComboBox, &option,
                                                 QStyle::SC_ComboBoxEditField, combo);
        // Every item, since any of them may be the one shown.
        for (int item = 0; item < combo->count(); ++item) {
            const QString text = combo->itemText(item);
            rooms.append({text, metrics.horizontalAdvance(text) + 2, room.width()});
        }
    } else if (auto *edit = qobject_cast<QLineEdit *>(widget)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth = edit->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth) : 0;
        const QRect room = style->subElementRect(QStyle::SE_LineEditContents, &option, edit)
                               .marginsRemoved(edit->textMargins());
        QString text = edit->displayText();
        // The longest class list a user may enter.
        if (edit->objectName() == QLatin1String("lineEdit_allowedPoEClasses"))
            text = QStringLiteral("0,1,2,3,4");
        rooms.append({text, metrics.horizontalAdvance(text) + 4, room.width()});
    } else if (auto *group = qobject_cast<QGroupBox *>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(group);
        option.text = group->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect title =
            style->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, group);
        if (!group->title().isEmpty())
            rooms.append({group->title(), title.right() + 1, group->width()});
    }
    return rooms;
}

// "objectName: text" for every text of the window that is cut.
QStringList cutTexts(QWidget *window)
{
    QStringList cut;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        for (const auto &[text, needed, room] : textRooms(widget)) {
            if (needed > room && widget->isVisibleTo(window))
                cut << widget->objectName() + ": " + text;
        }
    }
    return cut;
}

void settle(QWidget *window)
{
    window->layout()->activate();
    QCoreApplication::processEvents();
}

// The program's own scale factor, not the desk's.
double programScale()
{
    return qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1")).toDouble();
}

} // namespace

class TestWindowFit : public QObject
{
    Q_OBJECT

private slots:
    void init() { Prompts::setScripted(true); }
    void cleanup() { Prompts::reset(); }
    void textFits_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("smallest");
        for (int model : kLayouts) {
            const QByteArray name = catalogueRow(model).modelName.toLatin1();
            QTest::newRow(name + " smallest") << model << true;
            QTest::newRow(name + " first size") << model << false;
        }
    }

    void textFits()
    {
        QFETCH(int, model);
        QFETCH(bool, smallest);
        WindowDriver d;
        d.selectModel(model);
        d.clickPort(0); // the panel as the first port's kind shows it
        MainWindow *window = d.window.get();
        // The room a large screen gives, so the window asks for what it needs.
        window->centreIn(QRect(0, 0, 4000, 3000));
        settle(window);
        const QSize minimum = window->minimumSize();
        QCOMPARE(minimum.boundedTo(kSmallestScreenRoom), minimum);
        window->resize(smallest ? minimum : DeskSetup::kPreferredWindowSize.expandedTo(minimum));
        settle(window);
        const QStringList cut = cutTexts(window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    }

    void deskScaleIsExact()
    {
        // A desk's DPI (Xft.dpi, or QT_FONT_DPI in its place) of 120, 144 or
        // 168 is a factor of exactly 1.25, 1.5 or 1.75, not rounded; the
        // program's own factor multiplies it.
        if (!qEnvironmentVariableIsSet("QT_FONT_DPI"))
            QSKIP("The desk's DPI is not given (QT_FONT_DPI)");
        QCOMPARE(QGuiApplication::primaryScreen()->devicePixelRatio(),
                 programScale() * qEnvironmentVariableIntValue("QT_FONT_DPI") / 96);
    }

    void firstWindowSize_data()
    {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QSize>("size");
        // A window that prefers 1200 x 800 and needs 1100 x 600, under a
        // title bar of 30 pixels, on a screen's free area.
        QTest::newRow("1280 x 720 less a task bar") << QRect(0, 40, 1280, 680) << QSize(1200, 650);
        QTest::newRow("1920 x 1080") << QRect(0, 0, 1920, 1040) << QSize(1200, 800);
        QTest::newRow("smaller than the window") << QRect(0, 0, 800, 600) << QSize(1100, 600);
        QTest::newRow("no screen") << QRect() << QSize(1200, 800);
    }

    void firstWindowSize()
    {
        QFETCH(QRect, available);
        QTEST(DeskSetup::firstWindowSize(QSize(1200, 800), QSize(1100, 600), available,
                                         QMargins(0, 30, 0, 0)),
              "size");
    }

    void firstPlaceOnTheScreen()
    {
        // Within the screen's free area where the window fits in it, frame
        // included; a window larger than the area keeps its title bar and
        // menus on it.
        WindowDriver d;
        const QRect area = d.window->screen()->availableGeometry();
        const QRect placed = d.window->frameGeometry();
        const auto within = [](int start, int length, int areaStart, int areaLength) {
            return length <= areaLength
                ? start >= areaStart && start + length <= areaStart + areaLength
                : start == areaStart;
        };
        QString where;
        QDebug(&where) << placed << "on" << area;
        QVERIFY2(within(placed.x(), placed.width(), area.x(), area.width()), qPrintable(where));
        QVERIFY2(within(placed.y(), placed.height(), area.y(), area.height()), qPrintable(where));
    }

    void portLabelsOnTheirPorts()
    {
        // The picture keeps its size in logical pixels at every scale and has
        // the screen's pixels behind it (up to the artwork's 2x), so it stays
        // sharp; each label's centre lies on its port in the drawn picture, also
        // when the window grows; its number in bold on either toolkit's weight
        // scale.
        WindowDriver d;
        QCOMPARE(d.portLabel(0)->font().weight(), int(QFont::Bold));
        QLabel *picture = d.find<QLabel>("label_productImage");
        const qreal screenScale = qMin<qreal>(d.window->devicePixelRatioF(), 2.0);
        for (int model : {0, 3, 8, 13, 16, 17, -1}) {
            if (model < 0) { // the last model once more, in a larger window
                const QSize before = picture->size();
                d.window->resize(1400, 1000);
                QTRY_VERIFY(picture->size() != before);
            } else {
                d.selectModel(model);
            }
            settle(d.window.get());
            const ProductRecord &row = catalogueRow(d.window->state().config.modelIndex);
            const QPixmap pixmap = picture->pixmap(Qt::ReturnByValue);
            const QSizeF shown = QSizeF(pixmap.size()) / pixmap.devicePixelRatioF();
            QVERIFY2(pixmap.width() >= qFloor(shown.width() * screenScale),
                     qPrintable(row.imagePath));
            const QRect drawn =
                QStyle::alignedRect(picture->layoutDirection(), picture->alignment(),
                                    shown.toSize(), picture->contentsRect());
            // The port rectangles are in pixels of the artwork's logical size.
            const qreal toDrawn =
                drawn.width() * kPicturePixelRatio / qreal(QPixmap(row.imagePath).width());
            for (int port = 0; port < row.portCount; ++port) {
                const QRect &rect = row.portRect[port];
                const QRectF onPicture(drawn.topLeft() + QPointF(rect.topLeft()) * toDrawn,
                                       QSizeF(rect.size()) * toDrawn);
                const QPointF centre = QRectF(d.portLabel(port)->geometry()).center();
                QVERIFY2(onPicture.contains(centre),
                         qPrintable(row.modelName + QStringLiteral(" port %1").arg(port + 1)));
            }
        }
    }

    void mappingDialogHeadsWhole_data()
    {
        QTest::addColumn<QByteArray>("button");
        QTest::addColumn<int>("startFont"); // points; 0: the program's
        QTest::addColumn<int>("laterFont"); // the desktop's, set once the window is up
        for (const QByteArray button : {"pushButton_qosPMapping", "pushButton_qosDscpMapping"}) {
            QTest::newRow(button + " program's font") << button << 0 << 0;
            QTest::newRow(button + " larger font") << button << 12 << 0;
            QTest::newRow(button + " desktop's font after start") << button << 0 << 12;
        }
    }

    // A dialog shows the font of the window it is opened from, and each of
    // its heads whole on one line.
    void mappingDialogHeadsWhole()
    {
        QFETCH(QByteArray, button);
        QFETCH(int, startFont);
        QFETCH(int, laterFont);
        const QFont programFont = QApplication::font();
        const QFont sans(QStringLiteral("DejaVu Sans"), 12);
        if (startFont)
            QApplication::setFont(QFont(sans.family(), startFont));
        WindowDriver d;
        if (laterFont)
            QApplication::setFont(QFont(sans.family(), laterFont));
        const QFont windowFont = d.find<QPushButton>(button)->font();
        QStringList wrong;
        d.inspectDialog(button, [&](QDialog &dialog) {
            for (QWidget *widget : dialog.findChildren<QWidget *>()) {
                if (!(widget->font() == windowFont))
                    wrong << widget->objectName() + ": " + widget->font().toString();
                for (const auto &[text, needed, room] : textRooms(widget)) {
                    if (qobject_cast<QLabel *>(widget) && needed > room)
                        wrong << widget->objectName() + ": " + text + " cut";
                }
            }
        });
        QApplication::setFont(programFont);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QStringLiteral("; "))));
    }

    void opensWithinSmallScreens_data()
    {
        QTest::addColumn<QRect>("area"); // the screen's free area
        QTest::addColumn<bool>("room"); // whether it holds the window's contents
        QTest::newRow("1366 x 768 at 125 %") << QRect(0, 0, 1093, 614) << false;
        QTest::newRow("below a top panel") << QRect(0, 27, 1093, 587) << false;
        QTest::newRow("1280 x 720") << QRect(0, 0, 1280, 680) << true;
        QTest::newRow("1920 x 1080") << QRect(0, 0, 1920, 1040) << true;
    }

    // The window with its title bar opens within the screen's free area and
    // may be made no larger; the contents keep the size they need and scroll
    // where the area is smaller, so every part of them can be brought into
    // view. Where the area holds them, the window looks and sizes as without
    // the scroll area.
    void opensWithinSmallScreens()
    {
        QFETCH(QRect, area);
        QFETCH(bool, room);
        WindowDriver d;
        MainWindow *window = d.window.get();
        window->centreIn(area);
        // Then the PoE model, which shows every panel widget: the window's
        // minimum follows what the contents need.
        d.selectModel(firstRowWithConfigId(101));
        settle(window);
        const QMargins frame = DeskSetup::windowFrame(window);
        const QRect framed(window->pos(), window->size().grownBy(frame));
        QVERIFY2(area.contains(framed),
                 qPrintable(QStringLiteral("%1, %2 %3 x %4")
                                .arg(framed.x())
                                .arg(framed.y())
                                .arg(framed.width())
                                .arg(framed.height())));
        QCOMPARE(window->minimumSize().grownBy(frame).boundedTo(area.size()),
                 window->minimumSize().grownBy(frame));

        auto *scroll = window->findChild<QScrollArea *>();
        QVERIFY(scroll);
        QWidget *contents = scroll->widget();
        QCOMPARE(contents->size().expandedTo(contents->minimumSizeHint()), contents->size());
        const QStringList cut = cutTexts(window);
        QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
        for (QWidget *part : {static_cast<QWidget *>(d.table()), d.find("groupBox_sketch"),
                              d.find("comboBox_productSelection")}) {
            scroll->ensureWidgetVisible(part, 0, 0);
            const QRect shown(part->mapTo(scroll->viewport(), QPoint(0, 0)), part->size());
            QVERIFY2(scroll->viewport()->rect().contains(shown), qPrintable(part->objectName()));
        }

        // At the first size and at the smallest.
        for (int step = 0; room && step < 2; ++step) {
            QVERIFY(!scroll->verticalScrollBar()->isVisible());
            QVERIFY(!scroll->horizontalScrollBar()->isVisible());
            window->resize(window->minimumSize());
            settle(window);
        }
    }

    void errorLogKeepsItsReasonsInView()
    {
        // A value of megabytes (the keys short enough for the columns to
        // fit beside the value at 200 % on the test's small screen).
        const QVector<RejectedLine> rejected {
            {1204, "port.speed,3,7", 5},
            {1205, "port.mdi,3," + QByteArray(3 << 20, '9'), 5},
        };
        DialogErrorLog dialog(rejected, QStringLiteral("plant/hall4-sw01.csv"), 17);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        auto *table = dialog.findChild<QTableView *>(QStringLiteral("tableView_errorLog"));
        QHeaderView *header = table->horizontalHeader();
        const QAbstractItemView *cells = table; // whose size hints are public
        // Every column but the value shows its texts whole, and all of them
        // are in view: the value takes what is left, down to its least
        // width where the screen is too small to leave it any.
        for (int column = 0; column < header->count(); ++column) {
            const int needed =
                qMax(header->sectionSizeHint(column), cells->sizeHintForColumn(column));
            QVERIFY2(column == ErrorLogModel::kValueColumn || header->sectionSize(column) >= needed,
                     qPrintable(QString::number(column)));
        }
        QVERIFY(header->length() <= table->viewport()->width() ||
                header->sectionSize(ErrorLogModel::kValueColumn) == header->minimumSectionSize());
        QVERIFY(dialog.frameGeometry().width() <= dialog.screen()->availableGeometry().width());
    }

    void messageBoxHasRoomForItsTitle()
    {
        int width = 0;
        int titleWidth = 0;
        Prompts::setDialogHandler([&](QDialog &box) {
            box.show();
            width = box.width();
            titleWidth = box.fontMetrics().horizontalAdvance(box.windowTitle());
            return int(QMessageBox::Ok);
        });
        Prompts::information(nullptr, QStringLiteral("Unable to open file"), QStringLiteral("No."));
        // Besides the title, the title bar holds the icon and three buttons.
        const int titleBar = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
        QVERIFY2(width >= titleWidth + 4 * titleBar, qPrintable(QString::number(width)));
    }
};

int main(int argc, char *argv[])
{
    DeskSetup::enableHighDpi();
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("MS Shell Dlg 2"), 8, QFont::Normal, false));
    TestWindowFit test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_windowfit.moc"
