#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <algorithm>

#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "core/fonts.h"
#include "translationfixture.h"

// The translation files as shipped: the Linguist sources hold the expected
// keys, and the compiled files embedded in the library translate exactly
// what they should, into texts that fit the buttons that show them.
class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void sourcesHoldTheKeys_data();
    void sourcesHoldTheKeys();
    void compiledTranslations_data();
    void compiledTranslations();
    void captionsFitTheirButtons_data();
    void captionsFitTheirButtons();
    void screenTextsTranslated_data();
    void screenTextsTranslated();

private:
    void addLanguageRows();

    // The English source texts, read through text() with no translation
    // installed, indexed by AppText value.
    QStringList sources;
};

namespace {

constexpr int kEnglishKeyCount = 26;

// Captions sit on buttons 200 pixels wide (220 with an icon beside the text
// on the training screen); the border picture takes a few pixels each side.
constexpr int kCaptionWidth = 190;
constexpr int kCaptionPointSize = 16;

struct TsMessage
{
    QString context;
    QString source;
    QString translation;
    bool unfinished = false;
    bool disambiguated = false;
};

QVector<TsMessage> readTs(const QString &path)
{
    QVector<TsMessage> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringRef name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            messages.append(TsMessage { context, {}, {}, false, false });
        } else if (name == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if (name == QLatin1String("comment")) {
            messages.last().disambiguated = true;
        } else if (name == QLatin1String("translation")) {
            messages.last().unfinished
                = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            messages.last().translation = xml.readElementText();
        }
    }
    if (xml.hasError())
        qWarning() << path << xml.errorString();
    return messages;
}

// Words that a language writes exactly as English does. Anything else equal
// to its English source is a text someone forgot to translate.
QStringList identicalWords(Language language)
{
    switch (language) {
    case LangPolish:
        return { "OK", "AUTO" };
    case LangGerman:
        return { "OK", "PIN", "AUTO" };
    case LangPortuguese:
        return { "OK", "PIN", "VOLUME" };
    case LangJapanese:
        return { "OK" };
    case LangSpanish:
        return { "PIN", "No" };
    case LangFrench:
        return { "OK", "Date", "Saturation", "AUTO", "VOLUME" };
    case LangItalian:
        return { "OK", "PIN", "AUTO", "TIMER", "No", "VOLUME" };
    default:
        return {};
    }
}

// A lone "%" followed by a digit or "n" would be taken for an argument.
const QRegularExpression kPlaceholder(QStringLiteral("%(\\d|n|L\\d)"));

// Sentence ends that a translation must keep, in Latin or full-width form.
bool keepsSentenceEnd(const QString &source, const QString &translation)
{
    static const QVector<QPair<QChar, QChar>> ends
        = { { QLatin1Char('?'), QChar(0xFF1F) }, { QLatin1Char('!'), QChar(0xFF01) } };
    for (const auto &end : ends) {
        if (source.endsWith(end.first))
            return translation.endsWith(end.first) || translation.endsWith(end.second);
    }
    return true;
}

} // namespace

void TranslationsTest::initTestCase()
{
    for (int value = 0; value < kAppTextCount; ++value)
        sources << text(AppText(value), false, false, false, 0);
    QCOMPARE(QSet<QString>(sources.cbegin(), sources.cend()).size(), kAppTextCount);
    registerApplicationFonts();
}

void TranslationsTest::cleanup()
{
    ClientSessionInfo::langEnum = LangEnglish;
}

void TranslationsTest::addLanguageRows()
{
    QTest::addColumn<int>("language");
    for (int language = LangEnglish; language <= LangItalian; ++language) {
        ClientSessionInfo::langEnum = Language(language);
        QTest::newRow(qPrintable(ClientSessionInfo::getLanguageString())) << language;
    }
    ClientSessionInfo::langEnum = LangEnglish;
}

void TranslationsTest::sourcesHoldTheKeys_data()
{
    addLanguageRows();
}

void TranslationsTest::sourcesHoldTheKeys()
{
    QFETCH(int, language);
    ClientSessionInfo::langEnum = Language(language);
    const QString path = QDir(QStringLiteral(KAVRIN_TRANSLATIONS_DIR))
                             .filePath(ClientSessionInfo::getLanguageString() + QStringLiteral(".ts"));
    QVector<TsMessage> messages = readTs(path);
    // The shared texts live in "QObject"; a screen's own texts, in its own
    // context, are checked by screenTextsTranslated.
    messages.erase(std::remove_if(messages.begin(), messages.end(),
                       [](const TsMessage &message) { return message.context != QLatin1String("QObject"); }),
        messages.end());
    const bool english = language == LangEnglish;
    QCOMPARE(messages.size(), english ? kEnglishKeyCount : kAppTextCount);

    QSet<QString> seen;
    for (const TsMessage &message : messages) {
        QVERIFY2(sources.contains(message.source), qPrintable(message.source));
        QVERIFY2(!seen.contains(message.source), qPrintable(message.source));
        seen.insert(message.source);
        QCOMPARE(message.context, QStringLiteral("QObject"));
        QVERIFY(!message.disambiguated);
        const bool untranslated = english || message.source == sources[TxtStart];
        QCOMPARE(message.translation.isEmpty(), untranslated);
        QCOMPARE(message.unfinished, untranslated);
    }
}

void TranslationsTest::compiledTranslations_data()
{
    addLanguageRows();
}

void TranslationsTest::compiledTranslations()
{
    QFETCH(int, language);
    ClientSessionInfo::langEnum = Language(language);
    const QString code = ClientSessionInfo::getLanguageString();
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/qm/%1.qm").arg(code)));

    const QStringList identical = identicalWords(Language(language));
    for (const QString &word : identical)
        QVERIFY2(sources.contains(word), qPrintable(word));

    for (const QString &source : sources) {
        const QString translation = translator.translate("QObject", source.toUtf8().constData());
        // Untranslated keys must be absent: an empty translation would show
        // as an empty caption instead of the English text.
        if (language == LangEnglish || source == sources[TxtStart]) {
            QVERIFY2(translation.isNull(), qPrintable(source));
            continue;
        }
        QVERIFY2(!translation.isEmpty(), qPrintable(source));
        QVERIFY2(translation.trimmed() == translation, qPrintable(translation));
        QVERIFY2(!translation.contains(kPlaceholder), qPrintable(translation));
        QVERIFY2(keepsSentenceEnd(source, translation), qPrintable(translation));
        // Both ways: an allow-listed word that got translated after all is a
        // stale entry.
        QVERIFY2((translation == source) == identical.contains(source), qPrintable(translation));
    }

    // Installed, the untranslated START shows its English text.
    const auto installed = installTranslation(code);
    QVERIFY(installed);
    QCOMPARE(text(TxtStart, false, false, false, 0), QStringLiteral("START"));
}

void TranslationsTest::captionsFitTheirButtons_data()
{
    addLanguageRows();
}

void TranslationsTest::captionsFitTheirButtons()
{
    // The button captions, with the ones that the screens break in two.
    struct Caption
    {
        AppText text;
        bool twoLines;
    };
    static const Caption captions[] = {
        { TxtNext, false },
        { TxtOk, false },
        { TxtGuest, false },
        { TxtLogin, false },
        { TxtCreateAccount, true },
        { TxtStartTraining, false },
        { TxtStartTraining, true },
        { TxtTutorials, false },
        { TxtTrainingHistory, false },
        { TxtSettings, false },
        { TxtLogout, true },
        { TxtAccountSettings, true },
        { TxtBack, false },
        { TxtRecordVideo, true },
        { TxtRecordSound, true },
        { TxtTimer, false },
        { TxtReset, false },
        { TxtDelete, false },
        { TxtExport, false },
        { TxtPlay, false },
        { TxtDefault, false },
        { TxtAuto, false },
        { TxtCancel, false },
        { TxtVolume, false },
        { TxtYes, false },
        { TxtNo, false },
        { TxtCheckForUpdates, true },
    };

    QFETCH(int, language);
    ClientSessionInfo::langEnum = Language(language);
    const auto installed = installTranslation(ClientSessionInfo::getLanguageString());
    QVERIFY(installed);

    QFont font(QStringLiteral("Corbel"), kCaptionPointSize, QFont::Bold);
    const QFontMetrics metrics(font);
    for (const Caption &caption : captions) {
        const QString shown = text(caption.text, false, true, caption.twoLines, 0);
        for (const QString &line : shown.split(QLatin1Char('\n'))) {
            const int width = metrics.horizontalAdvance(line);
            QVERIFY2(width <= kCaptionWidth, qPrintable(QStringLiteral("%1: %2 px").arg(line).arg(width)));
        }
    }
}

void TranslationsTest::screenTextsTranslated_data()
{
    addLanguageRows();
}

void TranslationsTest::screenTextsTranslated()
{
    // Texts a screen translates with its own context, such as the data
    // location dialog's error line, as lupdate finds them in the code: every
    // language but English translates each of them, and the compiled file
    // carries the translation.
    QFETCH(int, language);
    if (language == LangEnglish)
        return;
    QTemporaryDir scratch;
    const QString codeTs = scratch.filePath(QStringLiteral("code.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral("lupdate"),
        { QStringLiteral("-silent"), QStringLiteral("-extensions"), QStringLiteral("cpp,h"),
            QStringLiteral("-recursive"), QStringLiteral(KAVRIN_SOURCE_DIR), QStringLiteral("-ts"), codeTs });
    QVERIFY(lupdate.waitForFinished() && lupdate.exitCode() == 0);
    QVector<TsMessage> screenTexts = readTs(codeTs);
    screenTexts.erase(std::remove_if(screenTexts.begin(), screenTexts.end(),
                          [](const TsMessage &text) { return text.context == QLatin1String("QObject"); }),
        screenTexts.end());
    QVERIFY(!screenTexts.isEmpty());

    ClientSessionInfo::langEnum = Language(language);
    const QString code = ClientSessionInfo::getLanguageString();
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/qm/%1.qm").arg(code)));
    const QVector<TsMessage> messages
        = readTs(QDir(QStringLiteral(KAVRIN_TRANSLATIONS_DIR)).filePath(code + QStringLiteral(".ts")));
    for (const TsMessage &text : qAsConst(screenTexts)) {
        const auto found = std::find_if(messages.cbegin(), messages.cend(), [&](const TsMessage &message) {
            return message.context == text.context && message.source == text.source;
        });
        QVERIFY2(found != messages.cend(), qPrintable(text.context + QLatin1Char(' ') + text.source));
        QVERIFY(!found->unfinished);
        const QString translation
            = translator.translate(text.context.toLatin1().constData(), text.source.toUtf8().constData());
        QVERIFY2(!translation.isEmpty() && translation != text.source, qPrintable(translation));
    }
}

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
