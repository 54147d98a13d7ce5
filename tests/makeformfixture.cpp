// Writes the form fixture: inputs drawn from a fixed seed, and the committed
// fuzz seeds, each applied to the real window, with what the window showed
// after it. The fixture pins the window's behaviour, so run this only when
// that behaviour is meant to change, and look at the difference it makes.
//
//     kv3318-make-form-fixture > tests/fixtures/form.txt

#include "candidates.h"
#include "formcase.h"
#include "mainwindow.h"
#include "namedsettings.h"

#include <QApplication>
#include <QDir>
#include <QRandomGenerator>
#include <QTextStream>

#include <cstdio>

namespace
{
QRandomGenerator random(3318);

int below(int bound)
{
    return int(random.bounded(bound));
}

int between(int low, int high)
{
    return low + below(high - low + 1);
}

bool chance(int percent)
{
    return below(100) < percent;
}

template <typename T> T pick(const QList<T> &list)
{
    return list[below(int(list.size()))];
}

QString validField(int position)
{
    switch (position) {
    case 0:
        return QString::number(below(3));
    case 9:
        return QString::number(between(30, 800));
    case 10:
        return QString::number(between(1, 15));
    case 13:
        return QString::number(between(1, 191));
    case 15:
        return QString::number(between(1, 779));
    case 16:
        return QString::number(between(1, 10));
    case 18:
        return QString::number(between(30, 250));
    case 11:
    case 12:
    case 14:
    case 17:
    case 19:
        return QString::number(below(2));
    }
    return chance(30) ? QStringLiteral("0") : QString::number(between(30, 100));
}

QString wildField()
{
    static const QStringList texts{"abc",
                                   "",
                                   " 60",
                                   "+40",
                                   "1e1",
                                   "0x10",
                                   "1.5",
                                   "-0",
                                   "12a",
                                   "-5",
                                   "29",
                                   "1",
                                   "101",
                                   "999",
                                   "0",
                                   "1000",
                                   "99999",
                                   "2",
                                   "3",
                                   "24",
                                   "25",
                                   "192",
                                   "780",
                                   "800",
                                   "801",
                                   "250",
                                   "251",
                                   "29.9",
                                   QString(QChar(0xe9)),
                                   "3000000000",
                                   "4294967296",
                                   "11",
                                   "7",
                                   "60",
                                   "-25",
                                   "100000",
                                   "0030",
                                   "30.5",
                                   "-1",
                                   "2147483648",
                                   "x",
                                   " ",
                                   "1;",
                                   "00001",
                                   "Infinity"};
    return pick(texts);
}

// Mostly of the form's own length; the other length leaves the form alone.
QString randomRecord(SettingsRecord::Length formLength)
{
    const int length = chance(85)                            ? formLength
                       : formLength == SettingsRecord::Basic ? SettingsRecord::Extended
                                                             : SettingsRecord::Basic;
    const int wildness = pick(QList<int>{0, 0, 5, 15, 40});
    QStringList fields;
    for (int position = 0; position < length; ++position) {
        if (position >= SettingsRecord::Basic)
            fields << (chance(80) ? QStringLiteral("111") : wildField());
        else
            fields << (chance(wildness) ? wildField() : validField(position));
    }
    if (chance(8))
        fields.removeAt(below(int(fields.size())));
    if (chance(5))
        fields.insert(below(int(fields.size())), validField(below(SettingsRecord::Basic)));
    if (chance(10))
        fields.insert(below(int(fields.size())), QString());
    QString record = fields.join(QLatin1Char(';'));
    if (chance(8))
        record.prepend(QLatin1Char(';'));
    if (chance(8))
        record.append(QLatin1Char(';'));
    return record;
}

FormCase::Step edit(const QString &name, double value)
{
    FormCase::Step step;
    step.name = name;
    // The value the fixture's text stands for, so that a replay sets the same.
    step.value = QString::number(value, 'g', 10).toDouble();
    return step;
}

FormCase::Step randomEdit()
{
    const QString name = pick(NamedSettings::names());
    double value = 0;
    if (name.startsWith(QLatin1String("power")))
        value = pick(QList<int>{-1, 0, 0, 1, 1, between(2, 29), between(2, 29), 29, 30,
                                between(31, 100), 100, between(101, 200)});
    else if (name == "mode")
        value = between(-1, 3);
    else if (name == "pulseSeconds" || name == "waveSeconds")
        value = between(0, 900) / (chance(70) ? 100.0 : 1000.0) + (chance(10) ? 0.005 : 0);
    else if (name.endsWith(QLatin1String("Hours")) || name.endsWith(QLatin1String("Minutes")) ||
             name.endsWith(QLatin1String("Days")) || name == "sequentialSeconds")
        value = chance(40) ? 0 : between(-1, 61);
    else
        value = below(2);
    return edit(name, value);
}

// The rules touch these together: a sequence made of them reaches the
// couplings far more often than a setting drawn from all of them.
FormCase::Step coupledEdit()
{
    static const QList<std::pair<QString, QList<double>>> edits{
        {"waveController", {0, 1}},
        {"inverse", {0, 1}},
        {"mode", {0, 1, 2}},
        {"power1Socket3", {0, 1, 15, 29, 30, 55, 150}},
        {"power1Socket4", {0, 1, 15, 29, 30, 55, 150}},
        {"power2Socket3", {0, 1, 15, 29, 30, 55, 150}},
        {"power2Socket4", {0, 1, 15, 29, 30, 55, 150}},
        {"pulseSeconds", {0.3, 1.5, 2.99, 4.5, 7.25, 8, 9}},
        {"sequentialSeconds", {0, 1, 2, 5, 10, 11}},
        {"intervalHours", {0, 1, 12}},
        {"intervalMinutes", {0, 1, 59}},
        {"stormDays", {0, 1, 7}},
        {"stormHours", {0, 1, 23}},
        {"storm", {0, 1}},
    };
    const auto &[name, values] = pick(edits);
    return edit(name, pick(values));
}

// Both units of the interval or the storm period brought to zero, in either
// order, from wherever they stood.
QList<FormCase::Step> splitTimeToZero()
{
    const bool interval = chance(50);
    const QString larger = interval ? "intervalHours" : "stormDays";
    const QString smaller = interval ? "intervalMinutes" : "stormHours";
    QList<FormCase::Step> steps{edit(larger, between(0, 3)), edit(smaller, between(0, 3))};
    if (chance(50))
        steps << edit(larger, 0) << edit(smaller, 0);
    else
        steps << edit(smaller, 0) << edit(larger, 0);
    return steps;
}

FormCase::Step record(const QString &text)
{
    FormCase::Step step;
    step.isRecord = true;
    step.text = text;
    return step;
}

FormCase::Case randomCase()
{
    FormCase::Case input;
    input.length = chance(50) ? SettingsRecord::Extended : SettingsRecord::Basic;
    const int kind = below(4);
    if (kind == 3) {
        input.steps << splitTimeToZero();
        return input;
    }
    if (kind == 0) {
        for (int count = chance(25) ? 2 : 1; count > 0; --count)
            input.steps << record(randomRecord(input.length));
        return input;
    }
    if (chance(40))
        input.steps << record(randomRecord(input.length));
    for (int count = between(1, 6); count > 0; --count)
        input.steps << (kind == 1 ? randomEdit() : coupledEdit());
    if (chance(5))
        input.steps << record(randomRecord(input.length));
    return input;
}

// A seed under fuzz/corpus/record or fuzz/corpus/settingsmodel: a byte that picks the length,
// then lines, each a record or a setting changed by name.
FormCase::Case seedCase(const QByteArray &bytes)
{
    FormCase::Case input;
    input.length =
        !bytes.isEmpty() && (bytes[0] & 1) ? SettingsRecord::Extended : SettingsRecord::Basic;
    const QString text = QString::fromLatin1(bytes.mid(1));
    for (const QString &line : text.split(QLatin1Char('\n')).mid(0, 8)) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals <= 0 || line.contains(QLatin1Char(';'))) {
            input.steps << record(line);
            continue;
        }
        // What kv3318ctl refuses never reaches the form.
        const QString name = line.left(equals);
        QString problem;
        const std::optional<QString> value =
            NamedSettings::canonical(name, line.mid(equals + 1), &problem);
        if (!value)
            continue;
        static const QStringList modes{"pulse", "interval", "sequential"};
        input.steps << edit(name, name == "mode" ? modes.indexOf(*value) : value->toDouble());
    }
    return input;
}

QList<FormCase::Case> seedCases()
{
    QList<FormCase::Case> cases;
    for (const char *target : {"record", "settingsmodel"}) {
        const QDir folder(QStringLiteral(KV3318_FUZZ_CORPUS "/") + QLatin1String(target));
        for (const QFileInfo &info : folder.entryInfoList(QDir::Files, QDir::Name)) {
            QFile file(info.filePath());
            if (file.open(QIODevice::ReadOnly))
                cases << seedCase(file.readAll());
        }
    }
    return cases;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("KV3318_PORTS", "");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &, const QString &) {});
    QApplication app(argc, argv);
    MainWindow window(Candidates::named({}));
    FormCase::start(window, SettingsRecord::Basic);
    const FormCase::Outcome startState = FormCase::outcome(window);

    QList<FormCase::Case> cases = seedCases();
    while (cases.size() < 2600)
        cases << randomCase();

    QTextStream out(stdout);
    for (FormCase::Case &input : cases) {
        FormCase::start(window, SettingsRecord::Basic);
        if (!(FormCase::outcome(window) == startState)) {
            std::fputs("the window does not come back to its start state\n", stderr);
            return 1;
        }
        FormCase::start(window, input.length);
        for (const FormCase::Step &step : input.steps)
            FormCase::apply(window, step);
        input.outcome = FormCase::outcome(window);
        out << FormCase::format(input) << '\n';
    }
    return 0;
}
