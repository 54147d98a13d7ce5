// Any text as a settings record, read into the real form: from the line or
// from a file, the reader must leave a form the user could have made.
//
// Input: one byte whose lowest bit picks the extended record length, then
// records separated by line feeds, taken as Latin-1 like everything the
// tool reads.

#include "formview.h"
#include "fuzzcheck.h"
#include "settingsrecord.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QMainWindow>

namespace
{
QMainWindow *window = nullptr;
Ui::MainWindow *form = nullptr;
FormView *view = nullptr;

const QString startRecord = QStringLiteral("0;0;0;0;0;0;0;0;0;30;1;0;0;1;0;1;1;0;30;0");
const QString extendedTail = QStringLiteral(";111;111");
// A few records in a row reach every state one record can leave for the
// next; more only slow the fuzzer down.
constexpr qsizetype maxRecords = 8;

// A record read into the form as the window reads one: through the model's
// reader from what the form shows, then shown.
void readRecord(const QString &record, SettingsRecord::Length length)
{
    Settings next = view->settings();
    if (SettingsRecord::read(next, record, length))
        view->show(next);
}

void checkForm()
{
    for (const QSpinBox *box : window->findChildren<QSpinBox *>())
        check(box->value() >= box->minimum() && box->value() <= box->maximum());
    for (const QDoubleSpinBox *box : window->findChildren<QDoubleSpinBox *>())
        check(box->value() >= box->minimum() && box->value() <= box->maximum());

    // What the coupling rules promise the user, whatever the record held.
    for (const QSpinBox *power :
         {form->power11SpinBox, form->power12SpinBox, form->power13SpinBox, form->power14SpinBox,
          form->power21SpinBox, form->power22SpinBox, form->power23SpinBox, form->power24SpinBox})
        check(power->value() == 0 || power->value() >= 30);
    check(form->intervalHSpinBox->value() + form->intervalMSpinBox->value() > 0);
    check(form->stormDSpinBox->value() + form->stormHSpinBox->value() > 0);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qInstallMessageHandler(ignoreMessages);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz";
    static char *argv[] = {name, nullptr};
    static QApplication app(argc, argv);
    window = new QMainWindow;
    form = new Ui::MainWindow;
    form->setupUi(window);
    view = new FormView(*form, window);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const auto length = data[0] & 1 ? SettingsRecord::Extended : SettingsRecord::Basic;

    // The tool's own record puts the form into the same state from wherever
    // the previous input left it.
    const QString start =
        length == SettingsRecord::Extended ? startRecord + extendedTail : startRecord;
    readRecord(start, length);
    check(SettingsRecord::write(view->settings(), length) == start);

    // Several records in a row, as a user restores one file after another,
    // so that each is read into a form that an earlier one left behind.
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);
    for (const QString &line : text.split(QLatin1Char('\n')).mid(0, maxRecords)) {
        readRecord(line, length);
        checkForm();

        // Whatever the form now shows, its record must bring it back exactly:
        // read over itself, and read over another form. The one exception is
        // a pulse longer than the sequential time on the sequential page:
        // switching pages lets it stand, but reading it corrects the pair.
        const QString record = SettingsRecord::write(view->settings(), length);
        readRecord(record, length);
        check(SettingsRecord::write(view->settings(), length) == record);
        const bool corrected = form->stackedWidget->currentIndex() == 2 &&
                               form->pulseSSpinBox->value() > form->sequentialSSpinBox->value();
        readRecord(start, length);
        readRecord(record, length);
        check(corrected || SettingsRecord::write(view->settings(), length) == record);
    }
    return 0;
}
