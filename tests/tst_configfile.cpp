#include <QtTest>

#include "storage/configfile.h"
#include "storage/xmlparser.h"
#include "storage/xmlwriter.h"

// Reading and rewriting the configuration file, including files that are
// damaged or foreign: never a crash, and always the documented outcome.
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
    void repairDamagedFile_data();
    void repairDamagedFile();

private:
    void writeConfig(const QByteArray &content) const;
    QByteArray readAll() const;

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

QByteArray config(const QByteArray &language, const QByteArray &location, const QByteArray &camera,
    const QByteArray &more = {})
{
    return "<application_params>\n <language>" + language + "</language>\n <recordingPath>" + location
        + "</recordingPath>\n <selected_camera>" + camera + "</selected_camera>\n" + more
        + "</application_params>\n";
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
    QDir(path).removeRecursively();
}

void ConfigFileTest::writeConfig(const QByteArray &content) const
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

QByteArray ConfigFileTest::readAll() const
{
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile source(path);
    return source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
}

void ConfigFileTest::readValues_data()
{
    QTest::addColumn<QByteArray>("content");
    // The data location, language and camera name after reading.
    QTest::addColumn<QStringList>("expected");
    // The practice field's width; -1 for none.
    QTest::addColumn<double>("fieldWidth");
    const auto row = [](const char *tag, const QByteArray &content, const QStringList &expected,
                         double fieldWidth = -1) { QTest::newRow(tag) << content << expected << fieldWidth; };

    const QStringList old { "old location", "old language", "old camera" };
    row("default", defaultConfig(), { "/home", "en", "HD USB Camera" });
    row("missing element", "<a><language>pl</language><recordingPath>/d</recordingPath></a>",
        { "/d", "pl", "old camera" });
    row("empty element", config("fr", "", "Cam"), { "old location", "fr", "Cam" });
    // A data location is kept as written, but for the white space around
    // it, and even without an ASCII letter; the other values are simplified
    // and need one.
    row("two spaces", config("en", "  /media/my  data\r\n ", "HD   USB\tCamera"),
        { "/media/my  data", "en", "HD USB Camera" });
    row("location without ASCII", config("en", "/Żółć/", "Cam"), { "/Żółć/", "en", "Cam" });
    row("language without ASCII", config("日本", "/d/", "カメラ"), { "/d/", "old language", "old camera" });
    row("white space only", config("en", " \r\n\t ", "Cam"), { "old location", "en", "Cam" });
    row("ampersand", config("en", "/R&amp;D/", "Cam"), { "/R&D/", "en", "Cam" });
    row("element name case", "<a><RecordingPath>/x</RecordingPath><Language>de</Language></a>", old);
    // Unknown elements do not change where text goes; the field width is
    // not one of them.
    row("text after unknown element", "<a><recordingPath>/data</recordingPath><note>see manual</note></a>",
        { "see manual", "old language", "old camera" });
    row("field width", config("en", "/d/", "Cam", "<field_width_mm> 312.5 </field_width_mm>"),
        { "/d/", "en", "Cam" }, 312.5);
    row("field width unknown", config("en", "/d/", "Cam", "<field_width_mm>0</field_width_mm>"),
        { "/d/", "en", "Cam" }, 0);
    row("negative field width", config("en", "/d/", "Cam", "<field_width_mm>-3</field_width_mm>"),
        { "/d/", "en", "Cam" });
    row("malformed",
        "<a><language>de</language><<bad>><selected_camera>C</selected_camera>"
        "<field_width_mm>3</field_width_mm>",
        { "old location", "de", "old camera" });
    row("binary garbage", QByteArray("\x00\xff<\x01>\x80", 6), old);
}

void ConfigFileTest::readValues()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, expected);
    QFETCH(double, fieldWidth);

    writeConfig(content);
    QStringList read { "old location", "old language", "old camera" };
    XMLParser().ParseParams(path, &read[0], &read[1], &read[2]);
    QCOMPARE(read, expected);
    QCOMPARE(readFieldWidthMm(path), fieldWidth < 0 ? std::nullopt : std::optional<double>(fieldWidth));
    QCOMPARE(QFile::permissions(path) & classBits, QFileDevice::ReadOwner);
}

void ConfigFileTest::changeElement_data()
{
    QTest::addColumn<QByteArray>("content");
    // The element to change and its new value.
    QTest::addColumn<QStringList>("change");
    QTest::addColumn<QByteArray>("expected");
    const auto row = [](const char *tag, const QByteArray &content, const QStringList &change,
                         const QByteArray &expected) { QTest::newRow(tag) << content << change << expected; };

    row("default file", defaultConfig(), { "recordingPath", "/data/my  files/" },
        config("en", "/data/my  files/", "HD USB Camera"));
    row("first of two", "<r><language>en</language><language>pl</language></r>", { "language", "fr" },
        "<r>\n <language>fr</language>\n <language>pl</language>\n</r>\n");
    row("nested", "<r><s><selected_camera>A</selected_camera></s></r>", { "selected_camera", "B & <C>" },
        "<r>\n <s>\n  <selected_camera>B &amp; &lt;C></selected_camera>\n </s>\n</r>\n");
    // No text to replace: the document is written back as it was.
    row("empty element", "<r>\r\n\t<selected_camera/>\r\n</r>", { "selected_camera", "Cam" },
        "<r>\n <selected_camera/>\n</r>\n");
    // Nothing written at all: the old bytes stay, line ends included.
    row("missing element", defaultConfig(), { "selected_camera_2", "x" }, defaultConfig());
    row("malformed", "<r><language>en</language>", { "language", "de" }, "<r><language>en</language>");
}

void ConfigFileTest::changeElement()
{
    QFETCH(QByteArray, content);
    QFETCH(QStringList, change);
    QFETCH(QByteArray, expected);

    writeConfig(content);
    // A file is rewritten exactly when its text changes or is re-indented.
    const bool rewritten = expected != content;
    XMLWriter().changeElement(path, change[0], change[1]);

    QCOMPARE(QFile::permissions(path) & classBits,
        rewritten ? QFileDevice::ReadOwner | QFileDevice::WriteOwner : QFileDevice::ReadOwner);
    QCOMPARE(readAll(), expected);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "config.xml" });
}

void ConfigFileTest::repairDamagedFile_data()
{
    // Null for no file at all.
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("kept");
    // A folder in the file's place: it exists but cannot be read, and must
    // neither be deleted nor written over.
    QTest::newRow("not readable") << QByteArray("folder") << false;

    const QByteArray good = config("de", "/data/", "Cam");
    QTest::newRow("usable") << good << true;
    // Only the names are looked for, anywhere in the document's text.
    QTest::newRow("names in any order")
        << QByteArray("<p>selected_camera recordingPath language</p>") << true;
    // The settings could never be written into it.
    QTest::newRow("names in text that is not XML")
        << QByteArray("selected_camera recordingPath language") << false;
    QTest::newRow("names in a cut-off document") << good.left(good.size() - 5) << false;
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("no camera") << QByteArray(good).replace("selected_camera", "camera") << false;
    QTest::newRow("names in other case") << QByteArray(good).replace("language", "Language") << false;
}

void ConfigFileTest::repairDamagedFile()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, kept);

    if (content == "folder") {
        QVERIFY(QDir().mkpath(path + "/kept"));
        QCOMPARE(repairConfigFile(path), ConfigRepair::Unreadable);
        QVERIFY(QFileInfo::exists(path + "/kept"));
        return;
    }
    if (!content.isNull())
        writeConfig(content);
    QCOMPARE(repairConfigFile(path), kept ? ConfigRepair::Kept : ConfigRepair::Replaced);
    QCOMPARE(QFile::permissions(path) & classBits, QFileDevice::WriteOwner);
    QCOMPARE(readAll(), kept ? content : defaultConfig());
}

QTEST_GUILESS_MAIN(ConfigFileTest)
#include "tst_configfile.moc"
