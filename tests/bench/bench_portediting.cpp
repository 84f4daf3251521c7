// Times the user actions that run the most handlers: Select All and a model
// change on the 26-port model. A benchmark, not a test: run it by hand
// (QT_QPA_PLATFORM=offscreen ./build/tests/bench_portediting).
#include "../windowdriver.h"

class BenchPortEditing : public QObject
{
    Q_OBJECT

private slots:
    void selectAllOn26Ports();
    void changeTo26PortModel();
    void clickPortOn26Ports();
    void autoNegotiationInSelectAllMode();
};

void BenchPortEditing::selectAllOn26Ports()
{
    WindowDriver d;
    d.selectModel(13);
    auto *selectAll = d.find<QRadioButton>("radioButton_selectAll");
    QBENCHMARK {
        d.clickPort(0); // leaves select-all mode, so the next click counts
        QTest::mouseClick(selectAll, Qt::LeftButton, {}, selectAll->rect().center());
    }
}

void BenchPortEditing::changeTo26PortModel()
{
    WindowDriver d;
    QComboBox *models = d.combo("comboBox_productSelection");
    QBENCHMARK {
        models->setCurrentIndex(13);
        models->setCurrentIndex(0);
    }
}

void BenchPortEditing::clickPortOn26Ports()
{
    WindowDriver d;
    d.selectModel(13);
    int port = 0;
    QBENCHMARK {
        d.clickPort(port);
        port = (port + 1) % 26;
    }
}

void BenchPortEditing::autoNegotiationInSelectAllMode()
{
    WindowDriver d;
    d.selectModel(13);
    d.clickRadio("radioButton_selectAll");
    QComboBox *autoNeg = d.combo("comboBox_autoNeg");
    QBENCHMARK {
        autoNeg->setCurrentIndex(0);
        autoNeg->setCurrentIndex(1);
    }
}

QTEST_MAIN(BenchPortEditing)
#include "bench_portediting.moc"
