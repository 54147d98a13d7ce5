// The settings model against the real window: the same lines go to both, and
// after each the record that the model writes must be the one the window
// sends. A line is a settings record, restored as from a file, or
// NAME=VALUE, one setting changed as the command line changes it, which the
// window gets through the control that shows it.
//
// Input: one byte whose lowest bit picks the extended record length, then
// lines separated by line feeds, taken as Latin-1.

#include "namedsettings.h"
#include "offscreenwindow.h"
#include "settingsrecord.h"

#include <QLocale>

namespace
{
MainWindow *window = nullptr;
constexpr qsizetype maxLines = 8;

const QHash<QString, QString> controlOf{
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

QString controlName(const QString &setting)
{
    if (setting.startsWith(QLatin1String("power")) && setting.size() == 13)
        return QStringLiteral("power%1%2SpinBox").arg(setting[5]).arg(setting[12]);
    return controlOf.value(setting);
}

// The value as a user would enter it into the control.
double valueOf(const QString &text)
{
    static const QStringList words{QStringLiteral("pulse"), QStringLiteral("interval"),
                                   QStringLiteral("sequential")};
    if (words.contains(text))
        return double(words.indexOf(text));
    if (text == QLatin1String("on") || text == QLatin1String("true"))
        return 1;
    if (text == QLatin1String("off") || text == QLatin1String("false"))
        return 0;
    return QLocale::c().toDouble(text);
}

void setControl(const QString &setting, const QString &text)
{
    QObject *control = window->findChild<QObject *>(controlName(setting));
    check(control != nullptr);
    const double value = valueOf(text);
    if (auto *pages = qobject_cast<QStackedWidget *>(control))
        pages->setCurrentIndex(int(value));
    else if (auto *box = qobject_cast<QDoubleSpinBox *>(control))
        box->setValue(value);
    else if (auto *box = qobject_cast<QSpinBox *>(control))
        box->setValue(int(value));
    else if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setChecked(value != 0);
    else
        check(false);
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    window = startOffscreenWindow();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const auto length = (data[0] & 1) ? SettingsRecord::Extended : SettingsRecord::Basic;
    // A unit newer than the last basic firmware makes the window speak the
    // extended record.
    const QString firmware = length == SettingsRecord::Extended ? QStringLiteral("1.0.10.2")
                                                                : QStringLiteral("1.0.10.1");
    QMetaObject::invokeMethod(window, "onInterfaceDetect",
                              Q_ARG(QStringList, QStringList({QStringLiteral("fuzz"), firmware})));

    // Both start from the form's start state, whatever the last input left.
    Settings model;
    window->readDataString(SettingsRecord::write(model, length));
    check(window->createDataString() == SettingsRecord::write(model, length));

    const QString text =
        QString::fromLatin1(reinterpret_cast<const char *>(data) + 1, qsizetype(size) - 1);
    for (const QString &line : text.split(QLatin1Char('\n')).mid(0, maxLines)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0 && !line.contains(QLatin1Char(';'))) {
            const QString setting = line.left(equals);
            const QString value = line.mid(equals + 1);
            if (!NamedSettings::set(model, setting, value))
                setControl(setting, value);
        } else {
            window->readDataString(line);
            SettingsRecord::read(model, line, length);
        }
        check(window->createDataString() == SettingsRecord::write(model, length));
    }
    return 0;
}
