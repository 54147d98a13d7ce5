#include "ui_mainwindow.h"

#include <QMetaEnum>
#include <QScopeGuard>
#include <QtTest>

// "(row, column) rows x columns", the way the cells of a grid are written down.
template <typename T> static QString cell(QGridLayout *grid, T *item)
{
    int row = -1, column = -1, rows = 0, columns = 0;
    grid->getItemPosition(grid->indexOf(item), &row, &column, &rows, &columns);
    return QString("(%1, %2) %3x%4").arg(row).arg(column).arg(rows).arg(columns);
}

static QString spacer(QSpacerItem *s)
{
    const QMetaEnum policy = QMetaEnum::fromType<QSizePolicy::Policy>();
    return QString("%1x%2 %3/%4")
        .arg(s->sizeHint().width())
        .arg(s->sizeHint().height())
        .arg(policy.valueToKey(s->sizePolicy().horizontalPolicy()),
             policy.valueToKey(s->sizePolicy().verticalPolicy()));
}

static QString range(QSpinBox *box)
{
    return QString("%1..%2 step %3, starts at %4%5")
        .arg(box->minimum())
        .arg(box->maximum())
        .arg(box->singleStep())
        .arg(box->value())
        .arg(box->keyboardTracking() ? "" : ", reports on commit");
}

// Stands in for the real window with a few by-name slots that count their calls.
class SlotCounter : public QMainWindow
{
    Q_OBJECT
public:
    int calls = 0;
private slots:
    void on_stackedWidget_currentChanged(int) { ++calls; }
    void on_intervalMSpinBox_valueChanged(int) { ++calls; }
    void on_pulseSSpinBox_valueChanged(double) { ++calls; }
};

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

    void buildingRunsNoSlot()
    {
        SlotCounter counter;
        Ui::MainWindow form;
        form.setupUi(&counter);
        QCOMPARE(counter.calls, 0);
        // The slots are joined by name, so the zero above means something.
        form.stackedWidget->setCurrentIndex(2);
        form.pulseSSpinBox->setValue(1.5);
        QCOMPARE(counter.calls, 2);
    }

    void spinBoxes()
    {
        QCOMPARE(range(ui.intervalMSpinBox), QString("0..59 step 1, starts at 1"));
        QCOMPARE(range(ui.intervalHSpinBox), QString("0..12 step 1, starts at 0"));
        QCOMPARE(range(ui.sequentialSSpinBox), QString("1..10 step 1, starts at 1"));
        QCOMPARE(range(ui.foodMSpinBox), QString("1..15 step 1, starts at 1"));
        QCOMPARE(range(ui.stormHSpinBox), QString("0..23 step 1, starts at 1"));
        QCOMPARE(range(ui.stormDSpinBox), QString("0..7 step 1, starts at 0"));
        for (QSpinBox *power :
             {ui.power11SpinBox, ui.power12SpinBox, ui.power13SpinBox, ui.power14SpinBox,
              ui.power21SpinBox, ui.power22SpinBox, ui.power23SpinBox, ui.power24SpinBox})
            QCOMPARE(range(power), QString("0..100 step 1, starts at 0, reports on commit"));
    }

    void timeSpinBoxes()
    {
        for (QDoubleSpinBox *box : {ui.pulseSSpinBox, ui.waveSSpinBox}) {
            QCOMPARE(box->text(), QStringLiteral("0.30"));
            QCOMPARE(box->minimum(), 0.3);
            QCOMPARE(box->singleStep(), 0.01);
            QCOMPARE(box->decimals(), 2);
        }
        QCOMPARE(ui.pulseSSpinBox->maximum(), 8.0);
        QCOMPARE(ui.waveSSpinBox->maximum(), 2.5);
    }

    void startStates()
    {
        const QStringList disabled = {
            "waveLabel",   "waveSSpinBox",  "waveSLabel", "inverseCheckBox", "waveAutoLabel",
            "startButton", "stopButton",    "sendButton", "receiveButton",   "stormHSpinBox",
            "stormHLabel", "stormDSpinBox", "stormDLabel"};
        int seen = 0;
        for (QWidget *w : window.findChildren<QWidget *>()) {
            if (w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
                continue;
            ++seen;
            QVERIFY2(w->isEnabled() != disabled.contains(w->objectName()),
                     qPrintable(w->objectName()));
        }
        QVERIFY(seen >= 66);
        for (QCheckBox *box : window.findChildren<QCheckBox *>())
            QVERIFY(!box->isChecked());
        QCOMPARE(ui.stackedWidget->currentIndex(), 0);
        QCOMPARE(ui.tabWidget->tabText(0), QStringLiteral("pulse only"));
    }

    void texts()
    {
        QCOMPARE(window.windowTitle(), QStringLiteral("Korvalin 3318"));
        QCOMPARE(ui.label_11->text(), QStringLiteral("foodtimer "));
        QCOMPARE(ui.actionTest->text(), QStringLiteral("\u00dcber"));
        QCOMPARE(ui.actionEinstellungen->text(), QStringLiteral("Einstellungen"));
        // Neither action is placed anywhere.
        QVERIFY(window.actions().isEmpty());
        QVERIFY(ui.menubar->actions().isEmpty());
    }

    void spacersAndCells()
    {
        QCOMPARE(spacer(ui.intervalSpacer), QString("295x20 Fixed/Minimum"));
        QCOMPARE(spacer(ui.sequentialSpacer), QString("310x20 Fixed/Minimum"));
        QCOMPARE(spacer(ui.intervalEndSpacer), QString("10x20 MinimumExpanding/Minimum"));
        QCOMPARE(spacer(ui.sequentialEndSpacer), QString("10x20 MinimumExpanding/Minimum"));
        QLayout *row = ui.sequentialLayout;
        QCOMPARE(row->itemAt(0), static_cast<QLayoutItem *>(ui.sequentialSpacer));
        QCOMPARE(row->itemAt(row->count() - 1), static_cast<QLayoutItem *>(ui.sequentialEndSpacer));
        QCOMPARE(cell(ui.intervalLayout, ui.intervalSpacer), QString("(0, 0) 2x1"));
        QCOMPARE(cell(ui.gridLayout_3, ui.stackedWidget), QString("(0, 0) 1x2"));
        QCOMPARE(cell(ui.gridLayout_3, ui.modeBox), QString("(0, 2) 2x1"));
        QCOMPARE(cell(ui.gridLayout, ui.power24SpinBox), QString("(0, 9) 1x1"));
        QCOMPARE(cell(ui.gridLayout, ui.power23Line), QString("(0, 7) 3x1"));
        QCOMPARE(cell(ui.gridLayout_4, ui.wavectrlCheckBox), QString("(0, 0) 1x3"));
        QCOMPARE(cell(ui.gridLayout_2, ui.stormHSpinBox), QString("(3, 2) 1x2"));
    }

    void sizesOfAFreshForm()
    {
        QMainWindow fresh;
        Ui::MainWindow form;
        form.setupUi(&fresh);
        QCOMPARE(fresh.size(), QSize(895, 664));
        QCOMPARE(form.menubar->geometry(), QRect(0, 0, 895, 22));
        QCOMPARE(form.header->maximumSize(), QSize(871, 153));
        QCOMPARE(form.stackedWidget->maximumSize(), QSize(QWIDGETSIZE_MAX, 100));
        QVERIFY(!form.header->pixmap().isNull());
    }

    void optionsStayLeftToRight()
    {
        QGuiApplication::setLayoutDirection(Qt::RightToLeft);
        const auto restore =
            qScopeGuard([] { QGuiApplication::setLayoutDirection(Qt::LeftToRight); });
        QMainWindow mirrored;
        Ui::MainWindow form;
        form.setupUi(&mirrored);
        QCOMPARE(form.groupBox_3->layoutDirection(), Qt::RightToLeft);
        for (QCheckBox *box : {form.moonCheckBox, form.nightCheckBox, form.stormCheckBox})
            QCOMPARE(box->layoutDirection(), Qt::LeftToRight);
    }
};

QTEST_MAIN(TestForm)
#include "tst_form.moc"
