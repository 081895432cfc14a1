#include <QImage>
#include <QtTest>

#include "catalogue/exercisecatalogue.h"
#include "storage/exercisetargets.h"
#include "core/clientsessioninfo.h"
#include "storage/datalocation.h"

namespace {

constexpr int kUnread = -5;

LanguageTexts texts(const QStringList &list)
{
    LanguageTexts result;
    for (int slot = 0; slot < kLanguageSlots && slot < list.size(); ++slot)
        result[slot] = list.at(slot);
    return result;
}

QString joined(const Limits &limits)
{
    QStringList values;
    for (const double value : limits)
        values << QString::number(value);
    return values.join(QLatin1Char(','));
}

// The field a row of the reader's table looks at, as text.
QString field(const Scenario &scenario, const QString &name)
{
    const QMap<QString, QString> fields {
        { "id", QString::number(scenario.id) },
        { "max_time", QString::number(scenario.maxTime) },
        { "difficulty", QString::number(scenario.difficulty) },
        { "author", scenario.author },
        { "english", scenario.title[SlotEnglish] },
        { "polish", scenario.title[SlotPolish] },
        { "chinese", scenario.title[SlotChinese] },
        { "allowed_tools", scenario.tools.join(QLatin1Char('|')) },
        { "cartidge", scenario.cartridgeDescription },
        { "symmetric", scenario.isTrainingSymmetric() },
        { "max_distance", joined(scenario.maxDistance) },
        { "max_fft", joined(scenario.maxFFT) },
        { "max_vel", joined(scenario.maxVel) },
        { "max_acc", joined(scenario.maxAcc) },
        { "max_eff_vel", joined(scenario.maxEffVel) },
        { "max_eff_cnt", joined(scenario.maxEffCnt) },
        { "descriptions", scenario.descriptions.join(QLatin1Char('|')) },
    };
    return fields.value(name, QStringLiteral("no such field"));
}

// A scenario whose numbers show whether the reader wrote them.
Scenario unreadScenario()
{
    Scenario scenario;
    scenario.id = scenario.maxTime = scenario.difficulty = kUnread;
    for (Limits *limits : { &scenario.maxDistance, &scenario.maxFFT, &scenario.maxVel, &scenario.maxAcc,
             &scenario.maxEffVel, &scenario.maxEffCnt })
        limits->fill(kUnread);
    return scenario;
}

} // namespace

// The training scenario and its reader, over small description files in a
// temporary folder.
class ScenarioTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void readElement_data();
    void readElement();
    void laterFilesAddToTheScenario();
    void displayLanguage_data();
    void displayLanguage();
    void authorLogo();
    void builtInExercises_data();
    void builtInExercises();
    void labExercises();

private:
    QString writeFile(const QString &name, const QByteArray &content);

    QTemporaryDir dir;
};

void ScenarioTest::init()
{
    QVERIFY(dir.isValid());
    ClientSessionInfo::langEnum = LangEnglish;
}

QString ScenarioTest::writeFile(const QString &name, const QByteArray &content)
{
    const QString path = QDir(dir.path()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        return QString();
    return path;
}

void ScenarioTest::readElement_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *tag, const char *body, const char *name, const char *expected) {
        QTest::newRow(tag) << QByteArray(body) << QString(name) << QString::fromUtf8(expected);
    };

    row("number with spaces", "<difficulty> 3 </difficulty>", "difficulty", "3");
    row("not a number", "<max_time>abc</max_time>", "max_time", "0");
    row("max_vel in hundredths", "<max_vel>100,200,300,400</max_vel>", "max_vel", "1,2,3,4");
    row("empty and foreign parts are 0", "<max_eff_vel>1,,x,4e1</max_eff_vel>", "max_eff_vel", "1,0,0,40");
    row("five parts", "<max_distance>1,2,3,4,5</max_distance>", "max_distance", "1,2,3,4");
    row("two parts", "<max_fft>7,8</max_fft>", "max_fft", "7,8,0,0");
    row("no number", "<max_eff_cnt>none</max_eff_cnt>", "max_eff_cnt", "0,0,0,0");
    // The reader may hand one text over in pieces: all of them count.
    row("character data inside limits", "<max_acc>1,2<![CDATA[,3,]]>4</max_acc>", "max_acc", "1,2,3,4");
    row("comment inside a title", "<english>Cut <!-- or tear --> and suture</english>", "english",
        "Cut and suture");
    row("tools keep spaces and empty entries", "<allowed_tools>grasper,, scissors,</allowed_tools>",
        "allowed_tools", "grasper|| scissors|");
    row("cartridge simplified", "<cartidge>  box\n one.txt </cartidge>", "cartidge", "box one.txt");
    row("symmetric yes", "<symmetric> yes </symmetric>", "symmetric", "yes");
    row("symmetric Yes", "<symmetric>Yes</symmetric>", "symmetric", "no");
    row("author spaces kept", "<author>  Kavrin  Training </author>", "author", "  Kavrin  Training ");
    row("polish simplified", "<polish>  Węzły\n   chirurgiczne </polish>", "polish", "Węzły chirurgiczne");
    row("chn marker, spaces kept", "<chinese> cHn 缝合 chn</chinese>", "chinese", "  缝合 ");
    row("Chinese only", "<chinese>缝合</chinese>", "chinese", "");
    row("text after an unknown element", "<english>Knots</english><note>see</note>", "english", "see");
    row("name is read and ignored", "<english>Knots</english><name>Other</name>", "english", "Knots");
    row("element names are case-sensitive", "<English>Knots</English><ID>9</ID>", "english", "");
    row("configuration element unknown", "<id>4</id><language>77</language>", "id", "77");
    row("attributes and nesting ignored", "<group kind='x'><id lang='pl'>5</id></group>", "id", "5");
    // Prose in any script, white space between elements dropped.
    row("description in Cyrillic", "<description_russian> Шесть\n колец </description_russian>\n<name/>",
        "descriptions", "|||Шесть колец||");
    row("no descriptions", "<english>Knots</english>", "descriptions", "");
}

void ScenarioTest::readElement()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, name);
    QFETCH(QString, expected);

    // The empty name element starts the file on a recognised element whose
    // text is ignored, whatever the row before left behind.
    const QString path = writeFile("scenario.xml", "<scenario><name/>" + body + "</scenario>");
    Scenario scenario = unreadScenario();
    ClientSessionInfo::parser.ParseScenario(path, &scenario);
    QCOMPARE(field(scenario, name), expected);
}

void ScenarioTest::laterFilesAddToTheScenario()
{
    Scenario scenario = unreadScenario();
    ClientSessionInfo::parser.ParseScenario(
        writeFile("first.xml", "<s><id>1</id><english>Knots</english><max_vel>100,100,100,100</max_vel></s>"),
        &scenario);
    ClientSessionInfo::parser.ParseScenario(
        writeFile("second.xml", "<s><english>Sutures</english><difficulty>2</difficulty></s>"), &scenario);
    QCOMPARE(scenario.title[SlotEnglish], QStringLiteral("Sutures"));
    QCOMPARE(joined(scenario.maxVel), QStringLiteral("1,1,1,1"));
    QCOMPARE(scenario.difficulty, 2);
    QCOMPARE(scenario.maxTime, kUnread);

    // A broken file gives what came before the break; a missing one nothing.
    ClientSessionInfo::parser.ParseScenario(
        writeFile("broken.xml", "<s><id>3</id><<bad>><max_time>4</max_time></s>"), &scenario);
    ClientSessionInfo::parser.ParseScenario(dir.filePath("missing.xml"), &scenario);
    QCOMPARE(scenario.id, 3);
    QCOMPARE(scenario.maxTime, kUnread);

    // A text cut off by the end of a file goes nowhere, not even into the
    // next file's scenario.
    ClientSessionInfo::parser.ParseScenario(
        writeFile("cut.xml", "<s><english>Knots <!-- and --> sutures"), &scenario);
    Scenario next;
    ClientSessionInfo::parser.ParseScenario(writeFile("next.xml", "<s><id>4</id></s>"), &next);
    QCOMPARE(next.title[SlotEnglish], QString());
    QCOMPARE(next.id, 4);
}

void ScenarioTest::displayLanguage_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("titles");
    // The resource whose description is read.
    QTest::addColumn<int>("resource");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("description");
    const auto row = [](const char *tag, Language language, const QStringList &titles, int resource,
                         const QString &title, const QString &description) {
        QTest::newRow(tag) << language << titles << resource << title << description;
    };

    row("polish", LangPolish, { "Knots", "Węzły" }, 1, "Węzły", "Drugi");
    // Only a single space falls back; an empty title is shown empty.
    row("polish empty", LangPolish, { "Knots", "" }, 0, "", "Pierwszy");
    row("polish space", LangPolish, { "Knots", " " }, 0, "Knots", "Pierwszy");
    row("first other slot", LangEnglish, { " ", " ", " ", "Nós", "Knoten", "" }, 1, "Nós", "Second");
    row("no name", LangPolish, { " ", " ", " ", " ", " ", " " }, 1, "<no name>", "Drugi");
    // The third title slot holds the Chinese title, not a German one.
    row("german reads the english title", LangGerman, { "Knots", "Węzły", "结" }, 1, "Knots", "Zweite");
    row("italian reads slot 0", LangItalian, { "Knots", "Nodi", "Nodi", "Nodi" }, 0, "Knots", "First");
    row("description past the end", LangPolish, { "Knots", "Węzły" }, 2, "Węzły", "index error");
    row("description before the start", LangEnglish, { "Knots" }, -1, "Knots", "index error");
    row("empty description in English", LangSpanish, { "Knots" }, 1, "Knots", "Second");
}

void ScenarioTest::displayLanguage()
{
    QFETCH(Language, language);
    QFETCH(QStringList, titles);
    QFETCH(int, resource);
    QFETCH(QString, title);
    QFETCH(QString, description);

    ClientSessionInfo::langEnum = language;
    Scenario scenario;
    scenario.SetHeader("author", texts(titles), 4);
    // Six slots for each of two resources.
    scenario.descriptions
        = QStringList { "First", "Pierwszy", "Erste", "", "", "", "Second", "Drugi", "Zweite", "", "", "" };
    QCOMPARE(scenario.GetTitle(), title);
    QCOMPARE(scenario.GetDescription(resource), description);
}

void ScenarioTest::authorLogo()
{
    const auto picture
        = [](const QPixmap &pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_ARGB32); };
    Scenario scenario;
    // Only the maker's exact name shows the maker's logo.
    scenario.author = QStringLiteral("Kavrin Training");
    QCOMPARE(picture(scenario.GetAuthorLogo()), picture(QPixmap(":/graphics/common_icons/kavrin_icon.png")));
    scenario.author = QStringLiteral("Kavrin Training ");
    QCOMPARE(picture(scenario.GetAuthorLogo()), picture(QPixmap(":/graphics/common_icons/user_icon.png")));
}

void ScenarioTest::builtInExercises_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<double>("rightPathMm");
    QTest::addColumn<double>("leftIdleSeconds");
    QTest::newRow("peg transfer") << 1 << "Peg transfer" << 48 << 1450.0 << 10.0;
    QTest::newRow("precision cutting") << 2 << "Precision cutting" << 98 << 1950.0 << 49.0;
    QTest::newRow("ligating loop") << 3 << "Ligating loop" << 53 << 1050.0 << 27.0;
    QTest::newRow("intracorporeal knot") << 4 << "Intracorporeal knot" << 112 << 2250.0 << 22.0;
}

void ScenarioTest::builtInExercises()
{
    QFETCH(int, id);
    QFETCH(QString, title);
    QFETCH(int, seconds);
    QFETCH(double, rightPathMm);
    QFETCH(double, leftIdleSeconds);

    const QVector<Scenario> exercises = ExerciseCatalogue::load(QString());
    QCOMPARE(exercises.size(), 4);
    const Scenario &exercise = exercises.at(id - 1);
    QCOMPARE(exercise.GetTitle(), title);
    QVERIFY(!exercise.title[SlotChinese].isEmpty());
    QVERIFY(QImage(exercise.cartridgePicturePath).height() >= 96);
    const ExerciseTargets targets = exerciseTargets(exercise);
    QCOMPARE(targets.seconds, seconds);
    QCOMPARE(targets.pathLengthMm[InstrumentRight], rightPathMm);
    QCOMPARE(targets.idleSeconds[InstrumentLeft], leftIdleSeconds);
    // Each display language has texts of its own; the others read English.
    const QStringList english { exercise.GetDescription(0), exercise.GetSubtitleLine() };
    for (const Language language : { LangPolish, LangGerman, LangRussian, LangSpanish, LangFrench }) {
        ClientSessionInfo::langEnum = language;
        QVERIFY(exercise.GetDescription(0) != english[0] && exercise.GetSubtitleLine() != english[1]);
    }
    ClientSessionInfo::langEnum = LangItalian;
    QCOMPARE((QStringList { exercise.GetDescription(0), exercise.GetSubtitleLine() }), english);
}

void ScenarioTest::labExercises()
{
    const QString folder = DataLocation(dir.path() + QLatin1Char('/')).scenariosFolder();
    QVERIFY(QDir().mkpath(folder));
    const QString lab = QDir(dir.path()).relativeFilePath(folder) + QLatin1Char('/');
    // Damaged files, and one taking a built-in's id, are skipped and named.
    const std::pair<QString, QByteArray> skipped[] {
        { "a.xml (not well-formed)", "<s><id>7</id><english>Broken</english><<bad>></s>" },
        { "b.xml (its id is taken)", "<s><id>1</id><english>Our pegs</english></s>" },
        { "c.xml (no id)", "<s><english>Numberless</english></s>" },
        { "d.xml (no English title)", "<s><id>11</id><polish>Bez nazwy</polish></s>" },
    };
    for (const auto &[file, content] : skipped) {
        writeFile(lab + file.section(QLatin1Char(' '), 0, 0), content);
        QTest::ignoreMessage(QtWarningMsg, qPrintable("exercise file skipped: " + folder + file));
    }
    writeFile(lab + "e.xml", "<s><id>9</id><english>Suturing</english><picture>field.png</picture></s>");

    const QVector<Scenario> exercises = ExerciseCatalogue::load(folder);
    QCOMPARE(exercises.size(), 5);
    QCOMPARE(exercises.last().GetTitle(), QStringLiteral("Suturing"));
    QCOMPARE(exercises.last().number, 9);
    QCOMPARE(exercises.last().cartridgePicturePath, folder + "field.png");
}

QTEST_MAIN(ScenarioTest)
#include "tst_scenario.moc"
