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

// text() in several languages and the small string and layout helpers that
// the screens share.
class AppTextTest : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void translatedText_data();
    void translatedText();
    void languageCodes_data();
    void languageCodes();
    void durations_data();
    void durations();
    void clearLayoutDeletesNestedContent();
};

void AppTextTest::cleanup()
{
    ClientSessionInfo::langEnum = LangEnglish;
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
    // French keeps a no-break space before "?", which must not split.
    row("fr no-break space", "fr", TxtFinishTrainingQuestion, false, true,
        QStringLiteral("Voulez-vous terminer\nl'entraînement\u00a0?"));
    row("jp without spaces", "jp", TxtSelectCamera, true, true, QStringLiteral("カメラを選択"));
    row("one past the end", "de", kAppTextCount, true, true, "");
    row("negative", "de", -1, true, false, "");
}

void AppTextTest::translatedText()
{
    QFETCH(QString, code);
    QFETCH(int, value);
    QFETCH(bool, upperCase);
    QFETCH(bool, twoLines);
    QFETCH(QString, expected);

    // Installed as the main window installs it; it takes itself out again
    // when it goes.
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(":/qm/%1.qm").arg(code)));
    QCoreApplication::installTranslator(&translator);
    QCOMPARE(text(AppText(value), false, upperCase, twoLines, 0), expected);
    // The two arguments kept for the callers change nothing.
    QCOMPARE(text(AppText(value), true, upperCase, twoLines, 7), expected);
}

void AppTextTest::languageCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("language");

    const QStringList codes = { "en", "pl", "cn", "pt", "ru", "de", "jp", "es", "fr", "it" };
    for (int language = LangEnglish; language <= LangItalian; ++language)
        QTest::newRow(qPrintable(codes[language])) << codes[language] << language;
    // Codes are read in any letter case; anything else is English.
    QTest::newRow("Cn") << "Cn" << int(LangChinese);
    QTest::newRow("xx") << "xx" << int(LangEnglish);
    QTest::newRow("longer") << "pol" << int(LangEnglish);
    QTest::newRow("padded") << " de" << int(LangEnglish);
    // A value outside the list, as a damaged account file may hold, still
    // has a code.
    QTest::newRow("past the list") << "en" << 15;
}

void AppTextTest::languageCodes()
{
    QFETCH(QString, code);
    QFETCH(int, language);

    if (language <= LangItalian)
        QCOMPARE(int(ClientSessionInfo::languageFromString(code)), language);
    ClientSessionInfo::langEnum = Language(language);
    QCOMPARE(ClientSessionInfo::getLanguageString(),
        language == LangEnglish ? QStringLiteral("en") : code.toLower());
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
