// The window and kv3318ctl as a German desktop starts them: German texts and
// numbers on screen, while what is sent and stored never changes with the
// language.
#include "candidates.h"
#include "catalogs.h"
#include "clickablelabel.h"
#include "detectedwindow.h"
#include "mainwindow.h"
#include "modelettering.h"
#include "pseudoterminal.h"
#include "shownimage.h"
#include "ui_mainwindow.h"
#include "virtualunitprocess.h"

#include <QLabel>
#include <QStatusBar>
#include <QtTest>

namespace
{
bool statusBarSays(MainWindow &window, const QString &start)
{
    const QList<QLabel *> labels = window.statusBar()->findChildren<QLabel *>();
    return std::any_of(labels.cbegin(), labels.cend(),
                       [&start](QLabel *label) { return label->text().startsWith(start); });
}

QString helpOf(const char *program)
{
    QProcess ctl;
    ctl.start(QString::fromLocal8Bit(program), {QStringLiteral("--help")});
    if (!ctl.waitForFinished(10000) || ctl.exitCode() != 0)
        return {};
    return QString::fromUtf8(ctl.readAllStandardOutput());
}
} // namespace

class GermanTest : public QObject
{
    Q_OBJECT
    const Catalogs catalogs;

private Q_SLOTS:
    void initTestCase()
    {
        QCOMPARE(QLocale().language(), QLocale::German);
        catalogs.install();
    }

    void theWindowSpeaksGerman()
    {
        PseudoTerminal line;
        const std::unique_ptr<MainWindow> window = windowDetectedOn(line);
        QVERIFY(window);
        const Ui::MainWindow &form = window->form();
        QCOMPARE(form.sendButton->text(), QStringLiteral("an Gerät s&enden"));
        QCOMPARE(mnemonicClashes(*window), QStringList());
        // The modes' names on their images are German too.
        auto *pulse = qobject_cast<ClickableLabel *>(form.modeLayout->itemAt(0)->widget());
        QCOMPARE(pulse->accessibleName(), QStringLiteral("nur Puls"));
        const QPixmap bare = shownImage("pulse", pulse->size(), pulse->devicePixelRatioF());
        QPixmap english = bare;
        letterModeImage(english, "pulse only", false);
        QVERIFY(pulse->pixmap().toImage() != english.toImage());
        QVERIFY(pulse->pixmap().toImage() != bare.toImage());
        QCOMPARE(form.wavectrlCheckBox->text(), QStringLiteral("&Wellensteuerung"));
        QCOMPARE(form.stopButton->toolTip(), QStringLiteral("Den Wellenabgleich anhalten"));
        QCOMPARE(form.waveSSpinBox->toolTip(), QStringLiteral("0,30 bis 2,50 Sekunden"));
        QVERIFY(statusBarSays(
            *window,
            QStringLiteral("Schnittstelle erkannt an: %1   (1.0.10.2)").arg(line.slavePath())));
    }

    void aGermanWaveTimeIsSentAndRecordedAsTheUnitReadsIt()
    {
        VirtualUnitProcess unit;
        MainWindow window(Candidates::named({unit.portPath()}));
        const Ui::MainWindow &form = window.form();
        QTRY_VERIFY(form.sendButton->isEnabled());
        form.wavectrlCheckBox->setChecked(true);
        form.waveSSpinBox->selectAll();
        QTest::keyClicks(form.waveSSpinBox, QStringLiteral("1,25"));
        QCOMPARE(form.waveSSpinBox->value(), 1.25);
        QCOMPARE(form.waveSSpinBox->text(), QStringLiteral("1,25"));

        const QString record = window.createDataString();
        QVERIFY(record.split(QLatin1Char(';')).value(18) == QLatin1String("125"));
        form.sendButton->click();
        QVERIFY(unit.waitForLine(QLatin1String("settings ") + record));

        // The run's progress counts in German numbers too.
        form.startButton->click();
        QTRY_VERIFY(statusBarSays(window, QStringLiteral("1,25 s von 2,50 s, noch 6:15")));
        form.stopButton->click();
    }

    // The modes' names in either language have their images lettered
    // beforehand, so that the window's start draws no letters.
    void modeImagesLetteredBeforehand()
    {
        for (const ModeImage &mode : modeImages) {
            for (const QString &name : {QString::fromLatin1(mode.name),
                                        QCoreApplication::translate("MainWindow", mode.name)}) {
                for (const qreal ratio : {1.0, 2.0})
                    QVERIFY2(QFile::exists(drawnImagePath(
                                 letteredModeImageName(QLatin1String(mode.image), name), ratio)),
                             qPrintable(name));
            }
        }
    }

    void bothProgramsHelpInGerman()
    {
        QVERIFY(helpOf(KV3318_CONFIG).contains(QStringLiteral("Zeigt diese Hilfe.")));
        const QString help = helpOf(KV3318_CTL);
        QVERIFY(help.contains(QStringLiteral("Einstellungsdatei prüfen, senden und zurücklesen")));
        QVERIFY(!help.contains(QStringLiteral("settings file")));
    }
};

QTEST_MAIN(GermanTest)
#include "tst_german.moc"
