#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "catalogue/scenario.h"
#include "catalogue/scenarioresource.h"
#include "core/clientsessioninfo.h"
#include "stderrcapture.h"

namespace {

constexpr auto kLimitsError = "error when parsing offline scenario limits\n";
constexpr int kUnread = -5;

LanguageTexts texts(const QStringList &list)
{
    LanguageTexts result;
    for (int slot = 0; slot < kLanguageSlots && slot < list.size(); ++slot)
        result[slot] = list.at(slot);
    return result;
}

QStringList list(const LanguageTexts &texts)
{
    return QStringList(texts.cbegin(), texts.cend());
}

QStringList inEverySlot(const QString &text)
{
    QStringList result;
    for (int slot = 0; slot < kLanguageSlots; ++slot)
        result << text;
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
        { "portuguese", scenario.title[SlotPortuguese] },
        { "allowed_tools", scenario.tools.join(QLatin1Char('|')) },
        { "resources", scenario.resources.join(QLatin1Char('|')) },
        { "cartidge", scenario.cartridgeDescription },
        { "symmetric", scenario.isTrainingSymmetric() },
        { "max_distance", joined(scenario.maxDistance) },
        { "max_fft", joined(scenario.maxFFT) },
        { "max_vel", joined(scenario.maxVel) },
        { "max_acc", joined(scenario.maxAcc) },
        { "max_eff_vel", joined(scenario.maxEffVel) },
        { "max_eff_cnt", joined(scenario.maxEffCnt) },
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

// Collects the debug lines of the default category while it lives.
class DebugLines
{
public:
    DebugLines()
    {
        lines().clear();
        previous = qInstallMessageHandler(collect);
    }
    ~DebugLines() { qInstallMessageHandler(previous); }
    static QStringList &lines()
    {
        static QStringList collected;
        return collected;
    }

private:
    static void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtDebugMsg && qstrcmp(context.category, "default") == 0)
            lines() << message;
    }
    QtMessageHandler previous;
};

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
    void readTwoFilesIntoOne();
    void brokenAndMissingFiles();
    void title_data();
    void title();
    void titleOfSlot_data();
    void titleOfSlot();
    void fullTitle();
    void fillMissingLanguages_data();
    void fillMissingLanguages();
    void resourceFillMissingLanguages();
    void indexedTexts_data();
    void indexedTexts();
    void lists();
    void authorLogo();
    void autoCheck_data();
    void autoCheck();

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
    // A name may also be a full path.
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
    QTest::addColumn<bool>("limitsError");

    QTest::newRow("number with spaces") << QByteArray("<difficulty> 3 </difficulty>") << "difficulty"
                                        << "3" << false;
    QTest::newRow("not a number") << QByteArray("<max_time>abc</max_time>") << "max_time"
                                  << "0" << false;
    QTest::newRow("id") << QByteArray("<id>\n  42\n</id>") << "id"
                        << "42" << false;
    QTest::newRow("max_vel in hundredths") << QByteArray("<max_vel>100,200,300,400</max_vel>") << "max_vel"
                                           << "1,2,3,4" << false;
    QTest::newRow("limits with spaces and fractions")
        << QByteArray("<max_acc> 1.5, 2 ,3,4e1 </max_acc>") << "max_acc"
        << "1.5,2,3,40" << false;
    QTest::newRow("empty and foreign parts are 0")
        << QByteArray("<max_eff_vel>1,,x,4</max_eff_vel>") << "max_eff_vel"
        << "1,0,0,4" << false;
    QTest::newRow("five parts") << QByteArray("<max_distance>1,2,3,4,5</max_distance>") << "max_distance"
                                << "1,2,3,4" << true;
    QTest::newRow("two parts") << QByteArray("<max_fft>7,8</max_fft>") << "max_fft"
                               << "7,8,0,0" << true;
    QTest::newRow("one part of max_vel") << QByteArray("<max_vel>250</max_vel>") << "max_vel"
                                         << "2.5,0,0,0" << true;
    QTest::newRow("no number") << QByteArray("<max_eff_cnt>none</max_eff_cnt>") << "max_eff_cnt"
                               << "0,0,0,0" << true;
    QTest::newRow("tools keep their spaces")
        << QByteArray("<allowed_tools>grasper, scissors</allowed_tools>") << "allowed_tools"
        << "grasper| scissors" << false;
    QTest::newRow("tools keep empty entries")
        << QByteArray("<allowed_tools>GRASPER,,NEEDLE_HOLDER,</allowed_tools>") << "allowed_tools"
        << "GRASPER||NEEDLE_HOLDER|" << false;
    QTest::newRow("resources") << QByteArray("<resources>movies, pictures</resources>") << "resources"
                               << "movies| pictures" << false;
    QTest::newRow("cartridge simplified") << QByteArray("<cartidge>  box\n one.txt </cartidge>") << "cartidge"
                                          << "box one.txt" << false;
    QTest::newRow("symmetric yes") << QByteArray("<symmetric> yes </symmetric>") << "symmetric"
                                   << "yes" << false;
    QTest::newRow("symmetric Yes") << QByteArray("<symmetric>Yes</symmetric>") << "symmetric"
                                   << "no" << false;
    QTest::newRow("author spaces kept") << QByteArray("<author>  Kavrin  Training </author>") << "author"
                                        << "  Kavrin  Training " << false;
    QTest::newRow("english simplified") << QByteArray("<english>  Basic\n   knots </english>") << "english"
                                        << "Basic knots" << false;
    QTest::newRow("polish") << QByteArray("<polish>Węzły chirurgiczne</polish>") << "polish"
                            << "Węzły chirurgiczne" << false;
    QTest::newRow("portuguese") << QByteArray("<portuguese> Nós </portuguese>") << "portuguese"
                                << "Nós" << false;
    QTest::newRow("chn marker") << QByteArray("<chinese>CHN缝合</chinese>") << "chinese"
                                << "缝合" << false;
    QTest::newRow("chn marker, spaces kept") << QByteArray("<chinese> cHn 缝合 chn</chinese>") << "chinese"
                                             << "  缝合 " << false;
    QTest::newRow("Chinese only") << QByteArray("<chinese>缝合</chinese>") << "chinese" << QString() << false;
    QTest::newRow("entity inside a title") << QByteArray("<english>Cut &amp; suture</english>") << "english"
                                           << "Cut & suture" << false;
    QTest::newRow("comment inside a title")
        << QByteArray("<english>Cut <!-- or tear --> and suture</english>") << "english"
        << "Cut and suture" << false;
    QTest::newRow("character data section inside limits")
        << QByteArray("<max_acc>1,2<![CDATA[,3,]]>4</max_acc>") << "max_acc"
        << "1,2,3,4" << false;
    QTest::newRow("text after an unknown element")
        << QByteArray("<english>Knots</english><note>see manual</note>") << "english"
        << "see manual" << false;
    QTest::newRow("text after the end tag") << QByteArray("<english>Knots</english>tail") << "english"
                                            << "tail" << false;
    QTest::newRow("name is read and ignored")
        << QByteArray("<english>Knots</english><name>Other</name>") << "english"
        << "Knots" << false;
    QTest::newRow("element names are case-sensitive")
        << QByteArray("<English>Knots</English><ID>9</ID>") << "english" << QString() << false;
    QTest::newRow("configuration element unknown") << QByteArray("<id>4</id><language>77</language>") << "id"
                                                   << "77" << false;
    QTest::newRow("attributes and nesting ignored")
        << QByteArray("<group kind='x'><id lang='pl'>5</id></group>") << "id"
        << "5" << false;
}

void ScenarioTest::readElement()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QFETCH(bool, limitsError);

    // The empty name element starts the file on a recognised element whose
    // text is ignored, whatever the row before left behind.
    const QString path = writeFile("scenario.xml", "<scenario><name/>" + body + "</scenario>");
    Scenario scenario = unreadScenario();
    StderrCapture errors;
    ClientSessionInfo::parser.ParseScenario(path, &scenario);
    QCOMPARE(errors.text(), QByteArray(limitsError ? kLimitsError : ""));
    QCOMPARE(field(scenario, name), expected);
    QCOMPARE(ClientSessionInfo::parser.GetOnlineScenario(), &scenario);
}

void ScenarioTest::readTwoFilesIntoOne()
{
    const QString first = writeFile("first.xml",
        "<s><id>1</id><english>Knots</english><allowed_tools>GRASPER</allowed_tools>"
        "<max_vel>100,100,100,100</max_vel></s>");
    const QString second
        = writeFile("second.xml", "<s><english>Sutures</english><difficulty>2</difficulty></s>");
    Scenario scenario = unreadScenario();
    ClientSessionInfo::parser.ParseScenario(first, &scenario);
    ClientSessionInfo::parser.ParseScenario(second, &scenario);
    QCOMPARE(scenario.id, 1);
    QCOMPARE(scenario.title[SlotEnglish], QStringLiteral("Sutures"));
    QCOMPARE(scenario.tools, QStringList { "GRASPER" });
    QCOMPARE(scenario.getStringListMaxVel(), QStringLiteral("100,100,100,100"));
    QCOMPARE(scenario.difficulty, 2);
    QCOMPARE(scenario.maxTime, kUnread);
}

void ScenarioTest::brokenAndMissingFiles()
{
    Scenario scenario = unreadScenario();
    const QString broken = writeFile("broken.xml", "<s><id>3</id><<bad>><difficulty>4</difficulty></s>");
    ClientSessionInfo::parser.ParseScenario(broken, &scenario);
    QCOMPARE(scenario.id, 3);
    QCOMPARE(scenario.difficulty, kUnread);

    ClientSessionInfo::parser.ParseScenario(dir.filePath("missing.xml"), &scenario);
    QCOMPARE(scenario.id, 3);

    // A text cut off by the end of a file goes nowhere, not even into the
    // next file's scenario.
    const QString cut = writeFile("cut.xml", "<s><english>Knots <!-- and --> sutures");
    ClientSessionInfo::parser.ParseScenario(cut, &scenario);
    Scenario next;
    ClientSessionInfo::parser.ParseScenario(writeFile("next.xml", "<s><id>4</id></s>"), &next);
    QCOMPARE(next.title[SlotEnglish], QString());
    QCOMPARE(next.id, 4);
}

void ScenarioTest::title_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QString>("expected");

    QTest::newRow("english") << LangEnglish << QStringList { "Knots", "Węzły" } << "Knots";
    QTest::newRow("polish") << LangPolish << QStringList { "Knots", "Węzły" } << "Węzły";
    // Only a single space falls back; an empty title is shown empty.
    QTest::newRow("polish empty") << LangPolish << QStringList { "Knots", "" } << "";
    QTest::newRow("polish space") << LangPolish << QStringList { "Knots", " " } << "Knots";
    QTest::newRow("first other slot")
        << LangEnglish << QStringList { " ", " ", " ", "Nós", "Knoten", "" } << "Nós";
    QTest::newRow("no name") << LangPolish << QStringList { " ", " ", " ", " ", " ", " " } << "<no name>";
    QTest::newRow("german reads slot 2")
        << LangGerman << QStringList { "Knots", "Węzły", "Knoten" } << "Knoten";
    QTest::newRow("french reads slot 5")
        << LangFrench << QStringList { "Knots", "", "", "", "", "Nœuds" } << "Nœuds";
    QTest::newRow("italian reads slot 0")
        << LangItalian << QStringList { "Knots", "Nodi", "Nodi", "Nodi", "Nodi", "Nodi" } << "Knots";
}

void ScenarioTest::title()
{
    QFETCH(Language, language);
    QFETCH(QStringList, titles);
    QFETCH(QString, expected);

    ClientSessionInfo::langEnum = language;
    Scenario scenario;
    scenario.SetHeader("author", texts(titles), 4);
    QCOMPARE(scenario.GetTitle(), expected);
    QCOMPARE(scenario.number, 4);
}

void ScenarioTest::titleOfSlot_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<QString>("expected");

    // Titles: "Knots", "", " ", "Nós", unset, unset.
    QTest::newRow("own title") << 3 << true << "Nós";
    QTest::newRow("empty, exact") << 1 << true << "";
    QTest::newRow("empty, falls back") << 1 << false << "Knots";
    QTest::newRow("space, exact") << 2 << true << " ";
    QTest::newRow("space, falls back") << 2 << false << "Knots";
    QTest::newRow("beyond the slots, exact") << 6 << true << "";
    QTest::newRow("before the slots") << -1 << false << "Knots";
}

void ScenarioTest::titleOfSlot()
{
    QFETCH(int, slot);
    QFETCH(bool, exact);
    QFETCH(QString, expected);

    Scenario scenario;
    scenario.title = texts({ "Knots", "", " ", "Nós" });
    QCOMPARE(scenario.GetTitle(slot, exact), expected);
}

void ScenarioTest::fullTitle()
{
    Scenario scenario;
    QCOMPARE(scenario.GetFullTitle(), QStringLiteral("(' ',' ',' ',' ',' ',' ')"));
    QCOMPARE(scenario.GetOldTitle(), QStringLiteral("(' ',' ',' ',' ',' ',' ')"));
    scenario.title = texts({ "Knots", "", "O'Brien" });
    scenario.SetOldTitle(texts({ "", "Węzły" }));
    QCOMPARE(scenario.GetFullTitle(), QStringLiteral("('Knots',' ','O'Brien',' ',' ',' ')"));
    QCOMPARE(scenario.GetOldTitle(), QStringLiteral("(' ','Węzły',' ',' ',' ',' ')"));
}

void ScenarioTest::fillMissingLanguages_data()
{
    QTest::addColumn<QStringList>("titles");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("slots 4 and 5 from slot 0") << QStringList { "Knots", "Węzły", "", "" }
                                               << QStringList { "Knots", "Węzły", "", "", "Knots", "Knots" };
    QTest::newRow("marked slots, any case")
        << QStringList { "no title IN this language", "Węzły", "x No title in this language x", "Nós" }
        << QStringList { "Węzły", "Węzły", "Węzły", "Nós", "Węzły", "Węzły" };
    QTest::newRow("all marked") << QStringList { "No title in this language", "No title in this language",
        "No title in this language", "No title in this language" }
                                << inEverySlot("No title in this language");
}

void ScenarioTest::fillMissingLanguages()
{
    QFETCH(QStringList, titles);
    QFETCH(QStringList, expected);

    Scenario scenario;
    scenario.title = texts(titles);
    scenario.fillMissingLanguages();
    QCOMPARE(list(scenario.title), expected);
}

void ScenarioTest::resourceFillMissingLanguages()
{
    const QString noTitle = QStringLiteral("No title in this language");
    const QString noDescription = QStringLiteral("no description in this language");

    // Slot 0 is the source while it has text; otherwise the last slot that
    // has.
    VideoResource video;
    video.title = texts({ "Movie", noTitle, "Film", noTitle, "", noTitle });
    video.description = texts({ noDescription, "Opis", "Beschreibung", noDescription, "", noDescription });
    video.AddSubtitle(0, 1, 2, texts({ "", "Cięcie", " ", "", "Schnitt", "" }));
    video.AddSubtitle(0, 3, 4, texts({ "Cut", "", "Corte", " \n", "", "" }));
    video.AddSubtitle(0, 5, 6, texts({}));
    video.fillMissingLanguages();

    QCOMPARE(list(video.title), (QStringList { "Movie", "Movie", "Film", "Movie", "", "Movie" }));
    QCOMPARE(list(video.description), (QStringList { "", "Opis", "Beschreibung", "", "", "" }));
    // Empty texts were stored as a space; blank ones take the source's text.
    QCOMPARE(list(video.subtitles.at(0).text),
        (QStringList { "Schnitt", "Cięcie", "Schnitt", "Schnitt", "Schnitt", "Schnitt" }));
    QCOMPARE(list(video.subtitles.at(1).text), (QStringList { "Cut", "Cut", "Corte", "Cut", "Cut", "Cut" }));
    QCOMPARE(list(video.subtitles.at(2).text), inEverySlot(" "));
    QCOMPARE(video.subtitles.at(1).param3, 4);
}

void ScenarioTest::indexedTexts_data()
{
    QTest::addColumn<Language>("language");
    QTest::addColumn<QString>("call");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QByteArray>("errors");

    // Two resources' descriptions; movie 0 with two subtitles, movies 1 and 3
    // with one each: three movie numbers in all.
    QTest::newRow("description") << LangEnglish << "description" << 1 << 0 << "Second" << QByteArray();
    QTest::newRow("description polish")
        << LangPolish << "description" << 0 << 0 << "Pierwszy" << QByteArray();
    QTest::newRow("description past the end")
        << LangPolish << "description" << 2 << 0 << "index error" << QByteArray();
    QTest::newRow("description before the start")
        << LangEnglish << "description" << -1 << 0 << "index error" << QByteArray();
    QTest::newRow("subtitle") << LangPolish << "subtitle" << 0 << 1 << "Szew" << QByteArray();
    QTest::newRow("subtitle falls back") << LangPolish << "subtitle" << 0 << 0 << "Knot" << QByteArray();
    QTest::newRow("subtitle all spaces")
        << LangEnglish << "subtitle" << 1 << 0 << "<no subtitle>" << QByteArray();
    QTest::newRow("movie past the keys") << LangEnglish << "subtitle" << 4 << 0 << "index error"
                                         << QByteArray("Current movie: 4 number of subtitles: 3\n");
    QTest::newRow("absent movie") << LangEnglish << "subtitle" << 2 << 1 << "index error"
                                  << QByteArray(
                                         "Current movie: 2 number of subtitles: 0 current subtitle: 1\n");
    QTest::newRow("subtitle past the end")
        << LangEnglish << "subtitle" << 0 << 2 << "index error"
        << QByteArray("Current movie: 0 number of subtitles: 2 current subtitle: 2\n");
    QTest::newRow("subtitle before the start")
        << LangEnglish << "subtitle" << 0 << -1 << "index error"
        << QByteArray("Current movie: 0 number of subtitles: 2 current subtitle: -1\n");
    QTest::newRow("video subtitle") << LangPolish << "video" << 1 << 0 << "Szew" << QByteArray();
    // Languages beyond the six slots read slot 0.
    QTest::newRow("video subtitle italian") << LangItalian << "video" << 1 << 0 << "Suture" << QByteArray();
    QTest::newRow("video subtitle past the end")
        << LangEnglish << "video" << 2 << 0 << "index error"
        << QByteArray(" number of subtitles: 2 current subtitle: 2\n");
}

void ScenarioTest::indexedTexts()
{
    QFETCH(Language, language);
    QFETCH(QString, call);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, expected);
    QFETCH(QByteArray, errors);

    Scenario scenario;
    scenario.descriptions
        = QStringList { "First", "Pierwszy", "", "", "", "", "Second", "Drugi", "", "", "", "" };
    scenario.AddSubtitle(0, 10, texts({ "Knot", "" }));
    scenario.AddSubtitle(0, 20, texts({ "Suture", "Szew" }));
    scenario.AddSubtitle(1, 30, texts({}));
    scenario.AddSubtitle(3, 40, texts({ "Loop" }));
    VideoResource video;
    video.AddSubtitle(0, 1, 2, texts({ "Knot", "Węzeł" }));
    video.AddSubtitle(0, 1, 2, texts({ "Suture", "Szew" }));
    ClientSessionInfo::langEnum = language;

    StderrCapture capture;
    QString result;
    if (call == QLatin1String("description"))
        result = scenario.GetDescription(first);
    else if (call == QLatin1String("subtitle"))
        result = scenario.GetSubtitle(first, second);
    else
        result = video.GetSubtitle(first);
    QCOMPARE(capture.text(), errors);
    QCOMPARE(result, expected);
    // Asking does not add movies.
    QCOMPARE(scenario.subtitles.keys(), (QList<int> { 0, 1, 3 }));
}

void ScenarioTest::lists()
{
    Scenario scenario;
    QCOMPARE(scenario.getStringListTools(), QString());
    QCOMPARE(scenario.getStringListResources(), QString());
    QCOMPARE(scenario.isTrainingSymmetric(), QStringLiteral("no"));

    scenario.SetTools({ "GRASPER", " scissors" });
    scenario.resourceFiles = QStringList { "/a/movie.mp4", "/a/picture.png" };
    scenario.maxDistance = { 1.5, 20, 1234567, 0.1 };
    scenario.maxVel = { 1.5, 2, 2.5, 3 };
    scenario.symmetric = true;
    QCOMPARE(scenario.getStringListTools(), QStringLiteral("GRASPER, scissors"));
    QCOMPARE(scenario.getStringListResources(), QStringLiteral("res0,res1"));
    QCOMPARE(scenario.getStringListMaxDistance(), QStringLiteral("1.5,20,1.23457e+06,0.1"));
    QCOMPARE(scenario.getStringListMaxVel(), QStringLiteral("150,200,250,300"));
    QCOMPARE(scenario.getStringListMaxFFT(), QStringLiteral("0,0,0,0"));
    QCOMPARE(scenario.isTrainingSymmetric(), QStringLiteral("yes"));
}

void ScenarioTest::authorLogo()
{
    const QImage maker
        = QImage(":/graphics/common_icons/kavrin_icon.png").convertToFormat(QImage::Format_ARGB32);
    const QImage other
        = QImage(":/graphics/common_icons/user_icon.png").convertToFormat(QImage::Format_ARGB32);
    QVERIFY(!maker.isNull() && maker != other);

    Scenario scenario;
    scenario.author = QStringLiteral("Kavrin Training");
    const auto logo
        = [&scenario] { return scenario.GetAuthorLogo().toImage().convertToFormat(QImage::Format_ARGB32); };
    QCOMPARE(logo(), maker);
    scenario.author = QStringLiteral("Kavrin Training ");
    QCOMPARE(logo(), other);
    QCOMPARE(scenario.authorLogo.toImage().convertToFormat(QImage::Format_ARGB32), other);
}

void ScenarioTest::autoCheck_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("sound") << "" << QStringList { "all tests passed" };
    QTest::newRow("tool in lower case") << "tools" << QStringList { "tools returned false" };
    QTest::newRow("no cartridge file") << "cartridge" << QStringList { "cartidge return false" };
    QTest::newRow("picture not a picture") << "picture name" << QStringList();
    QTest::newRow("no picture file") << "picture" << QStringList { "cartidge path return false" };
    QTest::newRow("no resource folder") << "resource" << QStringList { "resource files return false" };
    QTest::newRow("file neither picture nor video") << "file name" << QStringList();
    QTest::newRow("no resource file") << "file" << QStringList { "Resources return false" };
}

void ScenarioTest::autoCheck()
{
    QFETCH(QString, fault);
    QFETCH(QStringList, lines);

    // A scenario folder with every file it names, written with the other
    // separator.
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath("movies"));
    const QString picture = folder.filePath("cartridge.png");
    const QString movie = folder.filePath("movies/intro.mp4");
    for (const QString &file :
        { folder.filePath("cartridge.txt"), picture, movie, folder.filePath("notes.txt") })
        QVERIFY(!writeFile(file, "x").isEmpty());
    Scenario scenario;
    scenario.SetTools({ "GRASPER", "DISSECTOR", "SCISSORS", "NEEDLE_HOLDER" });
    scenario.scenarioPath = QString(folder.path()).replace('/', '\\');
    scenario.cartridgeDescription = QStringLiteral("cartridge.txt");
    scenario.cartridgePicturePath = picture;
    scenario.resources = QStringList { "movies" };
    scenario.resourceFiles = QStringList { picture, movie };

    if (fault == QLatin1String("tools"))
        scenario.tools << QStringLiteral("grasper");
    else if (fault == QLatin1String("cartridge"))
        scenario.cartridgeDescription = QStringLiteral("other.txt");
    else if (fault == QLatin1String("picture name"))
        scenario.cartridgePicturePath = folder.filePath("notes.txt");
    else if (fault == QLatin1String("picture"))
        scenario.cartridgePicturePath = folder.filePath("missing.png");
    else if (fault == QLatin1String("resource"))
        scenario.resources << QStringLiteral("pictures");
    else if (fault == QLatin1String("file name"))
        scenario.resourceFiles << folder.filePath("notes.txt");
    else if (fault == QLatin1String("file"))
        scenario.resourceFiles << folder.filePath("movies/missing.avi");

    DebugLines log;
    QCOMPARE(scenario.autoCheck(), fault.isEmpty());
    QCOMPARE(log.lines(), lines);
    // Only a check that got past the tools turned the separators.
    QCOMPARE(scenario.scenarioPath.contains('\\'), fault == QLatin1String("tools"));
}

QTEST_MAIN(ScenarioTest)
#include "tst_scenario.moc"
