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
    void valuesOutsideTheList_data();
    void valuesOutsideTheList();
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

    QTest::newRow("odd length") << "Select camera" << true << 6;
    QTest::newRow("space before middle") << "Start training" << true << 5;
    QTest::newRow("tie picks earlier") << "ab c d" << true << 2;
    QTest::newRow("nearer later space") << "ab cd ef" << true << 5;
    QTest::newRow("only leading space") << " abc" << true << 0;
    QTest::newRow("no space") << "PIN" << false << kUntouched;
    QTest::newRow("empty") << "" << false << kUntouched;
    QTest::newRow("line feed is no space") << "a\nb" << false << kUntouched;
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

    QTest::newRow("en plain") << "en" << int(TxtSelectCamera) << false << false << "Select camera";
    QTest::newRow("en caption") << "en" << int(TxtSelectCamera) << true << true << "SELECT\nCAMERA";
    QTest::newRow("en two lines keep case")
        << "en" << int(TxtStartTraining) << false << true << "Start\ntraining";
    QTest::newRow("en single word") << "en" << int(TxtNext) << true << true << "NEXT";
    QTest::newRow("de plain") << "de" << int(TxtStartTraining) << false << false << "Training starten";
    QTest::newRow("de sharp s") << "de" << int(TxtWhiteBalance) << true << false
                                << QStringLiteral("WEISSABGLEICH");
    QTest::newRow("de umlaut") << "de" << int(TxtBack) << true << true << QStringLiteral("ZURÜCK");
    QTest::newRow("pl caption") << "pl" << int(TxtCreateAccount) << true << true
                                << QStringLiteral("UTWÓRZ\nKONTO");
    QTest::newRow("pl diacritics") << "pl" << int(TxtTotalTrainingTime) << true << false
                                   << QStringLiteral("ŁĄCZNY CZAS TRENINGÓW");
    QTest::newRow("ru caption") << "ru" << int(TxtRecordSound) << true << true
                                << QStringLiteral("ЗАПИСЬ\nЗВУКА");
    QTest::newRow("ru upper") << "ru" << int(TxtTotalTrainingTime) << true << false
                              << QStringLiteral("ОБЩЕЕ ВРЕМЯ ТРЕНИРОВОК");
    // French keeps a no-break space before "?", which must not split.
    QTest::newRow("fr no-break space") << "fr" << int(TxtFinishTrainingQuestion) << false << true
                                       << QStringLiteral("Voulez-vous terminer\nl'entraînement\u00a0?");
    QTest::newRow("jp without spaces")
        << "jp" << int(TxtSelectCamera) << true << true << QStringLiteral("カメラを選択");
    QTest::newRow("cn untranslated START") << "cn" << int(TxtStart) << true << true << "START";
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

void AppTextTest::valuesOutsideTheList_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("upperCase");
    QTest::addColumn<bool>("twoLines");

    QTest::newRow("one past the end") << kAppTextCount << false << false;
    QTest::newRow("one past, upper, two lines") << kAppTextCount << true << true;
    QTest::newRow("negative") << -1 << true << false;
    QTest::newRow("far out") << INT_MAX << false << true;
}

void AppTextTest::valuesOutsideTheList()
{
    QFETCH(int, value);
    QFETCH(bool, upperCase);
    QFETCH(bool, twoLines);

    const auto installed = installTranslation(QStringLiteral("de"));
    QVERIFY(installed);
    const QString result = text(AppText(value), false, upperCase, twoLines, 0);
    QVERIFY(result.isEmpty());
}

void AppTextTest::languageFromCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("language");

    QTest::newRow("pl") << "pl" << int(LangPolish);
    QTest::newRow("PL") << "PL" << int(LangPolish);
    QTest::newRow("Cn") << "Cn" << int(LangChinese);
    QTest::newRow("jp") << "jp" << int(LangJapanese);
    QTest::newRow("IT") << "IT" << int(LangItalian);
    QTest::newRow("en") << "en" << int(LangEnglish);
    QTest::newRow("xx") << "xx" << int(LangEnglish);
    QTest::newRow("empty") << "" << int(LangEnglish);
    QTest::newRow("longer") << "pol" << int(LangEnglish);
    QTest::newRow("padded") << " de" << int(LangEnglish);
    QTest::newRow("language name") << "zh" << int(LangEnglish);
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
    QTest::newRow("past the list") << LangItalian + 1 << "en";
    // Still inside the range that the enumeration's values can hold.
    QTest::newRow("far past the list") << 15 << "en";
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
    QTest::newRow("avi") << "a.Avi" << false << true << false;
    QTest::newRow("mkv") << "b.mkv.part" << false << true << false;
    QTest::newRow("no dot") << "mp4png" << false << false << false;
    QTest::newRow("account file") << "/u/ANNA.USR" << false << false << true;
    QTest::newRow("empty") << "" << false << false << false;
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

    QTest::newRow("zero") << 0 << "00:00:00";
    QTest::newRow("under a minute") << 59 << "00:00:59";
    QTest::newRow("hour, minutes, seconds") << 3725 << "01:02:05";
    QTest::newRow("last second of a day") << 86399 << "23:59:59";
    QTest::newRow("one day") << 86400 << "24:00:00";
    QTest::newRow("a day and more") << 93784 << "26:03:04";
    QTest::newRow("hundred hours") << 360000 << "100:00:00";
    QTest::newRow("largest") << INT_MAX << "596523:14:07";
    QTest::newRow("negative") << -1 << "00:00:00";
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
    QVERIFY(!label);
    QVERIFY(!button);
    QVERIFY(!edit);
    QVERIFY(!row);
    QVERIFY(!inner);
    QVERIFY(bystander);
    QCOMPARE(host.layout(), outer);
}

QTEST_MAIN(AppTextTest)
#include "tst_apptext.moc"
