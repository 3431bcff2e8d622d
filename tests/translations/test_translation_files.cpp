// Every translation file is finished and follows its language's typography: no message left
// unfinished or empty, every plural form written, nothing obsolete kept; French puts a no-break
// space before ':' and inside « », a narrow one before ; ? !; German quotes as „…“.

#include <QDir>
#include <QFile>
#include <QList>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Message {
    QString context;
    QString source;
    bool numerus = false;
    QString type; // the translation's type: "unfinished", "vanished", "obsolete" or none
    QStringList translations; // one, or one for each plural form
};

QList<Message> MessagesOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<Message> messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            message = Message();
            message.context = context;
            message.numerus = xml.attributes().value("numerus") == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            message.type = xml.attributes().value("type").toString();
            // A plural's forms follow as elements of their own; any other text is the whole.
            if (!message.numerus)
                message.translations = {xml.readElementText()};
            messages.append(message);
        } else if (name == QLatin1String("numerusform")) {
            messages.last().translations.append(xml.readElementText());
        }
    }
    return xml.hasError() ? QList<Message>{} : messages;
}

QString Where(const Message& message) {
    return message.context + QStringLiteral(": ") + message.source;
}

// A sentence, not a list of search words such as "duty;rotation;…".
bool IsSentence(const Message& message) {
    return message.source.contains(QLatin1Char(' '));
}

// Where the French rules are broken in `text`, or empty.
QString FrenchMistake(const QString& text) {
    constexpr QChar kNoBreak(0x00A0);
    constexpr QChar kNarrowNoBreak(0x202F);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar before = i > 0 ? text[i - 1] : QChar();
        const QChar after = i + 1 < text.size() ? text[i + 1] : QChar();
        // The colon of an address, "https://", is no punctuation.
        const bool inAddress = c == u':' && text.mid(i + 1, 2) == QLatin1String("//");
        if ((c == u':' || c == u'»') && before != kNoBreak && !inAddress)
            return QStringLiteral("no no-break space before \"%1\"").arg(c);
        if ((c == u';' || c == u'?' || c == u'!') && before != kNarrowNoBreak)
            return QStringLiteral("no narrow no-break space before \"%1\"").arg(c);
        if (c == u'«' && after != kNoBreak)
            return QStringLiteral("no no-break space after \"«\"");
        if (c == u'\'' || c == u'"' || c == u'“' || c == u'”')
            return QStringLiteral("\"%1\" where French writes ’ or « »").arg(c);
    }
    return {};
}

QString GermanMistake(const QString& text) {
    for (const QChar c : text) {
        if (c == u'\'' || c == u'"' || c == u'»' || c == u'«' || c == u'”')
            return QStringLiteral("\"%1\" where German writes ’ or „…“").arg(c);
    }
    return {};
}

} // namespace

class TestTranslationFiles : public QObject {
    Q_OBJECT
private slots:
    // English holds only the texts that count, in its two forms; German and French hold every
    // text, with two forms each (French counts 0 and 1 as one).
    void everyMessageIsTranslated_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("pluralForms");
        QTest::addColumn<bool>("onlyCounts");
        QTest::newRow("English") << "en" << 2 << true;
        QTest::newRow("German") << "de" << 2 << false;
        QTest::newRow("French") << "fr" << 2 << false;
    }
    void everyMessageIsTranslated() {
        QFETCH(QString, language);
        QFETCH(int, pluralForms);
        QFETCH(bool, onlyCounts);
        const QString path = QDir(QStringLiteral(DUTYLOOP_TRANSLATIONS_DIR))
                                 .filePath("dutyloop_" + language + ".ts");
        const QList<Message> messages = MessagesOf(path);
        QVERIFY2(!messages.isEmpty(), qPrintable(path));
        for (const Message& message : messages) {
            QVERIFY2(message.type.isEmpty(),
                     qPrintable(QStringLiteral("%1 (%2)").arg(Where(message), message.type)));
            QVERIFY2(message.numerus || !onlyCounts, qPrintable(Where(message)));
            QCOMPARE(message.translations.size(), message.numerus ? pluralForms : 1);
            for (const QString& text : message.translations)
                QVERIFY2(!text.trimmed().isEmpty(), qPrintable(Where(message)));
        }
    }

    void typography_data() {
        QTest::addColumn<QString>("language");
        QTest::newRow("German") << "de";
        QTest::newRow("French") << "fr";
    }
    void typography() {
        QFETCH(QString, language);
        const QString path = QDir(QStringLiteral(DUTYLOOP_TRANSLATIONS_DIR))
                                 .filePath("dutyloop_" + language + ".ts");
        for (const Message& message : MessagesOf(path)) {
            if (!IsSentence(message))
                continue;
            for (const QString& text : message.translations) {
                const QString mistake =
                    language == QLatin1String("fr") ? FrenchMistake(text) : GermanMistake(text);
                QVERIFY2(
                    mistake.isEmpty(),
                    qPrintable(
                        QStringLiteral("%1: %2 in \"%3\"").arg(Where(message), mistake, text)));
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestTranslationFiles)
#include "test_translation_files.moc"
