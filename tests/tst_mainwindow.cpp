#include "clickablelabel.h"
#include "detectedwindow.h"
#include "mainwindow.h"
#include "pseudoterminal.h"

#include <QApplication>
#include <QLayout>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>

#include <array>

namespace
{

QStringList debugLines;

void collectDebug(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg)
        debugLines << message;
}

QString statusText(MainWindow &window)
{
    return window.statusBar()->findChild<QLabel *>()->text();
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

    void startStateAndModePages();
    void clickableLabelCountsReleasesInside();
    void powerSnapsAwayFromOneToTwentyNine();
    void timesNeverZeroAndPulseFitsSequence();
    void waveControllerRearrangesSockets();
    void spacerWidthsFollowPageAndWaveController();
    void detectionOutcome_data();
    void detectionOutcome();
    void adjustButtonsFollowRealDetection();
};

void MainWindowTest::startStateAndModePages()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(statusText(window), QString("no interface detected"));
    QCOMPARE(window.tabWidget->tabText(0), QString("pulse only"));
    QVERIFY(window.power12Line->isHidden() && window.power23Line->isHidden());
    QCOMPARE(window.layout()->sizeConstraint(), QLayout::SetFixedSize);
    QVERIFY(window.header->maximumWidth() <= 871);
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(modeButton(window, row)->size(), QSize(130, 50));
        QVERIFY(!modeButton(window, row)->pixmap().isNull());
    }

    QTest::mouseClick(modeButton(window, 0), Qt::LeftButton);
    QCOMPARE(window.tabWidget->tabText(0), QString("pulse only")); // page 0 already shown

    QTest::mouseClick(modeButton(window, 1), Qt::LeftButton);
    QCOMPARE(window.tabWidget->tabText(0), QString("interval"));
    QVERIFY(window.power12Line->isHidden() && !window.power23Line->isHidden());
    window.wavectrlCheckBox->setChecked(true);
    QVERIFY(!window.power12Line->isHidden() && window.power23Line->isHidden());

    QTest::mouseClick(modeButton(window, 2), Qt::RightButton);
    QCOMPARE(window.tabWidget->tabText(0), QString("sequential"));
    QVERIFY(window.power12Line->isHidden() && window.power23Line->isHidden());

    QTest::mouseClick(modeButton(window, 0), Qt::MiddleButton);
    QCOMPARE(window.tabWidget->tabText(0), QString("pulse"));

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
    const auto pressAndRelease = [&label](Qt::MouseButton button, QPoint releaseAt) {
        QTest::mousePress(&label, button, {}, QPoint(10, 10));
        QTest::mouseRelease(&label, button, {}, releaseAt);
    };

    pressAndRelease(Qt::LeftButton, QPoint(130, 10));
    QCOMPARE(spy.count(), 0);
    pressAndRelease(Qt::LeftButton, QPoint(129, 49));
    QCOMPARE(spy.count(), 1);
    pressAndRelease(Qt::RightButton, QPoint(10, 50));
    QCOMPARE(spy.count(), 1);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(10, 10)); // no press before it
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

void MainWindowTest::powerSnapsAwayFromOneToTwentyNine()
{
    MainWindow window;
    const QList<QSpinBox *> boxes =
        window.groupBox->findChildren<QSpinBox *>(QRegularExpression("^power[12][1-4]SpinBox$"));
    QCOMPARE(boxes.size(), 8);
    // {start, set, shown}: one step up from 0, one step down from 30, typed.
    const QList<std::array<int, 3>> cases{
        {0, 1, 30}, {30, 29, 0}, {50, 2, 0}, {0, 31, 31}, {0, 100, 100}};
    for (QSpinBox *box : boxes) {
        for (const auto &[start, set, shown] : cases) {
            box->setValue(start);
            box->setValue(set);
            QCOMPARE(box->value(), shown);
        }
    }

    // Typed digits count only once the entry is committed.
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSpinBox *box = window.power11SpinBox;
    QSignalSpy spy(box, &QSpinBox::valueChanged);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, "1");
    QCOMPARE(spy.count(), 0);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->value(), 30);
}

void MainWindowTest::timesNeverZeroAndPulseFitsSequence()
{
    MainWindow window;
    window.intervalMSpinBox->setValue(0);
    QCOMPARE(window.intervalMSpinBox->value(), 1);
    window.intervalHSpinBox->setValue(1);
    window.intervalMSpinBox->setValue(0);
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
    window.power14SpinBox->setValue(30);
    window.power24SpinBox->setValue(80);
    window.inverseCheckBox->setChecked(true);
    QCOMPARE(window.power14SpinBox->value(), 80);
    QCOMPARE(window.power24SpinBox->value(), 30);
    window.inverseCheckBox->setChecked(false);
    window.power13SpinBox->setValue(40);

    window.wavectrlCheckBox->setChecked(true);
    QCOMPARE(window.power13SpinBox->value(), 0);
    QCOMPARE(window.power14SpinBox->value(), 0);
    QCOMPARE(window.power23SpinBox->value(), 100);
    QCOMPARE(window.power24SpinBox->value(), 100);
    QVERIFY(!window.power13SpinBox->isEnabled() && !window.power24SpinBox->isEnabled());
    QVERIFY(window.waveSSpinBox->isEnabled() && window.inverseCheckBox->isEnabled());
    // No unit detected: no adjustment run.
    QVERIFY(!window.startButton->isEnabled() && !window.stopButton->isEnabled());
    QVERIFY(!window.waveAutoLabel->isEnabled());

    window.inverseCheckBox->setChecked(true);
    window.power13SpinBox->setValue(60);
    window.power24SpinBox->setValue(70);
    window.wavectrlCheckBox->setChecked(false);
    QVERIFY(!window.inverseCheckBox->isChecked() && !window.inverseCheckBox->isEnabled());
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
    QTest::addColumn<int>("fields");
    QTest::newRow("newer") << "1.0.10.2" << 22;
    QTest::newRow("threshold") << "1.0.10.1" << 20;
    QTest::newRow("letters ignored") << "V1.0.11.0" << 22;
    QTest::newRow("three parts") << "1.0.11" << 20;
    QTest::newRow("five parts") << "1.0.11.0.1" << 20;
    QTest::newRow("part carries") << "1.0.9.258" << 22;
}

void MainWindowTest::detectionOutcome()
{
    QFETCH(QString, version);
    QFETCH(int, fields);
    MainWindow window;
    detect(window, "ttyUSB7", version);
    QCOMPARE(statusText(window), QString("interface detected on: ttyUSB7   (%1)").arg(version));
    QVERIFY(window.sendButton->isEnabled() && window.receiveButton->isEnabled());
    QVERIFY(!window.startButton->isEnabled() && !window.waveAutoLabel->isEnabled());
    QVERIFY(debugLines.contains(fields == 22 ? "version>1.0.10.1" : "version<=1.0.10.1"));
    QCOMPARE(window.createDataString().split(';').size(), fields);

    // No unit found: the record length falls back, the buttons stay.
    detect(window, "", "");
    QCOMPARE(statusText(window), QString("no interface detected"));
    QVERIFY(window.sendButton->isEnabled());
    QCOMPARE(window.createDataString().split(';').size(), 20);
}

void MainWindowTest::adjustButtonsFollowRealDetection()
{
    PseudoTerminal unit;
    const std::unique_ptr<MainWindow> detected = windowDetectedOn(unit);
    QVERIFY(detected);
    MainWindow &window = *detected;
    QCOMPARE(statusText(window), "interface detected on: " + unit.slavePath() + "   (1.0.10.2)");
    QVERIFY(!window.startButton->isEnabled());
    window.wavectrlCheckBox->setChecked(true);
    QVERIFY(window.startButton->isEnabled() && window.stopButton->isEnabled());
    QVERIFY(window.waveAutoLabel->isEnabled());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
