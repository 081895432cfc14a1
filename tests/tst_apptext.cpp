#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtTest>

#include <climits>

#include "core/apptext.h"
#include "core/clientsessioninfo.h"
#include "translationfixture.h"

// text() in several languages and the small string and layout helpers that
// the screens share.
class AppTextTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void middleSpace_data();
    void middleSpace();
    void translatedText_data();
    void translatedText();
    void languageFromCode_data();
    void languageFromCode();
    void codeOfLanguage_data();
    void codeOfLanguage();
    void pathKinds_data();
    void pathKinds();
    void durations_data();
    void durations();
    void clearLayoutDeletesNestedContent();
};

namespace {

// Marks an index that indexMiddleSpace must leave alone.
constexpr int kUntouched = 42;

} // namespace

void AppTextTest::cleanup()
{
    ClientSessionInfo::langEnum = LangEnglish;
}

void AppTextTest::middleSpace_data()
{
    QTest::addColumn<QString>("s");
    QTest::addColumn<bool>("found");
    QTest::addColumn<int>("index");

    QTest::newRow("tie picks earlier") << "ab c d" << true << 2;
    QTest::newRow("nearer later space") << "ab cd ef" << true << 5;
    QTest::newRow("only leading space") << " abc" << true << 0;
    QTest::newRow("no space") << "PIN" << false << kUntouched;
    QTest::newRow("no-break space is no space") << QStringLiteral("a\u00a0b") << false << kUntouched;
}

void AppTextTest::middleSpace()
{
    QFETCH(QString, s);
    QFETCH(bool, found);
    QFETCH(int, index);

    int result = kUntouched;
    QCOMPARE(indexMiddleSpace(s, &result), found);
    QCOMPARE(result, index);
}

void AppTextTest::translatedText_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("upperCase");
    QTest::addColumn<bool>("twoLines");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *tag, const char *code, int value, bool upperCase, bool twoLines,
                         const QString &expected) {
        QTest::newRow(tag) << QString(code) << value << upperCase << twoLines << expected;
    };

    row("en caption", "en", TxtSelectCamera, true, true, "SELECT\nCAMERA");
    row("en two lines keep case", "en", TxtStartTraining, false, true, "Start\ntraining");
    row("en single word", "en", TxtNext, true, true, "NEXT");
    row("de sharp s", "de", TxtWhiteBalance, true, false, QStringLiteral("WEISSABGLEICH"));
    row("pl caption", "pl", TxtCreateAccount, true, true, QStringLiteral("UTWÓRZ\nKONTO"));
    // French keeps a no-break space before "?", which must not split.
    row("fr no-break space", "fr", TxtFinishTrainingQuestion, false, true,
        QStringLiteral("Voulez-vous terminer\nl'entraînement\u00a0?"));
    row("jp without spaces", "jp", TxtSelectCamera, true, true, QStringLiteral("カメラを選択"));
    row("cn untranslated START", "cn", TxtStart, true, true, "START");
    row("one past the end", "de", kAppTextCount, true, true, "");
    row("negative", "de", -1, true, false, "");
    row("far out", "de", INT_MAX, false, true, "");
}

void AppTextTest::translatedText()
{
    QFETCH(QString, code);
    QFETCH(int, value);
    QFETCH(bool, upperCase);
    QFETCH(bool, twoLines);
    QFETCH(QString, expected);

    const auto installed = installTranslation(code);
    QVERIFY(installed);
    QCOMPARE(text(AppText(value), false, upperCase, twoLines, 0), expected);
    // The two arguments kept for the callers change nothing.
    QCOMPARE(text(AppText(value), true, upperCase, twoLines, 7), expected);
}

void AppTextTest::languageFromCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("language");

    QTest::newRow("Cn") << "Cn" << int(LangChinese);
    QTest::newRow("xx") << "xx" << int(LangEnglish);
    QTest::newRow("longer") << "pol" << int(LangEnglish);
    QTest::newRow("padded") << " de" << int(LangEnglish);
}

void AppTextTest::languageFromCode()
{
    QFETCH(QString, code);
    QFETCH(int, language);
    QCOMPARE(int(ClientSessionInfo::languageFromString(code)), language);
}

void AppTextTest::codeOfLanguage_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("code");

    const QStringList codes = { "en", "pl", "cn", "pt", "ru", "de", "jp", "es", "fr", "it" };
    for (int language = LangEnglish; language <= LangItalian; ++language)
        QTest::newRow(qPrintable(codes[language])) << language << codes[language];
    // Still inside the range that the enumeration's values can hold.
    QTest::newRow("past the list") << 15 << "en";
}

void AppTextTest::codeOfLanguage()
{
    QFETCH(int, language);
    QFETCH(QString, code);

    ClientSessionInfo::langEnum = Language(language);
    QCOMPARE(ClientSessionInfo::getLanguageString(), code);
    if (language <= LangItalian)
        QCOMPARE(int(ClientSessionInfo::languageFromString(code.toUpper())), language);
}

void AppTextTest::pathKinds_data()
{
    QTest::addColumn<QString>("s");
    QTest::addColumn<bool>("picture");
    QTest::addColumn<bool>("video");
    QTest::addColumn<bool>("userFile");

    QTest::newRow("video inside a name") << "clip.MP4.txt" << false << true << false;
    QTest::newRow("recorded picture") << "/r/2024_01_31T10_00_00mi.png" << true << false << false;
    QTest::newRow("upper-case picture") << "SHOT.JPG" << true << false << false;
    QTest::newRow("jpeg is not jpg") << "photo.jpeg" << false << false << false;
    QTest::newRow("no dot") << "mp4png" << false << false << false;
    QTest::newRow("account file") << "/u/ANNA.USR" << false << false << true;
}

void AppTextTest::pathKinds()
{
    QFETCH(QString, s);
    QFETCH(bool, picture);
    QFETCH(bool, video);
    QFETCH(bool, userFile);

    QCOMPARE(isStringPicturePath(s), picture);
    QCOMPARE(isStringVideoPath(s), video);
    QCOMPARE(isStringDataFile(s, QStringLiteral(".usr")), userFile);
}

void AppTextTest::durations_data()
{
    QTest::addColumn<int>("seconds");
    QTest::addColumn<QString>("expected");

    QTest::newRow("hour, minutes, seconds") << 3725 << "01:02:05";
    // An account's total passes a day easily; the hours keep counting.
    QTest::newRow("a day and more") << 93784 << "26:03:04";
    QTest::newRow("largest") << INT_MAX << "596523:14:07";
    QTest::newRow("most negative") << INT_MIN << "00:00:00";
}

void AppTextTest::durations()
{
    QFETCH(int, seconds);
    QFETCH(QString, expected);
    QCOMPARE(toDurationString(seconds), expected);
}

void AppTextTest::clearLayoutDeletesNestedContent()
{
    QWidget host;
    auto *outer = new QVBoxLayout(&host);
    QPointer<QLabel> label = new QLabel(QStringLiteral("row"));
    outer->addWidget(label);
    QPointer<QHBoxLayout> row = new QHBoxLayout;
    outer->addLayout(row);
    QPointer<QPushButton> button = new QPushButton(QStringLiteral("PLAY"));
    row->addWidget(button);
    QPointer<QVBoxLayout> inner = new QVBoxLayout;
    row->addLayout(inner);
    QPointer<QLineEdit> edit = new QLineEdit;
    inner->addWidget(edit);
    inner->addStretch();
    outer->addSpacing(10);
    // A child of the host outside the layout is no business of clearLayout.
    QPointer<QLabel> bystander = new QLabel(&host);

    clearLayout(outer);

    QCOMPARE(outer->count(), 0);
    // Deferred: a slot of one of these widgets may be the caller.
    QVERIFY(label && button && edit && row && inner);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!label && !button && !edit && !row && !inner);
    QVERIFY(bystander);
    QCOMPARE(host.layout(), outer);
}

QTEST_MAIN(AppTextTest)
#include "tst_apptext.moc"
