#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "storage/configfile.h"
#include "storage/xmlparser.h"
#include "storage/xmlwriter.h"

// Reading and rewriting the configuration file, including files that are
// damaged, foreign or huge: never a crash, and always the documented outcome.
class ConfigFileTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void readValues_data();
    void readValues();
    void changeElement_data();
    void changeElement();
    void writerOnMissingFile();
    void locationRoundTrip_data();
    void locationRoundTrip();
    void repairDamagedFile_data();
    void repairDamagedFile();
    void fieldWidth_data();
    void fieldWidth();

private:
    QString writeConfig(const QByteArray &content) const;
    QByteArray readAll(const QString &path) const;

    QTemporaryDir dir;
    QString path;
};

namespace {

constexpr QFileDevice::Permissions classBits = QFileDevice::ReadOwner | QFileDevice::WriteOwner
    | QFileDevice::ExeOwner | QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ExeGroup
    | QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;

QByteArray defaultConfig()
{
    QFile resource(":/config.xml");
    return resource.open(QIODevice::ReadOnly) ? resource.readAll() : QByteArray();
}

QByteArray config(const QByteArray &language, const QByteArray &location, const QByteArray &camera)
{
    return "<application_params>\n <language>" + language + "</language>\n <recordingPath>" + location
        + "</recordingPath>\n <selected_camera>" + camera + "</selected_camera>\n</application_params>\n";
}

} // namespace

void ConfigFileTest::initTestCase()
{
    // The default file is a resource of the storage library, which registers
    // it only when it first copies it.
    Q_INIT_RESOURCE(storage);
    QVERIFY(defaultConfig().contains("<selected_camera>"));
}

void ConfigFileTest::init()
{
    QVERIFY(dir.isValid());
    path = dir.filePath("config.xml");
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::remove(path);
}

QString ConfigFileTest::writeConfig(const QByteArray &content) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        return QString();
    return path;
}

QByteArray ConfigFileTest::readAll(const QString &file) const
{
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile source(file);
    return source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
}

void ConfigFileTest::readValues_data()
{
    QTest::addColumn<QByteArray>("content");
    // The data location, language and camera name after reading.
    QTest::addColumn<QStringList>("expected");

    const QStringList old { "old location", "old language", "old camera" };
    QTest::newRow("default") << defaultConfig() << QStringList { "/home", "en", "HD USB Camera" };
    QTest::newRow("any order") << QByteArray(
        "<a><selected_camera>Cam</selected_camera><language>de</language>"
        "<recordingPath>/data/</recordingPath></a>")
                               << QStringList { "/data/", "de", "Cam" };
    QTest::newRow("missing element") << QByteArray(
        "<a><language>pl</language><recordingPath>/d</recordingPath></a>")
                                     << QStringList { "/d", "pl", "old camera" };
    QTest::newRow("empty element") << config("fr", "", "Cam") << QStringList { "old location", "fr", "Cam" };
    // A data location is kept as written, but for the white space around
    // it; the other values are simplified.
    QTest::newRow("two spaces") << config("en", "  /media/my  data\r\n ", "HD   USB\tCamera")
                                << QStringList { "/media/my  data", "en", "HD USB Camera" };
    QTest::newRow("no ASCII letter") << config("en", "/Żółć/", "Cam")
                                     << QStringList { "/Żółć/", "en", "Cam" };
    QTest::newRow("ampersand") << config("en", "/R&amp;D/", "Cam") << QStringList { "/R&D/", "en", "Cam" };
    QTest::newRow("white space only")
        << config("en", " \r\n\t ", "Cam") << QStringList { "old location", "en", "Cam" };
    QTest::newRow("language without ASCII")
        << config("日本", "/d/", "カメラ") << QStringList { "/d/", "old language", "old camera" };
    QTest::newRow("element name case")
        << QByteArray("<a><RecordingPath>/x</RecordingPath><Language>de</Language></a>") << old;
    // Unknown elements do not change where text goes.
    QTest::newRow("text after unknown element")
        << QByteArray("<a><recordingPath>/data</recordingPath><note>see manual</note></a>")
        << QStringList { "see manual", "old language", "old camera" };
    QTest::newRow("malformed") << QByteArray("<a><language>de</language><recordingPath>/data</recordingPath>"
                                             "<<<bad>><selected_camera>Cam</selected_camera></a>")
                               << QStringList { "/data", "de", "old camera" };
    QTest::newRow("empty file") << QByteArray() << old;
    QTest::newRow("binary garbage") << QByteArray("\x00\xff<\x01>\x80", 6) << old;
}

void ConfigFileTest::readValues()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, expected);

    QVERIFY(!writeConfig(content).isEmpty());
    QStringList read { "old location", "old language", "old camera" };
    XMLParser parser;
    parser.ParseParams(path, &read[0], &read[1], &read[2]);
    QCOMPARE(read, expected);
    QCOMPARE(QFile::permissions(path) & classBits, QFileDevice::ReadOwner);
}

void ConfigFileTest::changeElement_data()
{
    QTest::addColumn<QByteArray>("content");
    // The element to change and its new value.
    QTest::addColumn<QStringList>("change");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("default file") << defaultConfig() << QStringList { "language", "de" }
                                  << config("de", "/home", "HD USB Camera");
    QTest::newRow("order kept") << QByteArray("<application_params><selected_camera>A</selected_camera>"
                                              "<recordingPath>/x</recordingPath><language>en</language>"
                                              "</application_params>")
                                << QStringList { "recordingPath", "/data/my  files/" }
                                << QByteArray("<application_params>\n <selected_camera>A</selected_camera>\n"
                                              " <recordingPath>/data/my  files/</recordingPath>\n"
                                              " <language>en</language>\n</application_params>\n");
    QTest::newRow("first of two") << QByteArray("<r><language>en</language><language>pl</language></r>")
                                  << QStringList { "language", "fr" }
                                  << QByteArray(
                                         "<r>\n <language>fr</language>\n <language>pl</language>\n</r>\n");
    QTest::newRow("nested") << QByteArray("<r><s><selected_camera>A</selected_camera></s></r>")
                            << QStringList { "selected_camera", "B & <C>" }
                            << QByteArray("<r>\n <s>\n  <selected_camera>B &amp; &lt;C></selected_camera>\n"
                                          " </s>\n</r>\n");
    // No text to replace: the document is written back as it was.
    QTest::newRow("empty element") << QByteArray("<r>\r\n\t<selected_camera/>\r\n</r>")
                                   << QStringList { "selected_camera", "Cam" }
                                   << QByteArray("<r>\n <selected_camera/>\n</r>\n");
    // Nothing written at all: the old bytes stay, line ends included.
    QTest::newRow("missing element") << defaultConfig() << QStringList { "selected_camera_2", "x" }
                                     << defaultConfig();
    QTest::newRow("malformed") << QByteArray("<r><language>en</language>") << QStringList { "language", "de" }
                               << QByteArray("<r><language>en</language>");
}

void ConfigFileTest::changeElement()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, change);
    QFETCH(QByteArray, expected);

    QVERIFY(!writeConfig(content).isEmpty());
    // A file is rewritten exactly when its text changes or is re-indented.
    const bool rewritten = expected != content;
    XMLWriter().changeElement(path, change[0], change[1]);

    QCOMPARE(QFile::permissions(path) & classBits,
        rewritten ? QFileDevice::ReadOwner | QFileDevice::WriteOwner : QFileDevice::ReadOwner);
    QCOMPARE(readAll(path), expected);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "config.xml" });
}

void ConfigFileTest::writerOnMissingFile()
{
    XMLWriter().WriteCamera(path, "Cam");
    QVERIFY(!QFile::exists(path));
}

void ConfigFileTest::locationRoundTrip_data()
{
    QTest::addColumn<QString>("location");
    QTest::newRow("two spaces") << "/data/my  files/";
    QTest::newRow("Chinese") << "/home/李明/训练/";
    QTest::newRow("markup characters") << "/data/R&D <new>/";
    QTest::newRow("Windows separators") << "D:\\Trainings\\";
}

void ConfigFileTest::locationRoundTrip()
{
    QFETCH(QString, location);
    QVERIFY(!writeConfig(defaultConfig()).isEmpty());
    XMLWriter writer;
    writer.WriteLocation(path, location);
    writer.WriteLanguage(path, "pl");
    writer.WriteCamera(path, "Cam\tTwo");
    QString read;
    QString language;
    QString camera;
    XMLParser().ParseParams(path, &read, &language, &camera);
    QCOMPARE(read, location);
    QCOMPARE(language, QString("pl"));
    QCOMPARE(camera, QString("Cam Two"));
}

void ConfigFileTest::repairDamagedFile_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("kept");

    const QByteArray good = config("de", "/data/", "Cam");
    QTest::newRow("usable") << true << good << true;
    // Only the names are looked for, anywhere in the document's text.
    QTest::newRow("names in any order")
        << true << QByteArray("<p>selected_camera recordingPath language</p>") << true;
    // The settings could never be written into it.
    QTest::newRow("names in text that is not XML")
        << true << QByteArray("selected_camera recordingPath language") << false;
    QTest::newRow("names in a cut-off document") << true << good.left(good.size() - 5) << false;
    QTest::newRow("missing") << false << QByteArray() << false;
    QTest::newRow("no camera") << true << QByteArray(good).replace("selected_camera", "camera") << false;
    QTest::newRow("names in other case") << true << QByteArray(good).replace("language", "Language") << false;
}

void ConfigFileTest::repairDamagedFile()
{
    QFETCH(bool, exists);
    QFETCH(QByteArray, content);
    QFETCH(bool, kept);

    if (exists)
        QVERIFY(!writeConfig(content).isEmpty());
    QCOMPARE(repairConfigFile(path), kept);
    QCOMPARE(QFile::permissions(path) & classBits, QFileDevice::WriteOwner);
    QCOMPARE(readAll(path), kept ? content : defaultConfig());
}

void ConfigFileTest::fieldWidth_data()
{
    QTest::addColumn<QByteArray>("element");
    // -1: none given.
    QTest::addColumn<double>("width");
    QTest::newRow("none") << QByteArray() << -1.0;
    QTest::newRow("measured") << QByteArray("<field_width_mm> 312.5 </field_width_mm>") << 312.5;
    QTest::newRow("unknown field") << QByteArray("<field_width_mm>0</field_width_mm>") << 0.0;
    QTest::newRow("negative") << QByteArray("<field_width_mm>-3</field_width_mm>") << -1.0;
    QTest::newRow("malformed before it") << QByteArray("<x></y><field_width_mm>300</field_width_mm>") << -1.0;
}

void ConfigFileTest::fieldWidth()
{
    QFETCH(QByteArray, element);
    QFETCH(double, width);
    QByteArray content = config("en", "/data/", "Virtual Camera");
    content.insert(content.indexOf("</application_params>"), element);
    const QString file = writeConfig(content);
    const std::optional<double> read = readFieldWidthMm(file);
    QCOMPARE(read.has_value(), width >= 0);
    if (read)
        QCOMPARE(*read, width);
    // The other values read as before.
    QString location;
    QString language;
    QString camera;
    XMLParser().ParseParams(file, &location, &language, &camera);
    QCOMPARE(camera, QStringLiteral("Virtual Camera"));
}

QTEST_GUILESS_MAIN(ConfigFileTest)
#include "tst_configfile.moc"
