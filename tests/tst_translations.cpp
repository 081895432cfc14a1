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

// An argument of QString::arg() or of a plural form: a translation has the
// same ones as its source.
const QRegularExpression kPlaceholder(QStringLiteral("%(\\d|n|L\\d)"));

QStringList placeholders(const QString &text)
{
    QStringList found;
    for (auto match = kPlaceholder.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    found.sort();
    return found;
}

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

// The translation files as shipped: every text the code translates, as
// lupdate finds it in the sources, is translated in every language but
// English, in the Linguist sources and in the compiled files embedded in the
// library, and the captions fit the buttons that show them.
class TranslationsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();

    void everyTextTranslated_data();
    void everyTextTranslated();
    void captionsFitTheirButtons_data();
    void captionsFitTheirButtons();

private:
    void addLanguageRows();

    // What the code translates, with its context.
    QVector<TsMessage> codeTexts;
};

void TranslationsTest::initTestCase()
{
    QTemporaryDir scratch;
    const QString codeTs = scratch.filePath(QStringLiteral("code.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral("lupdate"),
        { QStringLiteral("-silent"), QStringLiteral("-extensions"), QStringLiteral("cpp,h"),
            QStringLiteral("-recursive"), QStringLiteral(KAVRIN_SOURCE_DIR), QStringLiteral("-ts"), codeTs });
    QVERIFY(lupdate.waitForFinished() && lupdate.exitCode() == 0);
    codeTexts = readTs(codeTs);
    // The shared texts of text(), and those a screen translates in its own
    // context, such as the data location dialog's error line.
    const auto shared = std::count_if(codeTexts.cbegin(), codeTexts.cend(),
        [](const TsMessage &text) { return text.context == QLatin1String("QObject"); });
    QCOMPARE(shared, kAppTextCount);
    QVERIFY(codeTexts.size() > shared);
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

void TranslationsTest::everyTextTranslated_data()
{
    addLanguageRows();
}

void TranslationsTest::everyTextTranslated()
{
    QFETCH(int, language);
    ClientSessionInfo::langEnum = Language(language);
    const QString code = ClientSessionInfo::getLanguageString();
    const bool english = language == LangEnglish;
    const QVector<TsMessage> messages
        = readTs(QDir(QStringLiteral(KAVRIN_TRANSLATIONS_DIR)).filePath(code + QStringLiteral(".ts")));
    const auto find = [&messages](const TsMessage &text) {
        return std::find_if(messages.cbegin(), messages.cend(), [&text](const TsMessage &message) {
            return message.context == text.context && message.source == text.source;
        });
    };
    // English carries only some of the shared keys, all untranslated.
    const auto shared = std::count_if(messages.cbegin(), messages.cend(),
        [](const TsMessage &message) { return message.context == QLatin1String("QObject"); });
    QCOMPARE(shared, english ? kEnglishKeyCount : kAppTextCount);
    for (const TsMessage &message : messages) {
        QVERIFY2(std::find_if(codeTexts.cbegin(), codeTexts.cend(),
                     [&message](const TsMessage &text) {
                         return text.context == message.context && text.source == message.source;
                     })
                != codeTexts.cend(),
            qPrintable(QStringLiteral("stale: ") + message.source));
        QVERIFY(!message.disambiguated);
    }

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/qm/%1.qm").arg(code)));
    const QStringList identical = identicalWords(Language(language));
    for (const TsMessage &text : qAsConst(codeTexts)) {
        const QString translation
            = translator.translate(text.context.toLatin1().constData(), text.source.toUtf8().constData());
        // Untranslated keys must be absent: an empty translation would show
        // as an empty caption instead of the English text.
        if (english || text.source == QLatin1String("START")) {
            QVERIFY2(translation.isNull(), qPrintable(text.source));
            continue;
        }
        const auto found = find(text);
        QVERIFY2(found != messages.cend(), qPrintable(text.context + QLatin1Char(' ') + text.source));
        QVERIFY2(!found->unfinished, qPrintable(text.source));
        QVERIFY2(!translation.isEmpty(), qPrintable(text.source));
        // A screen's own text may end in the gap before a value, which some
        // languages write into their punctuation.
        QVERIFY2(text.context != QLatin1String("QObject") || translation.trimmed() == translation,
            qPrintable(translation));
        QCOMPARE(placeholders(translation), placeholders(text.source));
        QVERIFY2(keepsSentenceEnd(text.source, translation), qPrintable(translation));
        // Both ways: an allow-listed word that got translated after all is a
        // stale entry.
        QVERIFY2((translation == text.source) == identical.contains(text.source), qPrintable(translation));
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
    // The button captions, and those that the screens break in two.
    static const AppText oneLine[] = { TxtNext, TxtOk, TxtGuest, TxtLogin, TxtStartTraining, TxtTutorials,
        TxtTrainingHistory, TxtSettings, TxtBack, TxtTimer, TxtReset, TxtDelete, TxtExport, TxtPlay,
        TxtDefault, TxtAuto, TxtCancel, TxtVolume, TxtYes, TxtNo };
    static const AppText twoLines[] = { TxtCreateAccount, TxtStartTraining, TxtLogout, TxtAccountSettings,
        TxtRecordVideo, TxtRecordSound, TxtCheckForUpdates };

    QFETCH(int, language);
    ClientSessionInfo::langEnum = Language(language);
    const auto installed = installTranslation(ClientSessionInfo::getLanguageString());
    QVERIFY(installed);

    const QFontMetrics metrics(QFont(QStringLiteral("Corbel"), kCaptionPointSize, QFont::Bold));
    QStringList shown;
    for (const AppText caption : oneLine)
        shown << text(caption, false, true, false, 0);
    for (const AppText caption : twoLines)
        shown << text(caption, false, true, true, 0).split(QLatin1Char('\n'));
    for (const QString &line : qAsConst(shown)) {
        const int width = metrics.horizontalAdvance(line);
        QVERIFY2(width <= kCaptionWidth, qPrintable(QStringLiteral("%1: %2 px").arg(line).arg(width)));
    }
}

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
