// The form fixture, written from the window by kv3318-make-form-fixture,
// replayed against the window and against the settings model alone: each must
// still end every case where the window once did.

#include "candidates.h"
#include "formcase.h"
#include "formrules.h"
#include "mainwindow.h"
#include "namedsettings.h"

#include <QFile>
#include <QTest>

namespace
{
void applyToModel(Settings &settings, SettingsRecord::Length length, const FormCase::Step &step)
{
    if (step.isRecord) {
        SettingsRecord::read(settings, step.text, length);
        return;
    }
    const QString text = QString::number(step.value, 'g', 10);
    QString problem;
    if (NamedSettings::canonical(step.name, text, &problem)) {
        NamedSettings::set(settings, step.name, text);
        return;
    }
    // An edit that kv3318ctl would refuse, such as a power of 15 %, still
    // reaches the form through its control.
    FormRules(settings).set(*SettingFields::find(step.name), step.value);
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

// What a window showing these settings shows, but for the tab's title, which
// is the window's own.
FormCase::Outcome shown(const Settings &settings, SettingsRecord::Length length,
                        const QString &title)
{
    const QString interval = settings.waveController ? QStringLiteral("10") : QStringLiteral("01");
    const QString wave = flag(settings.waveController);
    const QString storm = flag(settings.storm);
    return {SettingsRecord::write(settings, length), title,
            settings.mode == Settings::Interval ? interval : QStringLiteral("00"),
            flag(!settings.waveController).repeated(4) + wave.repeated(4) + storm.repeated(4)};
}

QList<std::pair<int, FormCase::Case>> readFixture()
{
    QFile file(QStringLiteral(KV3318_FORM_FIXTURE));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<std::pair<int, FormCase::Case>> cases;
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString line = QString::fromLatin1(file.readLine()).chopped(1);
        const std::optional<FormCase::Case> input = FormCase::parse(line);
        if (!input)
            return {};
        for (const FormCase::Step &step : input->steps) {
            if (!step.isRecord && !SettingFields::find(step.name))
                return {};
        }
        cases.append({number, *input});
    }
    return cases;
}

QString describe(int line, const FormCase::Outcome &got, const FormCase::Outcome &expected)
{
    return QStringLiteral("line %1: got %2 %3 %4 %5, expected %6 %7 %8 %9\n")
        .arg(line)
        .arg(got.record, got.title, got.lines, got.enabled, expected.record, expected.title,
             expected.lines, expected.enabled);
}

// Up to a few failures said in full, and how many there were.
struct Failures {
    QString text;
    int count = 0;
    void add(int line, const FormCase::Outcome &got, const FormCase::Outcome &expected)
    {
        if (++count <= 5)
            text += describe(line, got, expected);
    }
    QByteArray report() const
    {
        return (text + QStringLiteral("%1 cases differ").arg(count)).toLocal8Bit();
    }
};
} // namespace

class FormFixtureTest : public QObject
{
    Q_OBJECT

    QList<std::pair<int, FormCase::Case>> cases;

private Q_SLOTS:
    void initTestCase()
    {
        cases = readFixture();
        QVERIFY2(cases.size() >= 2000, "the fixture is missing or holds a line it cannot parse");
    }

    void window()
    {
        MainWindow window(Candidates::named({}));
        Failures failures;
        for (const auto &[line, input] : cases) {
            FormCase::start(window, input.length);
            for (const FormCase::Step &step : input.steps)
                FormCase::apply(window, step);
            const FormCase::Outcome got = FormCase::outcome(window);
            if (!(got == input.outcome))
                failures.add(line, got, input.outcome);
        }
        QVERIFY2(failures.count == 0, failures.report().constData());
    }

    void model()
    {
        Failures failures;
        for (const auto &[line, input] : cases) {
            Settings settings;
            for (const FormCase::Step &step : input.steps)
                applyToModel(settings, input.length, step);
            const FormCase::Outcome got = shown(settings, input.length, input.outcome.title);
            if (!(got == input.outcome))
                failures.add(line, got, input.outcome);
        }
        QVERIFY2(failures.count == 0, failures.report().constData());
    }
};

QTEST_MAIN(FormFixtureTest)
#include "tst_formfixture.moc"
