// The catalogs hold every text of the sources, German is finished and says
// something of its own, and English gives the plural forms of counted texts.
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace
{
struct Message {
    QString context;
    QString source;
    bool counted = false;
    bool unfinished = false;
    QStringList translations;
};

QList<Message> messagesIn(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QList<Message> messages;
    QString context;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            Message message;
            message.context = context;
            message.counted =
                xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
            messages.append(message);
        } else if (xml.name() == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            const QString type = xml.attributes().value(QLatin1String("type")).toString();
            messages.last().unfinished = type == QLatin1String("unfinished");
            if (!messages.last().counted)
                messages.last().translations << xml.readElementText();
        } else if (xml.name() == QLatin1String("numerusform")) {
            messages.last().translations << xml.readElementText();
        }
    }
    if (xml.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(xml.errorString()));
    return messages;
}

QStringList keys(const QList<Message> &messages)
{
    QStringList keys;
    for (const Message &message : messages)
        keys << message.context + QLatin1String(": ") + message.source;
    return keys;
}

QString catalog(const char *language)
{
    return QStringLiteral(KV3318_TRANSLATIONS "/kv3318_%1.ts").arg(QLatin1String(language));
}

// Names, the form's German words, and texts that are nothing but arguments
// and signs.
bool mayStayEnglish(const QString &text)
{
    static const QStringList sameInGerman{
        QStringLiteral("Korvalin 3318"),
        QStringLiteral("Einstellungen"),
        QStringLiteral("Über"),
    };
    QString words = text;
    words.remove(
        QRegularExpression(QStringLiteral("%[0-9n]|<[^>]*>|&[a-z]+;|\\b[A-Z_0-9]{2,}\\b")));
    return sameInGerman.contains(text) ||
           !words.contains(QRegularExpression(QStringLiteral("[A-Za-z]{2,}")));
}
} // namespace

class CatalogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void holdEveryTextOfTheSources()
    {
        QTemporaryDir copies;
        for (const char *language : {"de", "en"}) {
            const QString copy = copies.filePath(QStringLiteral("kv3318_%1.ts").arg(language));
            QVERIFY(QFile::copy(catalog(language), copy));
            QProcess lupdate;
            lupdate.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            lupdate.start(QStringLiteral(KV3318_LUPDATE),
                          {QStringLiteral("-silent"), QStringLiteral("-locations"),
                           QStringLiteral("none"), QStringLiteral("-no-obsolete"),
                           QStringLiteral(KV3318_SOURCES), QStringLiteral("-ts"), copy});
            QVERIFY(lupdate.waitForFinished(60000));
            QCOMPARE(lupdate.exitCode(), 0);
            // The update_translations target brings the catalogs up to date.
            const QStringList inSources = keys(messagesIn(copy));
            const QStringList inCatalog = keys(messagesIn(catalog(language)));
            QStringList missing;
            QStringList vanished;
            for (const QString &key : inSources) {
                if (!inCatalog.contains(key))
                    missing << key;
            }
            for (const QString &key : inCatalog) {
                if (!inSources.contains(key))
                    vanished << key;
            }
            QVERIFY2(missing.isEmpty(), qPrintable(QLatin1String("not in the catalog:\n") +
                                                   missing.join(QLatin1Char('\n'))));
            QVERIFY2(vanished.isEmpty(), qPrintable(QLatin1String("gone from the sources:\n") +
                                                    vanished.join(QLatin1Char('\n'))));
        }
    }

    void germanIsFinishedAndItsOwn()
    {
        const QList<Message> messages = messagesIn(catalog("de"));
        QVERIFY(messages.size() > 100);
        for (const Message &message : messages) {
            const QString where = message.context + QLatin1String(": ") + message.source;
            QVERIFY2(!message.unfinished, qPrintable(QLatin1String("unfinished: ") + where));
            QCOMPARE(message.translations.size(), message.counted ? 2 : 1);
            for (const QString &translation : message.translations) {
                QVERIFY2(!translation.isEmpty(), qPrintable(QLatin1String("empty: ") + where));
                QVERIFY2(translation != message.source || mayStayEnglish(message.source),
                         qPrintable(QLatin1String("left in English: ") + where));
            }
        }
    }

    void englishGivesEveryPluralForm()
    {
        int counted = 0;
        for (const Message &message : messagesIn(catalog("en"))) {
            if (!message.counted)
                continue;
            ++counted;
            const QString where = message.context + QLatin1String(": ") + message.source;
            QVERIFY2(!message.unfinished, qPrintable(QLatin1String("unfinished: ") + where));
            QCOMPARE(message.translations.size(), 2);
            for (const QString &form : message.translations)
                QVERIFY2(!form.contains(QLatin1String("(s)")),
                         qPrintable(QLatin1String("no singular and plural: ") + where));
        }
        QVERIFY(counted > 0);
    }
};

QTEST_GUILESS_MAIN(CatalogsTest)
#include "tst_catalogs.moc"
