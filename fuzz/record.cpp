// Any text as a settings record, read into a real window: from the line or
// from a file, the reader must leave a form the user could have made.
//
// Input: one byte whose lowest bit picks the extended record length, then
// records separated by line feeds, taken as Latin-1 like everything the
// tool reads.

#include "offscreenwindow.h"
#include "ui_mainwindow.h"

namespace
{
MainWindow *window = nullptr;
bool extended = false;

const QString startRecord = QStringLiteral("0;0;0;0;0;0;0;0;0;30;1;0;0;1;0;1;1;0;30;0");
const QString extendedTail = QStringLiteral(";111;111");
// A few records in a row reach every state one record can leave for the
// next; more only slow the fuzzer down.
constexpr qsizetype maxRecords = 8;

// A unit newer than the last basic firmware makes the window speak the
// extended record.
void useExtendedRecord(bool on)
{
    const QString firmware = on ? QStringLiteral("1.0.10.2") : QStringLiteral("1.0.10.1");
    QMetaObject::invokeMethod(window, "onInterfaceDetect",
                              Q_ARG(QStringList, QStringList({QStringLiteral("fuzz"), firmware})));
    extended = on;
}

void checkForm()
{
    for (const QSpinBox *box : window->findChildren<QSpinBox *>())
        check(box->value() >= box->minimum() && box->value() <= box->maximum());
    for (const QDoubleSpinBox *box : window->findChildren<QDoubleSpinBox *>())
        check(box->value() >= box->minimum() && box->value() <= box->maximum());

    // What the coupling rules promise the user, whatever the record held.
    for (const QSpinBox *power : {window->form().power11SpinBox, window->form().power12SpinBox,
                                  window->form().power13SpinBox, window->form().power14SpinBox,
                                  window->form().power21SpinBox, window->form().power22SpinBox,
                                  window->form().power23SpinBox, window->form().power24SpinBox})
        check(power->value() == 0 || power->value() >= 30);
    check(window->form().intervalHSpinBox->value() + window->form().intervalMSpinBox->value() > 0);
    check(window->form().stormDSpinBox->value() + window->form().stormHSpinBox->value() > 0);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    window = startOffscreenWindow();
    useExtendedRecord(false);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    if (bool(data[0] & 1) != extended)
        useExtendedRecord(data[0] & 1);

    // The tool's own record puts the form into the same state from wherever
    // the previous input left it.
    const QString start = extended ? startRecord + extendedTail : startRecord;
    window->readDataString(start);
    check(window->createDataString() == start);

    // Several records in a row, as a user restores one file after another,
    // so that each is read into a form that an earlier one left behind.
    const QString text =
        QString::fromLatin1(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);
    for (const QString &line : text.split(QLatin1Char('\n')).mid(0, maxRecords)) {
        window->readDataString(line);
        checkForm();

        // Whatever the form now shows, its record must bring it back exactly:
        // read over itself, and read over another form. The one exception is
        // a pulse longer than the sequential time on the sequential page:
        // switching pages lets it stand, but reading it corrects the pair.
        const QString record = window->createDataString();
        window->readDataString(record);
        check(window->createDataString() == record);
        const bool corrected =
            window->form().stackedWidget->currentIndex() == 2 &&
            window->form().pulseSSpinBox->value() > window->form().sequentialSSpinBox->value();
        window->readDataString(start);
        window->readDataString(record);
        check(corrected || window->createDataString() == record);
    }
    return 0;
}
