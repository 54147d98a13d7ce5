#include "formcase.h"

#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QHash>
#include <QLocale>

namespace
{
const QByteArray printable = [] {
    QByteArray bytes;
    for (char c = ' '; c <= '~'; ++c) {
        if (c != '%')
            bytes += c;
    }
    return bytes;
}();

const QString separator = QStringLiteral(">");

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}
} // namespace

bool FormCase::Outcome::operator==(const Outcome &other) const
{
    return record == other.record && title == other.title && lines == other.lines &&
           enabled == other.enabled;
}

QString FormCase::format(const Case &input)
{
    QStringList parts{input.length == SettingsRecord::Extended ? QStringLiteral("E")
                                                               : QStringLiteral("B")};
    for (const Step &step : input.steps) {
        if (step.isRecord)
            parts << QLatin1Char('r') +
                         QString::fromLatin1(step.text.toLatin1().toPercentEncoding(printable));
        else
            parts << QStringLiteral("e%1=%2").arg(step.name, QString::number(step.value, 'g', 10));
    }
    parts << separator << input.outcome.record << input.outcome.title << input.outcome.lines
          << input.outcome.enabled;
    return parts.join(QLatin1Char('\t'));
}

std::optional<FormCase::Case> FormCase::parse(const QString &line)
{
    const QStringList parts = line.split(QLatin1Char('\t'));
    const qsizetype end = parts.indexOf(separator);
    if (end < 1 || parts.size() != end + 5 || (parts[0] != "B" && parts[0] != "E"))
        return std::nullopt;
    Case input;
    input.length = parts[0] == "E" ? SettingsRecord::Extended : SettingsRecord::Basic;
    for (const QString &part : parts.mid(1, end - 1)) {
        Step step;
        step.isRecord = part.startsWith(QLatin1Char('r'));
        if (step.isRecord) {
            step.text =
                QString::fromLatin1(QByteArray::fromPercentEncoding(part.mid(1).toLatin1()));
        } else {
            const qsizetype equals = part.indexOf(QLatin1Char('='));
            bool isNumber = false;
            step.name = part.mid(1, equals - 1);
            step.value = QLocale::c().toDouble(part.mid(equals + 1), &isNumber);
            if (!part.startsWith(QLatin1Char('e')) || equals < 2 || !isNumber)
                return std::nullopt;
        }
        input.steps << step;
    }
    input.outcome = {parts[end + 1], parts[end + 2], parts[end + 3], parts[end + 4]};
    return input;
}

const QStringList &FormCase::enabledControls()
{
    static const QStringList names{
        QStringLiteral("power13SpinBox"), QStringLiteral("power14SpinBox"),
        QStringLiteral("power23SpinBox"), QStringLiteral("power24SpinBox"),
        QStringLiteral("waveLabel"),      QStringLiteral("waveSSpinBox"),
        QStringLiteral("waveSLabel"),     QStringLiteral("inverseCheckBox"),
        QStringLiteral("stormDSpinBox"),  QStringLiteral("stormDLabel"),
        QStringLiteral("stormHSpinBox"),  QStringLiteral("stormHLabel"),
    };
    return names;
}

QString FormCase::controlName(const QString &setting)
{
    static const QHash<QString, QString> controlOf{
        {QStringLiteral("mode"), QStringLiteral("stackedWidget")},
        {QStringLiteral("pulseSeconds"), QStringLiteral("pulseSSpinBox")},
        {QStringLiteral("foodMinutes"), QStringLiteral("foodMSpinBox")},
        {QStringLiteral("moonlight"), QStringLiteral("moonCheckBox")},
        {QStringLiteral("storm"), QStringLiteral("stormCheckBox")},
        {QStringLiteral("stormDays"), QStringLiteral("stormDSpinBox")},
        {QStringLiteral("stormHours"), QStringLiteral("stormHSpinBox")},
        {QStringLiteral("night"), QStringLiteral("nightCheckBox")},
        {QStringLiteral("intervalHours"), QStringLiteral("intervalHSpinBox")},
        {QStringLiteral("intervalMinutes"), QStringLiteral("intervalMSpinBox")},
        {QStringLiteral("sequentialSeconds"), QStringLiteral("sequentialSSpinBox")},
        {QStringLiteral("waveController"), QStringLiteral("wavectrlCheckBox")},
        {QStringLiteral("waveSeconds"), QStringLiteral("waveSSpinBox")},
        {QStringLiteral("inverse"), QStringLiteral("inverseCheckBox")},
    };
    // powerLSocketS is shown by powerLSSpinBox.
    if (setting.startsWith(QLatin1String("power")) && setting.size() == 13)
        return QStringLiteral("power%1%2SpinBox").arg(setting[5]).arg(setting[12]);
    return controlOf.value(setting);
}

void FormCase::start(MainWindow &window, SettingsRecord::Length length)
{
    // Firmware up to 1.0.10.1 takes the basic record, anything newer the
    // extended one.
    const QStringList unit{QStringLiteral("fixture"), length == SettingsRecord::Extended
                                                          ? QStringLiteral("1.0.10.2")
                                                          : QStringLiteral("1.0.10.1")};
    QMetaObject::invokeMethod(&window, "onInterfaceDetect", Q_ARG(QStringList, unit));
    // A window that has not yet changed its page names the first one "pulse
    // only"; through the interval page, every case starts with the same title.
    Settings interval;
    interval.mode = Settings::Interval;
    window.readDataString(SettingsRecord::write(interval, length));
    window.readDataString(SettingsRecord::write(Settings(), length));
}

void FormCase::apply(MainWindow &window, const Step &step)
{
    if (step.isRecord) {
        window.readDataString(step.text);
        return;
    }
    QObject *control = window.findChild<QObject *>(controlName(step.name));
    Q_ASSERT(control);
    if (auto *pages = qobject_cast<QStackedWidget *>(control))
        pages->setCurrentIndex(int(step.value));
    else if (auto *box = qobject_cast<QDoubleSpinBox *>(control))
        box->setValue(step.value);
    else if (auto *box = qobject_cast<QSpinBox *>(control))
        box->setValue(int(step.value));
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setChecked(step.value != 0);
}

FormCase::Outcome FormCase::outcome(MainWindow &window)
{
    QString enabled;
    for (const QString &name : enabledControls())
        enabled += flag(window.findChild<QWidget *>(name)->isEnabled());
    return {window.createDataString(), window.form().tabWidget->tabText(0),
            flag(!window.form().power12Line->isHidden()) +
                flag(!window.form().power23Line->isHidden()),
            enabled};
}
