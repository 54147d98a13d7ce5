// The settings model on its own: the record at both lengths, the record
// check at each limit, the settings by name, and the rules that move
// several settings at once.

#include "namedsettings.h"
#include "recordcheck.h"
#include "records.h"
#include "settingfields.h"
#include "settingsrecord.h"

#include <QTest>

namespace
{
const QString example = QString::fromLatin1(exampleRecord);
const QString start = QString::fromLatin1(startRecord);

QString withField(const QString &record, int position, const QString &value)
{
    QStringList fields = record.split(QLatin1Char(';'));
    fields[position] = value;
    return fields.join(QLatin1Char(';'));
}

// The record a form gets from `record` read over `before`.
QString readOver(const QString &before, const QString &record,
                 SettingsRecord::Length length = SettingsRecord::Basic)
{
    Settings settings;
    SettingsRecord::read(settings, before, SettingsRecord::Basic);
    if (!SettingsRecord::read(settings, record, length))
        return QStringLiteral("ignored");
    return SettingsRecord::write(settings, length);
}
} // namespace

class SettingsModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The record as the form has always read and written it: the order of
    // reading makes every value end as the record holds it, and the rules
    // keep what no control could show from the form.
    void recordReading_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("after");
        QTest::newRow("example") << start << example << example;
        QTest::newRow("separators around") << start << ";" + example + ";" << example;
        QTest::newRow("a field empty")
            << start << QString(example).replace("1;100;", "1;;") << "ignored";
        QTest::newRow("extended at basic") << start << example + ";111;111"
                                           << "ignored";
        QTest::newRow("24 storm hours are a day")
            << start << withField(example, 13, "24") << withField(example, 13, "24");
        QTest::newRow("no storm period is an hour")
            << example << withField(example, 13, "0") << withField(example, 13, "1");
        QTest::newRow("pulse over the sequential time")
            << start << withField(withField(withField(example, 0, "2"), 9, "500"), 16, "1")
            << withField(withField(withField(example, 0, "2"), 9, "100"), 16, "1");
        QTest::newRow("not a number is 0, limited")
            << example << withField(example, 10, "abc") << withField(example, 10, "1");
        QTest::newRow("huge, limited")
            << start << withField(example, 1, "4294967295") << withField(example, 1, "100");
        QTest::newRow("moonlight with a sign")
            << start << withField(example, 11, "-1") << withField(example, 11, "0");
        QTest::newRow("power snaps") << start << withField(withField(example, 1, "1"), 2, "29")
                                     << withField(withField(example, 1, "30"), 2, "0");
    }
    void recordReading()
    {
        QFETCH(QString, before);
        QFETCH(QString, record);
        QTEST(readOver(before, record), "after");
    }

    void extendedRecord()
    {
        QCOMPARE(readOver(start, example + ";111;111", SettingsRecord::Extended),
                 example + ";111;111");
        // The two reserved fields are written as they always are.
        QCOMPARE(readOver(start, example + ";0;7", SettingsRecord::Extended), example + ";111;111");
        QCOMPARE(readOver(start, example, SettingsRecord::Extended), "ignored");
    }

    void firmwareTakesItsLength_data()
    {
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<uint>("packed");
        QTest::newRow("newer") << "1.0.10.2" << 0x01000A02u;
        QTest::newRow("last basic") << "1.0.10.1" << 0x01000A01u;
        QTest::newRow("letters dropped") << "V1.0.11.0" << 0x01000B00u;
        QTest::newRow("a part carries") << "1.0.9.256" << 0x01000A00u;
        QTest::newRow("three parts") << "1.0.11" << 0u;
    }
    void firmwareTakesItsLength()
    {
        QFETCH(QString, firmware);
        QFETCH(uint, packed);
        QCOMPARE(SettingsRecord::packedVersion(firmware), packed);
        QCOMPARE(SettingsRecord::lengthFor(firmware),
                 packed > 0x01000A01u ? SettingsRecord::Extended : SettingsRecord::Basic);
    }

    // Each field just inside and just outside what the form can write.
    void recordCheck_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("allowed");
        const QList<std::tuple<const char *, int, int, int>> ranges{
            {"mode", 0, 0, 2},        {"pulse time", 9, 30, 800}, {"storm period", 13, 0, 191},
            {"interval", 15, 0, 779}, {"wave time", 18, 30, 250},
        };
        for (const auto &[name, position, low, high] : ranges) {
            QTest::addRow("%s %d", name, low) << position << QString::number(low) << true;
            QTest::addRow("%s %d", name, high) << position << QString::number(high) << true;
            QTest::addRow("%s %d", name, high + 1)
                << position << QString::number(high + 1) << false;
            if (low > 0)
                QTest::addRow("%s %d", name, low - 1)
                    << position << QString::number(low - 1) << false;
        }
        for (const int position : {1, 8}) {
            for (const int power : {0, 30, 100})
                QTest::addRow("power field %d at %d", position, power)
                    << position << QString::number(power) << true;
            for (const int power : {1, 29, 101})
                QTest::addRow("power field %d at %d", position, power)
                    << position << QString::number(power) << false;
        }
        QTest::newRow("sign") << 10 << "+5" << false;
        QTest::newRow("leading zeros") << 10 << "0005" << true;
    }
    void recordCheck()
    {
        QFETCH(int, position);
        QFETCH(QString, value);
        QFETCH(bool, allowed);
        const std::optional<SettingsRecord::Problem> problem =
            SettingsRecord::problem(withField(example, position, value), SettingsRecord::Basic);
        QCOMPARE(!problem, allowed);
        if (problem) {
            QCOMPARE(problem->kind, SettingsRecord::Problem::NotAllowed);
            QCOMPARE(problem->position, position);
            QCOMPARE(problem->text, value);
        }
    }

    void recordCheckSaysWhatIsAllowed()
    {
        const auto allowed = [](int position, const QString &value) {
            const SettingsRecord::Problem problem = *SettingsRecord::problem(
                withField(example, position, value), SettingsRecord::Basic);
            return QStringList{QString::number(problem.minimum),
                               QString::number(problem.lowestRunning),
                               QString::number(problem.maximum)};
        };
        QCOMPARE(allowed(18, "251"), QStringList({"30", "0", "250"}));
        QCOMPARE(allowed(13, "192"), QStringList({"0", "0", "191"}));
        QCOMPARE(allowed(7, "29"), QStringList({"0", "30", "100"}));
    }

    // A value the form's control could not hold is refused and changes
    // nothing; an allowed one is taken as it is.
    void namedSettings_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("record");
        for (const auto &[name, value] :
             QList<std::pair<const char *, const char *>>{{"power2Socket4", "29"},
                                                          {"pulseSeconds", "1.005"},
                                                          {"waveSeconds", "2.51"},
                                                          {"stormHours", "24"},
                                                          {"intervalMinutes", "60"},
                                                          {"mode", "3"},
                                                          {"night", "2"},
                                                          {"colour", "blue"}})
            QTest::addRow("%s=%s", name, value) << name << value << "refused";
        QTest::newRow("lowest running power") << "power1Socket1"
                                              << "30" << withField(start, 1, "30");
        QTest::newRow("longest wave") << "waveSeconds"
                                      << "2.5" << withField(start, 18, "250");
        QTest::newRow("mode by name") << "mode"
                                      << "sequential" << withField(start, 0, "2");
        QTest::newRow("switch by word") << "moonlight"
                                        << "on" << withField(start, 11, "1");
    }
    void namedSettings()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        Settings settings;
        const std::optional<NamedSettings::Problem> problem =
            NamedSettings::set(settings, name, value);
        if (problem) {
            QCOMPARE(problem->name, name);
            QCOMPARE(problem->kind, SettingFields::find(name)
                                        ? NamedSettings::Problem::NotAllowed
                                        : NamedSettings::Problem::UnknownName);
        }
        QTEST(problem ? QStringLiteral("refused")
                      : SettingsRecord::write(settings, SettingsRecord::Basic),
              "record");
    }

    // Sockets 3 and 4 hold distinct levels, so that a rule that moves the
    // wrong socket's or the wrong level's shows.
    void rules_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QStringList>("changes");
        QTest::addColumn<QString>("after");
        const QString wave = "0;0;0;40;50;0;0;60;70;30;1;0;0;1;0;1;1;1;30;0";
        QTest::newRow("inverse swaps the levels of socket 4")
            << wave << QStringList{"inverse=on"} << "0;0;0;40;70;0;0;60;50;30;1;0;0;1;0;1;1;1;30;1";
        QTest::newRow("inverse off swaps them back")
            << wave << QStringList{"inverse=on", "inverse=off"} << wave;
        QTest::newRow("wave controller off ends inverse, clears power 2 of sockets 3 and 4")
            << wave << QStringList{"inverse=on", "waveController=off"}
            << "0;0;0;40;50;0;0;0;0;30;1;0;0;1;0;1;1;0;30;0";
        QTest::newRow("wave controller on: socket 3 and 4 off, then full")
            << "0;0;0;40;50;0;0;60;70;30;1;0;0;1;0;1;1;0;30;0" << QStringList{"waveController=on"}
            << "0;0;0;0;0;0;0;100;100;30;1;0;0;1;0;1;1;1;30;0";
        QTest::newRow("a longer pulse pushes the sequential time past it")
            << withField(start, 0, "2") << QStringList{"pulseSeconds=2.5"}
            << withField(withField(start, 0, "2"), 9, "250").replace(";1;0;30;0", ";3;0;30;0");
        QTest::newRow("a pulse on another page leaves it")
            << start << QStringList{"pulseSeconds=2.5"} << withField(start, 9, "250");
    }
    void rules()
    {
        QFETCH(QString, before);
        QFETCH(QStringList, changes);
        Settings settings;
        QVERIFY(SettingsRecord::read(settings, before, SettingsRecord::Basic));
        for (const QString &change : changes) {
            const QStringList nameValue = change.split(QLatin1Char('='));
            QVERIFY(!NamedSettings::set(settings, nameValue[0], nameValue[1]));
        }
        QTEST(SettingsRecord::write(settings, SettingsRecord::Basic), "after");
    }
};

QTEST_GUILESS_MAIN(SettingsModelTest)
#include "tst_settingsmodel.moc"
