#include "ui_mainwindow.h"

#include <QRegularExpression>
#include <QtTest>

// Only what the rest of the program relies on is checked here: the start
// values that come from the order of the properties and the controls that
// start locked. The rest of the form would only be read back as written.
class TestForm : public QObject
{
    Q_OBJECT
    QMainWindow window;
    Ui::MainWindow ui;

private slots:
    void initTestCase()
    {
        // The images live in a static library; nothing else would pull them in here.
        Q_INIT_RESOURCE(images);
        ui.setupUi(&window);
    }

    void startValues()
    {
        // A raised minimum pulls the start value up with it.
        QCOMPARE(ui.pulseSSpinBox->text(), QStringLiteral("0.30"));
        QCOMPARE(ui.waveSSpinBox->text(), QStringLiteral("0.30"));
        QCOMPARE(ui.sequentialSSpinBox->value(), 1);
        QCOMPARE(ui.foodMSpinBox->value(), 1);
        // The never-zero rules act only on a change, and building runs no slot.
        QCOMPARE(ui.intervalMSpinBox->value(), 1);
        QCOMPARE(ui.stormHSpinBox->value(), 1);
        QCOMPARE(ui.tabWidget->tabText(0), QStringLiteral("pulse only"));
        // Typing "50" must not pass through 5, which the power rule would snap to 0.
        const auto powers =
            window.findChildren<QSpinBox *>(QRegularExpression("^power[12][1-4]SpinBox$"));
        QCOMPARE(powers.size(), 8);
        for (QSpinBox *power : powers)
            QVERIFY(!power->keyboardTracking());
    }

    void controlsThatStartLocked()
    {
        QStringList disabled;
        for (QWidget *w : window.findChildren<QWidget *>())
            if (!w->isEnabled() && !w->objectName().startsWith("qt_"))
                disabled << w->objectName();
        disabled.sort();
        QCOMPARE(disabled, QStringList({"inverseCheckBox", "receiveButton", "sendButton",
                                        "startButton", "stopButton", "stormDLabel", "stormDSpinBox",
                                        "stormHLabel", "stormHSpinBox", "waveAutoLabel",
                                        "waveLabel", "waveSLabel", "waveSSpinBox"}));
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
