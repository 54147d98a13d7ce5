// The settings model on its own: what the record check and the settings by
// name let through at each limit, the rules that move several settings at
// once, and the form's controls against the model's limits.

#include "formcase.h"
#include "namedsettings.h"
#include "recordcheck.h"
#include "recordcomparison.h"
#include "settingfields.h"

#include <QFile>
#include <QTest>
#include <QXmlStreamReader>

namespace
{
const QString example = QStringLiteral("1;100;80;0;0;50;50;30;30;38;10;1;1;26;0;90;5;0;125;0");

QString withField(int position, const QString &value)
{
    QStringList fields = example.split(QLatin1Char(';'));
    fields[position] = value;
    return fields.join(QLatin1Char(';'));
}

struct SpinBox {
    QString type;
    double minimum = 0;
    double maximum = 0;
    double step = 0;
};

// Every spin box of the form, with Qt's defaults where the form sets nothing.
QHash<QString, SpinBox> spinBoxes(const QString &uiFile)
{
    QFile file(uiFile);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QHash<QString, SpinBox> boxes;
    QXmlStreamReader xml(&file);
    QString current;
    while (!xml.atEnd()) {
        xml.readNext();
        // A spin box holds no other widget: its end is the end of its properties.
        if (xml.isEndElement() && xml.name() == QLatin1String("widget"))
            current.clear();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("widget")) {
            const QString type = xml.attributes().value("class").toString();
            current = type.endsWith(QLatin1String("SpinBox"))
                          ? xml.attributes().value("name").toString()
                          : QString();
            if (!current.isEmpty())
                boxes[current] = {type, 0, type == "QSpinBox" ? 99 : 99.99, 1};
        } else if (xml.name() == QLatin1String("property") && !current.isEmpty()) {
            const QString property = xml.attributes().value("name").toString();
            xml.readNextStartElement();
            const double value = xml.readElementText().toDouble();
            if (property == QLatin1String("minimum"))
                boxes[current].minimum = value;
            else if (property == QLatin1String("maximum"))
                boxes[current].maximum = value;
            else if (property == QLatin1String("singleStep"))
                boxes[current].step = value;
        }
    }
    return xml.hasError() ? QHash<QString, SpinBox>() : boxes;
}
} // namespace

class SettingsModelTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each field just inside and just outside what the form can write.
    void recordCheck_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("allowed");
        const QList<std::tuple<const char *, int, int, int>> ranges{
            {"mode", 0, 0, 2},          {"pulse time", 9, 30, 800},
            {"food timer", 10, 1, 15},  {"storm period", 13, 1, 191},
            {"interval", 15, 1, 779},   {"sequential time", 16, 1, 10},
            {"wave time", 18, 30, 250}, {"inverse", 19, 0, 1},
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
        for (const int position : {1, 4, 5, 8}) {
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
        const std::optional<QString> problem =
            SettingsRecord::problem(withField(position, value), SettingsRecord::Basic);
        QVERIFY2(problem.has_value() != allowed, qPrintable(problem.value_or("no problem")));
        if (problem)
            QVERIFY2(problem->startsWith(QStringLiteral("field %1 (").arg(position + 1)),
                     qPrintable(*problem));
    }

    void recordCheckSaysWhatIsAllowed()
    {
        QCOMPARE(SettingsRecord::problem(withField(18, "251"), SettingsRecord::Basic).value_or(""),
                 "field 19 (wave time, hundredths of a second) is \"251\"; allowed: 30 to 250");
        QCOMPARE(SettingsRecord::problem(withField(13, "0"), SettingsRecord::Basic).value_or(""),
                 "field 14 (storm period, hours) is \"0\"; allowed: 1 to 191");
        QCOMPARE(SettingsRecord::problem(withField(7, "29"), SettingsRecord::Basic).value_or(""),
                 "field 8 (power 2 of socket 3, %) is \"29\"; allowed: 0 or 30 to 100");
    }

    // Fields differ by their settings only: a record of the other length
    // with the same settings is the same, whatever its reserved fields hold.
    void recordComparison_data()
    {
        QTest::addColumn<QString>("other");
        QTest::addColumn<QStringList>("differences");
        QTest::newRow("same") << example << QStringList();
        QTest::newRow("extended") << example + ";111;111" << QStringList();
        QTest::newRow("reserved fields") << example + ";0;7" << QStringList();
        QTest::newRow("first and last")
            << withField(0, "2").chopped(1) + "1"
            << QStringList({"1 mode (0 pulse, 1 interval, 2 sequential) 1 2",
                            "20 wave inverse, 0 or 1 0 1"});
        QTest::newRow("storm period")
            << withField(13, "27") << QStringList{"14 storm period, hours 26 27"};
        QTest::newRow("a field short")
            << example.section(';', 0, 18) << QStringList{"20 wave inverse, 0 or 1 0 "};
    }
    void recordComparison()
    {
        QFETCH(QString, other);
        QFETCH(QStringList, differences);
        QStringList found;
        for (const SettingsRecord::Difference &difference :
             SettingsRecord::differences(example, other))
            found << QStringLiteral("%1 %2 %3 %4")
                         .arg(difference.number)
                         .arg(difference.name, difference.first, difference.second);
        QCOMPARE(found, differences);
    }

    // A value the form's control could not hold is refused, with what is
    // allowed, and changes nothing; an allowed one is taken as it is.
    void namedSettings_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("problem");
        QTest::addColumn<QString>("record");
        const QString start = "0;0;0;0;0;0;0;0;0;30;1;0;0;1;0;1;1;0;30;0";
        const auto refused = [&](const char *row, const QString &name, const QString &value,
                                 const QString &allowed) {
            QTest::newRow(row) << name << value
                               << QStringLiteral("%1: \"%2\" is not allowed; allowed: %3")
                                      .arg(name, value, allowed)
                               << start;
        };
        refused("power one step up", "power1Socket1", "1", "0 or 30 to 100");
        refused("power below running", "power2Socket4", "29", "0 or 30 to 100");
        refused("power above full", "power1Socket3", "101", "0 or 30 to 100");
        refused("pulse too short", "pulseSeconds", "0.29", "0.30 to 8.00 in steps of 0.01");
        refused("pulse between steps", "pulseSeconds", "1.005", "0.30 to 8.00 in steps of 0.01");
        refused("wave too long", "waveSeconds", "2.51", "0.30 to 2.50 in steps of 0.01");
        refused("storm hours a day", "stormHours", "24", "0 to 23");
        refused("interval minutes an hour", "intervalMinutes", "60", "0 to 59");
        refused("sequential too long", "sequentialSeconds", "11", "1 to 10");
        refused("no food timer", "foodMinutes", "0", "1 to 15");
        refused("no such mode", "mode", "3", "pulse, interval, sequential");
        refused("flag two", "night", "2", "0 or 1");
        QTest::newRow("lowest running power") << "power1Socket1"
                                              << "30"
                                              << ""
                                              << "0;30;0;0;0;0;0;0;0;30;1;0;0;1;0;1;1;0;30;0";
        QTest::newRow("longest wave") << "waveSeconds"
                                      << "2.5"
                                      << ""
                                      << "0;0;0;0;0;0;0;0;0;30;1;0;0;1;0;1;1;0;250;0";
        QTest::newRow("mode by name") << "mode"
                                      << "sequential"
                                      << ""
                                      << "2;0;0;0;0;0;0;0;0;30;1;0;0;1;0;1;1;0;30;0";
    }
    void namedSettings()
    {
        QFETCH(QString, name);
        QFETCH(QString, value);
        QFETCH(QString, problem);
        QFETCH(QString, record);
        Settings settings;
        QCOMPARE(NamedSettings::set(settings, name, value).value_or(QString()), problem);
        QCOMPARE(SettingsRecord::write(settings, SettingsRecord::Basic), record);
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
    }
    void rules()
    {
        QFETCH(QString, before);
        QFETCH(QStringList, changes);
        QFETCH(QString, after);
        Settings settings;
        QVERIFY(SettingsRecord::read(settings, before, SettingsRecord::Basic));
        QCOMPARE(SettingsRecord::write(settings, SettingsRecord::Basic), before);
        for (const QString &change : changes) {
            const QStringList nameValue = change.split(QLatin1Char('='));
            QCOMPARE(NamedSettings::set(settings, nameValue[0], nameValue[1]).value_or(""),
                     QString());
        }
        QCOMPARE(SettingsRecord::write(settings, SettingsRecord::Basic), after);
    }

    // The form keeps its own limits; they must be the model's.
    void formControlsHaveTheModelsLimits()
    {
        const QHash<QString, SpinBox> boxes = spinBoxes(QStringLiteral(KV3318_FORM_UI));
        QVERIFY(!boxes.isEmpty());
        int checked = 0;
        for (const SettingFields::Field &field : SettingFields::fields) {
            if (field.kind == SettingFields::Kind::Mode || field.kind == SettingFields::Kind::Flag)
                continue;
            const QString control = FormCase::controlName(QLatin1String(field.name));
            QVERIFY2(boxes.contains(control), qPrintable(control));
            const SpinBox box = boxes[control];
            const QString got = QStringLiteral("%1 %2 to %3 step %4")
                                    .arg(control)
                                    .arg(box.minimum)
                                    .arg(box.maximum)
                                    .arg(box.step);
            const QString wanted = QStringLiteral("%1 %2 to %3 step %4")
                                       .arg(control)
                                       .arg(field.minimum)
                                       .arg(field.maximum)
                                       .arg(field.step);
            QCOMPARE(got, wanted);
            QCOMPARE(box.type,
                     field.kind == SettingFields::Kind::Time ? "QDoubleSpinBox" : "QSpinBox");
            ++checked;
        }
        QCOMPARE(checked, 16);
    }
};

QTEST_MAIN(SettingsModelTest)
#include "tst_settingsmodel.moc"
