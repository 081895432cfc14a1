#include <QFontMetrics>
#include <QtTest>

#include "core/apptext.h"
#include "core/fonts.h"

namespace {

constexpr int kEnglishKeyCount = 26;

// Captions sit on buttons 200 pixels wide (220 with an icon beside the text
// on the training screen); the border picture takes a few pixels each side.
constexpr int kCaptionWidth = 190;
constexpr int kCaptionPointSize = 16;

// A text to translate: its context and its English source.
using TextKey = QPair<QString, QString>;

// The messages of a Linguist file by context and source, and whether each
// is unfinished.
QMap<TextKey, bool> readTs(const QString &path)
{
    QMap<TextKey, bool> unfinished;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return unfinished;
    QXmlStreamReader xml(&file);
    QString context;
    TextKey key;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("source"))
            key = { context, xml.readElementText() };
        else if (xml.name() == QLatin1String("translation"))
            unfinished.insert(
                key, xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished"));
    }
    return unfinished;
}

int sharedCount(const QList<TextKey> &keys)
{
    return int(std::count_if(keys.cbegin(), keys.cend(),
        [](const TextKey &key) { return key.first == QLatin1String("QObject"); }));
}

// An argument of QString::arg() or of a plural form: a translation has the
// same ones as its source.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d|n|L\\d)"));
    QStringList found;
    for (auto match = placeholder.globalMatch(text); match.hasNext();)
        found << match.next().captured();
    found.sort();
    return found;
}

// A question or an exclamation stays one, in Latin or full-width form.
bool keepsSentenceEnd(const QString &source, const QString &translation)
{
    const int end = QStringLiteral("?!").indexOf(source.back());
    return end < 0 || translation.endsWith(QStringLiteral("?!").at(end))
        || translation.endsWith(QStringLiteral("\uFF1F\uFF01").at(end));
}

// A file of the project, as text.
QString projectFile(const QString &path)
{
    QFile file(QDir(QStringLiteral(KAVRIN_PROJECT_DIR)).filePath(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// What scripts/install-deps installs for the application to run.
QStringList runtimePackages()
{
    static const QRegularExpression block(QStringLiteral("\nruntime=\\(([\\s\\S]*?)\n\\)"));
    static const QRegularExpression comment(QStringLiteral("#[^\n]*"));
    QString list = block.match(projectFile(QStringLiteral("scripts/install-deps"))).captured(1);
    return list.remove(comment).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

// The kavrinmac package's Depends as CPack writes it, without versions.
QStringList packageDepends()
{
    QFile config(QStringLiteral(KAVRIN_BINARY_DIR "/CPackConfig.cmake"));
    if (!config.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression field(
        QStringLiteral("CPACK_DEBIAN_APPLICATION_PACKAGE_DEPENDS \"([^\"]*)\""));
    QStringList depends;
    for (const QString &relation : field.match(QString::fromUtf8(config.readAll())).captured(1).split(','))
        depends << relation.trimmed().section(QLatin1Char(' '), 0, 0);
    return depends;
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

    void eachLanguageAsShipped_data();
    void eachLanguageAsShipped();

    // The package a plain installation gets its glyphs and plugins from.
    void packageDependsOnWhatTheApplicationLoads_data();
    void packageDependsOnWhatTheApplicationLoads();
    void packageCopyrightCoversEachBundledFont_data();
    void packageCopyrightCoversEachBundledFont();

private:
    // What the code translates.
    QList<TextKey> codeTexts;
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
    codeTexts = readTs(codeTs).keys();
    // The shared texts of text(), and those a screen translates in its own
    // context, such as the data location dialog's error line.
    QCOMPARE(sharedCount(codeTexts), kAppTextCount);
    QVERIFY(codeTexts.size() > kAppTextCount);
    registerApplicationFonts();
}

void TranslationsTest::eachLanguageAsShipped_data()
{
    QTest::addColumn<QString>("code");
    // Words that the language writes exactly as English does. Anything else
    // equal to its English source is a text someone forgot to translate.
    QTest::addColumn<QStringList>("identical");

    QTest::newRow("en") << "en" << QStringList();
    QTest::newRow("pl") << "pl" << QStringList { "OK", "AUTO" };
    QTest::newRow("cn") << "cn" << QStringList();
    QTest::newRow("pt") << "pt" << QStringList { "OK", "PIN", "VOLUME" };
    QTest::newRow("ru") << "ru" << QStringList();
    QTest::newRow("de") << "de" << QStringList { "OK", "PIN", "AUTO" };
    QTest::newRow("jp") << "jp" << QStringList { "OK" };
    QTest::newRow("es") << "es" << QStringList { "PIN", "No" };
    QTest::newRow("fr") << "fr" << QStringList { "OK", "Date", "Saturation", "AUTO", "VOLUME" };
    QTest::newRow("it") << "it" << QStringList { "OK", "PIN", "AUTO", "TIMER", "No", "VOLUME" };
}

void TranslationsTest::eachLanguageAsShipped()
{
    QFETCH(QString, code);
    QFETCH(QStringList, identical);
    const bool english = code == QLatin1String("en");

    const QMap<TextKey, bool> messages
        = readTs(QDir(QStringLiteral(KAVRIN_TRANSLATIONS_DIR)).filePath(code + QStringLiteral(".ts")));
    // English carries only some of the shared keys, all untranslated.
    QCOMPARE(sharedCount(messages.keys()), english ? kEnglishKeyCount : kAppTextCount);
    // No stale entries. (One with a disambiguation is never found by the
    // code's lookup, so it shows as an untranslated text below.)
    for (const TextKey &key : messages.keys())
        QVERIFY2(codeTexts.contains(key), qPrintable("stale: " + key.second));

    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/qm/%1.qm").arg(code)));
    for (const TextKey &key : qAsConst(codeTexts)) {
        const QString &source = key.second;
        const QString translation
            = translator.translate(key.first.toLatin1().constData(), source.toUtf8().constData());
        // Untranslated keys must be absent: an empty translation would show
        // as an empty caption instead of the English text.
        if (english || source == QLatin1String("START")) {
            QVERIFY2(translation.isNull(), qPrintable(source));
            QVERIFY(messages.value(key, true));
            continue;
        }
        QVERIFY2(!messages.value(key, true), qPrintable(key.first + ' ' + source));
        QVERIFY2(!translation.isEmpty(), qPrintable(source));
        // A screen's own text may end in the gap before a value, which some
        // languages write into their punctuation.
        QVERIFY2(key.first != QLatin1String("QObject") || translation.trimmed() == translation,
            qPrintable(translation));
        QCOMPARE(placeholders(translation), placeholders(source));
        QVERIFY2(keepsSentenceEnd(source, translation), qPrintable(translation));
        // Both ways: an allow-listed word that got translated after all is a
        // stale entry.
        QVERIFY2((translation == source) == identical.contains(source), qPrintable(translation));
    }

    // Installed, the untranslated START shows its English text, and every
    // button caption fits its button; some are broken in two lines.
    QCoreApplication::installTranslator(&translator);
    QCOMPARE(text(TxtStart, false, false, false, 0), QStringLiteral("START"));
    static const AppText oneLine[] = { TxtNext, TxtOk, TxtGuest, TxtLogin, TxtStartTraining, TxtTutorials,
        TxtTrainingHistory, TxtSettings, TxtBack, TxtTimer, TxtReset, TxtDelete, TxtExport, TxtPlay,
        TxtDefault, TxtAuto, TxtCancel, TxtVolume, TxtYes, TxtNo };
    static const AppText twoLines[] = { TxtCreateAccount, TxtStartTraining, TxtLogout, TxtAccountSettings,
        TxtRecordVideo, TxtRecordSound, TxtCheckForUpdates };
    QStringList captions;
    for (const AppText caption : oneLine)
        captions << text(caption, false, true, false, 0);
    for (const AppText caption : twoLines)
        captions << text(caption, false, true, true, 0).split(QLatin1Char('\n'));
    const QFontMetrics metrics(QFont(QStringLiteral("Corbel"), kCaptionPointSize, QFont::Bold));
    for (const QString &line : qAsConst(captions)) {
        const int width = metrics.horizontalAdvance(line);
        QVERIFY2(width <= kCaptionWidth, qPrintable(QStringLiteral("%1: %2 px").arg(line).arg(width)));
    }
}

void TranslationsTest::packageDependsOnWhatTheApplicationLoads_data()
{
    QTest::addColumn<QString>("package");
    const QStringList runtime = runtimePackages();
    QVERIFY(runtime.contains(QStringLiteral("fonts-wqy-microhei")));
    for (const QString &package : runtime)
        QTest::newRow(qPrintable(package)) << package;
}

void TranslationsTest::packageDependsOnWhatTheApplicationLoads()
{
    QFETCH(QString, package);
    QVERIFY2(packageDepends().contains(package), qPrintable(packageDepends().join(", ")));
}

void TranslationsTest::packageCopyrightCoversEachBundledFont_data()
{
    QTest::addColumn<QString>("font");
    for (const QString &font : QDir(QStringLiteral(KAVRIN_PROJECT_DIR "/src/resources/fonts"))
                                   .entryList({ QStringLiteral("*.ttf") }, QDir::Files))
        QTest::newRow(qPrintable(font)) << font;
}

// The machine-readable copyright names each font file with its copyright and
// a licence whose text it carries.
void TranslationsTest::packageCopyrightCoversEachBundledFont()
{
    QFETCH(QString, font);
    const QStringList paragraphs
        = projectFile(QStringLiteral("packaging/linux/copyright")).split(QStringLiteral("\n\n"));
    static const QRegularExpression filesField(QStringLiteral("^Files:((?:[^\\n]|\\n )*)"));
    const QString path = QStringLiteral("src/resources/fonts/") + font;
    const auto naming = std::find_if(paragraphs.cbegin(), paragraphs.cend(), [&](const QString &paragraph) {
        return filesField.match(paragraph)
            .captured(1)
            .split(QRegularExpression(QStringLiteral("\\s+")))
            .contains(path);
    });
    QVERIFY(naming != paragraphs.cend());
    QVERIFY(naming->contains(QStringLiteral("\nCopyright: 2")));
    const QString licence
        = QRegularExpression(QStringLiteral("\nLicense: (\\S+)")).match(*naming).captured(1);
    QVERIFY(!licence.isEmpty());
    QVERIFY(std::any_of(paragraphs.cbegin(), paragraphs.cend(), [&](const QString &paragraph) {
        return paragraph.startsWith(QStringLiteral("License: %1\n ").arg(licence));
    }));
}

QTEST_MAIN(TranslationsTest)
#include "tst_translations.moc"
