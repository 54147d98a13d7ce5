#include "clickablelabel.h"
#include "mainwindow.h"
#include "pseudoterminal.h"

#include <QApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

namespace
{

QStringList debugLines;

void collectDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        debugLines << message;
}

QLabel *statusLabelOf(MainWindow &window)
{
    return window.statusBar()->findChild<QLabel *>();
}

void detect(MainWindow &window, const QString &port, const QString &version)
{
    QMetaObject::invokeMethod(&window, "onInterfaceDetect",
                              Q_ARG(QStringList, QStringList({port, version})));
}

ClickableLabel *modeButton(MainWindow &window, int row)
{
    return qobject_cast<ClickableLabel *>(window.modeLayout->itemAtPosition(row, 0)->widget());
}

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        debugLines.clear();
        qInstallMessageHandler(collectDebug);
    }
    void cleanup() { qInstallMessageHandler(nullptr); }

    void startState();
    void modeButtonsAndPageRule();
    void clickableLabelCountsReleasesInside();
    void powerSnapsAwayFromOneToTwentyNine_data();
    void powerSnapsAwayFromOneToTwentyNine();
    void typedPowerIsJudgedOnceCommitted();
    void intervalAndStormNeverZero();
    void inverseSwapsSocketFour();
    void pulseFitsSequentialTimeOnSequentialPage();
    void waveControllerRearrangesSockets();
    void spacerWidthsFollowPageAndWaveController();
    void detectionOutcome_data();
    void detectionOutcome();
    void noUnitFoundLeavesButtons();
    void adjustButtonsFollowRealDetection();
};

void MainWindowTest::startState()
{
    MainWindow window;
    QCOMPARE(statusLabelOf(window)->text(), QString("no interface detected"));
    QCOMPARE(window.stackedWidget->currentIndex(), 0);
    QCOMPARE(window.tabWidget->tabText(0), QString("pulse only"));
    QVERIFY(window.power12Line->isHidden());
    QVERIFY(window.power23Line->isHidden());
    QCOMPARE(window.layout()->sizeConstraint(), QLayout::SetFixedSize);
    QVERIFY(window.header->maximumWidth() <= 871);
    for (int row = 0; row < 3; ++row) {
        QVERIFY(modeButton(window, row));
        QCOMPARE(modeButton(window, row)->size(), QSize(130, 50));
        QVERIFY(!modeButton(window, row)->pixmap().isNull());
    }
    QVERIFY(!window.sendButton->isEnabled());
    QVERIFY(!window.startButton->isEnabled());
}

void MainWindowTest::modeButtonsAndPageRule()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QTest::mouseClick(modeButton(window, 0), Qt::LeftButton);
    QCOMPARE(window.tabWidget->tabText(0), QString("pulse only")); // page 0 already shown

    QTest::mouseClick(modeButton(window, 1), Qt::LeftButton);
    QCOMPARE(window.stackedWidget->currentIndex(), 1);
    QCOMPARE(window.tabWidget->tabText(0), QString("interval"));
    QVERIFY(window.power12Line->isHidden());
    QVERIFY(!window.power23Line->isHidden());

    window.wavectrlCheckBox->setChecked(true);
    QVERIFY(!window.power12Line->isHidden());
    QVERIFY(window.power23Line->isHidden());

    QTest::mouseClick(modeButton(window, 2), Qt::RightButton);
    QCOMPARE(window.tabWidget->tabText(0), QString("sequential"));
    QVERIFY(window.power12Line->isHidden());
    QVERIFY(window.power23Line->isHidden());

    QTest::mouseClick(modeButton(window, 0), Qt::MiddleButton);
    QCOMPARE(window.tabWidget->tabText(0), QString("pulse"));

    // Locked buttons take no clicks.
    modeButton(window, 1)->setEnabled(false);
    QTest::mouseClick(modeButton(window, 1), Qt::LeftButton);
    QCOMPARE(window.stackedWidget->currentIndex(), 0);
}

void MainWindowTest::clickableLabelCountsReleasesInside()
{
    ClickableLabel label;
    label.setFixedSize(130, 50);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QSignalSpy spy(&label, &ClickableLabel::clicked);

    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(130, 10));
    QCOMPARE(spy.count(), 0);

    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(129, 49));
    QCOMPARE(spy.count(), 1);

    QTest::mousePress(&label, Qt::RightButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&label, Qt::RightButton, {}, QPoint(10, 50));
    QCOMPARE(spy.count(), 1);

    // A release without a press before it is no click.
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(spy.count(), 1);

    // A double click arrives as press, release, double click, release; the
    // double click counts as a press of its own.
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(5, 5),
                            label.mapToGlobal(QPointF(5, 5)), Qt::LeftButton, Qt::LeftButton,
                            Qt::NoModifier);
    QApplication::sendEvent(&label, &doubleClick);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(spy.count(), 3);
}

void MainWindowTest::powerSnapsAwayFromOneToTwentyNine_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("shown");
    QTest::newRow("step up from 0") << 0 << 1 << 30;
    QTest::newRow("step down from 30") << 30 << 29 << 0;
    QTest::newRow("2 becomes 0") << 50 << 2 << 0;
    QTest::newRow("31 stays") << 0 << 31 << 31;
    QTest::newRow("100 stays") << 0 << 100 << 100;
}

void MainWindowTest::powerSnapsAwayFromOneToTwentyNine()
{
    QFETCH(int, start);
    QFETCH(int, set);
    QFETCH(int, shown);
    MainWindow window;
    const QList<QSpinBox *> boxes{
        window.power11SpinBox, window.power12SpinBox, window.power13SpinBox, window.power14SpinBox,
        window.power21SpinBox, window.power22SpinBox, window.power23SpinBox, window.power24SpinBox};
    for (QSpinBox *box : boxes) {
        box->setValue(start);
        box->setValue(set);
        QCOMPARE(box->value(), shown);
    }
}

void MainWindowTest::typedPowerIsJudgedOnceCommitted()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSpinBox *box = window.power11SpinBox;
    QSignalSpy spy(box, &QSpinBox::valueChanged);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "75");
    QCOMPARE(spy.count(), 0);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(box->value(), 75);

    box->selectAll();
    QTest::keyClicks(box, "1");
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->value(), 30);
}

void MainWindowTest::intervalAndStormNeverZero()
{
    MainWindow window;
    window.intervalMSpinBox->setValue(0);
    QCOMPARE(window.intervalMSpinBox->value(), 1);
    window.intervalHSpinBox->setValue(1);
    window.intervalMSpinBox->setValue(0);
    QCOMPARE(window.intervalMSpinBox->value(), 0);
    window.intervalHSpinBox->setValue(0);
    QCOMPARE(window.intervalMSpinBox->value(), 1);

    window.stormHSpinBox->setValue(0);
    QCOMPARE(window.stormHSpinBox->value(), 1);
    window.stormDSpinBox->setValue(1);
    window.stormHSpinBox->setValue(0);
    window.stormDSpinBox->setValue(0);
    QCOMPARE(window.stormHSpinBox->value(), 1);

    QVERIFY(!window.stormDSpinBox->isEnabled());
    window.stormCheckBox->setChecked(true);
    QVERIFY(window.stormDSpinBox->isEnabled() && window.stormHSpinBox->isEnabled());
    QVERIFY(window.stormHLabel->isEnabled() && window.stormDLabel->isEnabled());
    QCOMPARE(window.stormHSpinBox->value(), 1);
}

void MainWindowTest::inverseSwapsSocketFour()
{
    MainWindow window;
    window.power14SpinBox->setValue(30);
    window.power24SpinBox->setValue(80);
    window.inverseCheckBox->setChecked(true);
    QCOMPARE(window.power14SpinBox->value(), 80);
    QCOMPARE(window.power24SpinBox->value(), 30);
    window.inverseCheckBox->setChecked(false);
    QCOMPARE(window.power14SpinBox->value(), 30);
    QCOMPARE(window.power24SpinBox->value(), 80);
}

void MainWindowTest::pulseFitsSequentialTimeOnSequentialPage()
{
    MainWindow window;
    window.sequentialSSpinBox->setValue(2);
    window.pulseSSpinBox->setValue(2.5);
    QCOMPARE(window.sequentialSSpinBox->value(), 2); // pulse page: no coupling

    window.pulseSSpinBox->setValue(0.3);
    window.stackedWidget->setCurrentIndex(2);
    window.pulseSSpinBox->setValue(2.5);
    QCOMPARE(window.sequentialSSpinBox->value(), 3);
    window.pulseSSpinBox->setValue(3.0);
    QCOMPARE(window.sequentialSSpinBox->value(), 3);
    window.pulseSSpinBox->setValue(2.5);
    window.sequentialSSpinBox->setValue(2);
    QCOMPARE(window.pulseSSpinBox->value(), 2.0);
}

void MainWindowTest::waveControllerRearrangesSockets()
{
    MainWindow window;
    window.power13SpinBox->setValue(40);
    window.power14SpinBox->setValue(50);

    window.wavectrlCheckBox->setChecked(true);
    QCOMPARE(window.power13SpinBox->value(), 0);
    QCOMPARE(window.power14SpinBox->value(), 0);
    QCOMPARE(window.power23SpinBox->value(), 100);
    QCOMPARE(window.power24SpinBox->value(), 100);
    QVERIFY(!window.power13SpinBox->isEnabled() && !window.power24SpinBox->isEnabled());
    QVERIFY(window.waveSSpinBox->isEnabled() && window.waveLabel->isEnabled());
    QVERIFY(window.inverseCheckBox->isEnabled());
    QVERIFY(!window.startButton->isEnabled()); // no unit detected
    QVERIFY(!window.stopButton->isEnabled());
    QVERIFY(!window.waveAutoLabel->isEnabled());

    window.inverseCheckBox->setChecked(true);
    window.power13SpinBox->setValue(60);
    window.power24SpinBox->setValue(70);
    window.wavectrlCheckBox->setChecked(false);
    QVERIFY(!window.inverseCheckBox->isChecked());
    QVERIFY(!window.inverseCheckBox->isEnabled());
    QCOMPARE(window.power13SpinBox->value(), 60);
    QCOMPARE(window.power14SpinBox->value(), 70); // swapped by the unchecking
    QCOMPARE(window.power23SpinBox->value(), 0);
    QCOMPARE(window.power24SpinBox->value(), 0);
    QVERIFY(window.power14SpinBox->isEnabled() && window.power23SpinBox->isEnabled());
    QVERIFY(!window.waveSSpinBox->isEnabled());
}

void MainWindowTest::spacerWidthsFollowPageAndWaveController()
{
    MainWindow window;
    window.stackedWidget->setGeometry(0, 0, 800, 100);
    window.stackedWidget->setCurrentIndex(1);
    QCOMPARE(window.intervalSpacer->sizeHint().width(), 384);
    window.wavectrlCheckBox->setChecked(true);
    QCOMPARE(window.intervalSpacer->sizeHint().width(), 296);
    QCOMPARE(window.sequentialSpacer->sizeHint().width(), 304);
    QCOMPARE(window.intervalSpacer->sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);

    window.stackedWidget->setGeometry(0, 0, 800, 100);
    window.wavectrlCheckBox->setChecked(false);
    window.stackedWidget->setCurrentIndex(2);
    QCOMPARE(window.sequentialSpacer->sizeHint().width(), 400);
}

void MainWindowTest::detectionOutcome_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("debug");
    QTest::newRow("newer") << "1.0.10.2"
                           << "version>1.0.10.1";
    QTest::newRow("threshold") << "1.0.10.1"
                               << "version<=1.0.10.1";
    QTest::newRow("letters ignored") << "V1.0.11.0"
                                     << "version>1.0.10.1";
    QTest::newRow("three parts") << "1.0.11"
                                 << "version<=1.0.10.1";
    QTest::newRow("five parts") << "1.0.11.0.1"
                                << "version<=1.0.10.1";
    QTest::newRow("part carries") << "1.0.9.258"
                                  << "version>1.0.10.1";
}

void MainWindowTest::detectionOutcome()
{
    QFETCH(QString, version);
    QFETCH(QString, debug);
    MainWindow window;
    detect(window, "ttyUSB7", version);
    QCOMPARE(statusLabelOf(window)->text(),
             QString("interface detected on: ttyUSB7   (%1)").arg(version));
    QVERIFY(window.sendButton->isEnabled());
    QVERIFY(window.receiveButton->isEnabled());
    QVERIFY(!window.startButton->isEnabled());
    QVERIFY(!window.waveAutoLabel->isEnabled());
    QVERIFY(debugLines.contains(debug));
    // The record length follows the version.
    const int fields = window.createDataString().split(';').size();
    QCOMPARE(fields, debug == "version>1.0.10.1" ? 22 : 20);
}

void MainWindowTest::noUnitFoundLeavesButtons()
{
    MainWindow window;
    detect(window, "ttyUSB7", "1.0.10.2");
    detect(window, "", "");
    QCOMPARE(statusLabelOf(window)->text(), QString("no interface detected"));
    QVERIFY(window.sendButton->isEnabled());
    QCOMPARE(window.createDataString().split(';').size(), 20);
}

void MainWindowTest::adjustButtonsFollowRealDetection()
{
    PseudoTerminal unit;
    qputenv("KV3318_PORTS", unit.slavePath().toLocal8Bit());
    MainWindow window;
    qputenv("KV3318_PORTS", "");
    QCOMPARE(unit.read(4), QByteArray("\x02?\x03\r"));
    QVERIFY(unit.write("\x02KV3318 1.0.10.2\x03\r"));
    QTRY_VERIFY(window.sendButton->isEnabled());
    QCOMPARE(statusLabelOf(window)->text(),
             "interface detected on: " + unit.slavePath() + "   (1.0.10.2)");
    QVERIFY(!window.startButton->isEnabled());
    window.wavectrlCheckBox->setChecked(true);
    QVERIFY(window.startButton->isEnabled());
    QVERIFY(window.stopButton->isEnabled());
    QVERIFY(window.waveAutoLabel->isEnabled());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
