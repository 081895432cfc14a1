#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "storage/trainingmetricsfile.h"
#include "storage/trainingpathsfile.h"
#include "storage/trainingrecords.h"

Q_DECLARE_METATYPE(StoredStatus)

namespace {

// A measurement with every kind of value: a seen instrument with and one
// without the optional figures, and an instrument never seen.
TrainingMeasurement sampleMeasurement()
{
    TrainingMeasurement measurement;
    TrainingMetrics &metrics = measurement.metrics;
    metrics.durationSeconds = 0.1;
    metrics.pictureSize = QSize(1280, 720);
    metrics.unit = LengthUnit::Millimetres;
    metrics.millimetresPerPixel = 0.1953125;
    metrics.framesAnalysed = 3;
    metrics.framesDropped = 1;
    InstrumentMetrics &left = metrics.instruments[InstrumentLeft];
    left.seen = true;
    left.activeSeconds = 0.0667;
    left.idleSeconds = 0.0333;
    left.pathLength = 12.5;
    left.meanSpeed = 187.5;
    left.peakSpeed = 200.25;
    left.economy = 1.25;
    left.movementUnits = 1;
    left.workShare = 1.0;
    metrics.instruments[InstrumentRight].offScreenSeconds = 0.1;
    const double times[] = { 0, 0.033, 0.067 };
    for (const double seconds : times) {
        measurement.paths[InstrumentLeft].append({ seconds, QPointF(100 + 1000 * seconds, 200.25) });
        measurement.paths[InstrumentRight].append({ seconds, std::nullopt });
    }
    return measurement;
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(text), text.size());
}

} // namespace

// The naming and listing rules of recorded trainings and the files of their
// tracking, on real files in a temporary folder.
class TrainingRecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void namesFollowTheStart();
    void companionPaths_data();
    void companionPaths();
    void listsTrainingsOldestFirst();
    void leavesOutWhatIsNoTraining_data();
    void leavesOutWhatIsNoTraining();
    void equalTimesComeInReverseNameOrder();
    void emptyOrMissingFolderListsNothing();
    void measurementReadsBackAsWritten();
    void damagedMeasurementReadsAsCorrupt_data();
    void damagedMeasurementReadsAsCorrupt();
    void learningCurveListsEveryTraining();

private:
    // A file of `bytes` bytes, last modified at `time`.
    QString makeFile(const QString &name, const QDateTime &time, int bytes = 100);
    QStringList listedNames() const;

    std::unique_ptr<QTemporaryDir> dir;
    QString folder;
};

void TrainingRecordsTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    folder = dir->path() + QLatin1Char('/');
}

QString TrainingRecordsTest::makeFile(const QString &name, const QDateTime &time, int bytes)
{
    const QString path = folder + name;
    QFile file(path);
    [&] {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(bytes, 'x'));
        // Written out first, or closing the file would stamp it anew.
        QVERIFY(file.flush());
        QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
    }();
    return path;
}

QStringList TrainingRecordsTest::listedNames() const
{
    QStringList names;
    for (const TrainingRecord &record : listTrainings(folder))
        names << QFileInfo(record.videoPath).fileName();
    return names;
}

void TrainingRecordsTest::namesFollowTheStart()
{
    // Hours run from 00 to 23, whatever the locale's clock.
    const QDateTime start(QDate(2024, 3, 7), QTime(14, 5, 9));
    QCOMPARE(trainingStamp(start), QStringLiteral("2024_03_07T14_05_09"));
    QCOMPARE(
        trainingStamp(QDateTime(QDate(2024, 12, 31), QTime(0, 0, 1))), QStringLiteral("2024_12_31T00_00_01"));
    const QString video = trainingVideoPath(QStringLiteral("/data/usr/"), trainingStamp(start));
    QCOMPARE(video, QStringLiteral("/data/usr/2024_03_07T14_05_09.mp4"));
    QCOMPARE(trainingPicturePath(video), QStringLiteral("/data/usr/2024_03_07T14_05_09mi.png"));
}

void TrainingRecordsTest::companionPaths_data()
{
    QTest::addColumn<QString>("video");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("metrics");
    QTest::addColumn<QString>("paths");
    QTest::newRow("plain") << "/r/a.mp4"
                           << "/r/ami.png"
                           << "/r/a.metrics.json"
                           << "/r/a.paths.csv";
    // Only the ending changes, never a folder that looks like a video.
    QTest::newRow("folder named like a video") << "/r/old.mp4s/a.mp4"
                                               << "/r/old.mp4s/ami.png"
                                               << "/r/old.mp4s/a.metrics.json"
                                               << "/r/old.mp4s/a.paths.csv";
    QTest::newRow("upper-case ending") << "/r/a.MP4"
                                       << "/r/ami.png"
                                       << "/r/a.metrics.json"
                                       << "/r/a.paths.csv";
}

void TrainingRecordsTest::companionPaths()
{
    QFETCH(QString, video);
    QFETCH(QString, picture);
    QFETCH(QString, metrics);
    QFETCH(QString, paths);
    QCOMPARE(trainingPicturePath(video), picture);
    QCOMPARE(trainingMetricsPath(video), metrics);
    QCOMPARE(trainingPathsPath(video), paths);
    QCOMPARE(trainingMeasurementPaths(video), (QStringList { metrics, paths }));
}

void TrainingRecordsTest::listsTrainingsOldestFirst()
{
    const QDate day(2024, 3, 7);
    // Created out of order: the modification times decide.
    makeFile("2024_03_07T12_00_00.mp4", QDateTime(day, QTime(12, 0)));
    makeFile("2024_03_07T10_00_00.mp4", QDateTime(day, QTime(10, 0)));
    makeFile("2024_03_07T11_00_00.mp4", QDateTime(day, QTime(11, 0)));
    makeFile("2024_03_07T10_00_00mi.png", QDateTime(day, QTime(10, 0, 3)));

    const QVector<TrainingRecord> records = listTrainings(folder);
    QCOMPARE(records.size(), 3);
    for (int i = 0; i < records.size(); ++i)
        QCOMPARE(records.at(i).id, i);
    QCOMPARE(records.at(0).dateText, QStringLiteral("2024-03-07 10:00:00"));
    QCOMPARE(records.at(1).dateText, QStringLiteral("2024-03-07 11:00:00"));
    QCOMPARE(records.at(2).dateText, QStringLiteral("2024-03-07 12:00:00"));
    // Absolute and clean, though the folder was given with its "/".
    QCOMPARE(records.at(0).videoPath, QDir::cleanPath(folder + "2024_03_07T10_00_00.mp4"));
    QCOMPARE(records.at(0).picturePath, QDir::cleanPath(folder + "2024_03_07T10_00_00mi.png"));
}

void TrainingRecordsTest::leavesOutWhatIsNoTraining_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("bytes");
    QTest::addColumn<bool>("listed");
    QTest::newRow("a training") << "2024_03_07T14_05_09.mp4" << 11 << true;
    QTest::newRow("no T") << "notes.mp4" << 100 << false;
    QTest::newRow("two T") << "2024_03_07T14_05_09T2.mp4" << 100 << false;
    QTest::newRow("10 bytes") << "2024_03_07T14_05_10.mp4" << 10 << false;
    QTest::newRow("not a video") << "2024_03_07T14_05_11.avi" << 100 << false;
    QTest::newRow("lower-case t only") << "2024_03_07t14_05_12.mp4" << 100 << false;
    // The base name ends at the first dot.
    QTest::newRow("dot before the T") << "2024.03.07T14_05_13.mp4" << 100 << false;
    QTest::newRow("a tracking's metrics") << "2024_03_07T14_05_14.metrics.json" << 100 << false;
    QTest::newRow("a tracking's paths") << "2024_03_07T14_05_15.paths.csv" << 100 << false;
}

void TrainingRecordsTest::leavesOutWhatIsNoTraining()
{
    QFETCH(QString, name);
    QFETCH(int, bytes);
    QFETCH(bool, listed);
    makeFile(name, QDateTime::currentDateTime(), bytes);
    QCOMPARE(listedNames(), listed ? QStringList { name } : QStringList());
}

void TrainingRecordsTest::equalTimesComeInReverseNameOrder()
{
    const QDateTime time(QDate(2024, 3, 7), QTime(9, 0));
    makeFile("2024_03_07T09_00_00.mp4", time);
    makeFile("2024_03_07T09_00_01.mp4", time);
    makeFile("2024_03_07T08_00_00.mp4", time.addSecs(-3600));
    QCOMPARE(listedNames(),
        (QStringList { "2024_03_07T08_00_00.mp4", "2024_03_07T09_00_01.mp4", "2024_03_07T09_00_00.mp4" }));
}

void TrainingRecordsTest::emptyOrMissingFolderListsNothing()
{
    QVERIFY(listTrainings(folder).isEmpty());
    QVERIFY(listTrainings(folder + QStringLiteral("missing/")).isEmpty());
    QVERIFY(QDir(folder).mkdir(QStringLiteral("2024_03_07T14_05_09.mp4")));
    QVERIFY(listTrainings(folder).isEmpty());
}

void TrainingRecordsTest::measurementReadsBackAsWritten()
{
    const QString video = folder + "2024_03_07T14_05_09.mp4";
    const TrainingMeasurement written = sampleMeasurement();
    QVERIFY(writeTrainingMeasurement(video, written));

    const StoredMetrics stored = readTrainingMetrics(video);
    QCOMPARE(stored.status, StoredStatus::Present);
    const TrainingMetrics &read = stored.metrics;
    const TrainingMetrics &expected = written.metrics;
    QCOMPARE(read.durationSeconds, expected.durationSeconds);
    QCOMPARE(read.pictureSize, expected.pictureSize);
    QCOMPARE(read.unit, expected.unit);
    QCOMPARE(read.millimetresPerPixel, expected.millimetresPerPixel);
    QCOMPARE(read.framesAnalysed, expected.framesAnalysed);
    QCOMPARE(read.framesDropped, expected.framesDropped);
    for (std::size_t i = 0; i < read.instruments.size(); ++i) {
        const InstrumentMetrics &a = read.instruments[i];
        const InstrumentMetrics &b = expected.instruments[i];
        QCOMPARE(a.seen, b.seen);
        QCOMPARE(a.activeSeconds, b.activeSeconds);
        QCOMPARE(a.idleSeconds, b.idleSeconds);
        QCOMPARE(a.offScreenSeconds, b.offScreenSeconds);
        QCOMPARE(a.pathLength, b.pathLength);
        QCOMPARE(a.meanSpeed, b.meanSpeed);
        QCOMPARE(a.peakSpeed, b.peakSpeed);
        QCOMPARE(a.economy, b.economy);
        QCOMPARE(a.movementUnits, b.movementUnits);
        QCOMPARE(a.workShare, b.workShare);
    }
    // The never-seen instrument is stored as such, without figures that
    // could pass for results.
    QVERIFY(!contentsOf(trainingMetricsPath(video)).contains("\"path_length\": 0"));

    const StoredPaths paths = readTrainingPaths(video);
    QCOMPARE(paths.status, StoredStatus::Present);
    for (std::size_t i = 0; i < paths.paths.size(); ++i) {
        QCOMPARE(paths.paths[i].size(), written.paths[i].size());
        for (int row = 0; row < paths.paths[i].size(); ++row) {
            QCOMPARE(paths.paths[i].at(row).seconds, written.paths[i].at(row).seconds);
            QCOMPARE(paths.paths[i].at(row).position, written.paths[i].at(row).position);
        }
    }
    // Nothing but the two files, none of them half-written.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
        (QStringList { "2024_03_07T14_05_09.metrics.json", "2024_03_07T14_05_09.paths.csv" }));
}

void TrainingRecordsTest::damagedMeasurementReadsAsCorrupt_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<bool>("inPaths");
    QTest::addColumn<StoredStatus>("status");
    // Each row edits the text of a good file; an empty "to" with an empty
    // "from" removes it, with a "from" cuts the file there.
    QTest::newRow("metrics removed") << QByteArray() << QByteArray() << false << StoredStatus::Absent;
    QTest::newRow("paths removed") << QByteArray() << QByteArray() << true << StoredStatus::Absent;
    QTest::newRow("metrics cut short")
        << QByteArray("\"instruments\"") << QByteArray() << false << StoredStatus::Corrupt;
    QTest::newRow("not JSON") << QByteArray("{") << QByteArray("<") << false << StoredStatus::Corrupt;
    QTest::newRow("a later version") << QByteArray("\"version\": 1") << QByteArray("\"version\": 2") << false
                                     << StoredStatus::Corrupt;
    QTest::newRow("a figure missing")
        << QByteArray("\"peak_speed\"") << QByteArray("\"peak\"") << false << StoredStatus::Corrupt;
    QTest::newRow("a figure of the wrong type")
        << QByteArray("\"seen\": true") << QByteArray("\"seen\": 1") << false << StoredStatus::Corrupt;
    QTest::newRow("a negative time") << QByteArray("\"duration_s\": ") << QByteArray("\"duration_s\": -")
                                     << false << StoredStatus::Corrupt;
    QTest::newRow("an unknown unit") << QByteArray("\"mm\"") << QByteArray("\"in\"") << false
                                     << StoredStatus::Corrupt;
    QTest::newRow("paths cut short") << QByteArray("167.00") << QByteArray() << true << StoredStatus::Corrupt;
    QTest::newRow("paths with a word")
        << QByteArray("200.25") << QByteArray("many") << true << StoredStatus::Corrupt;
}

void TrainingRecordsTest::damagedMeasurementReadsAsCorrupt()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(bool, inPaths);
    QFETCH(StoredStatus, status);
    const QString video = folder + "2024_03_07T14_05_09.mp4";
    QVERIFY(writeTrainingMeasurement(video, sampleMeasurement()));
    const QString damaged = inPaths ? trainingPathsPath(video) : trainingMetricsPath(video);
    QByteArray text = contentsOf(damaged);
    if (from.isEmpty()) {
        QVERIFY(QFile::remove(damaged));
    } else {
        QVERIFY2(text.contains(from), text.constData());
        if (to.isEmpty())
            text.truncate(text.indexOf(from));
        else
            text.replace(from, to);
        writeText(damaged, text);
    }
    QCOMPARE(inPaths ? readTrainingPaths(video).status : readTrainingMetrics(video).status, status);
    // The other file still reads.
    QCOMPARE(
        inPaths ? readTrainingMetrics(video).status : readTrainingPaths(video).status, StoredStatus::Present);
}

void TrainingRecordsTest::learningCurveListsEveryTraining()
{
    const QDate day(2024, 3, 7);
    const QString measured = makeFile("2024_03_07T10_00_00.mp4", QDateTime(day, QTime(10, 0)));
    makeFile("2024_03_07T11_00_00.mp4", QDateTime(day, QTime(11, 0)));
    const QString damaged = makeFile("2024_03_07T12_00_00.mp4", QDateTime(day, QTime(12, 0)));
    QVERIFY(writeTrainingMeasurement(measured, sampleMeasurement()));
    writeText(trainingMetricsPath(damaged), "{}");

    const QVector<TrainingWithMetrics> curve = listTrainingMetrics(folder);
    QCOMPARE(curve.size(), 3);
    QCOMPARE(curve.at(0).record.videoPath, QDir::cleanPath(measured));
    QCOMPARE(curve.at(0).stored.status, StoredStatus::Present);
    QCOMPARE(curve.at(0).stored.metrics.instruments[InstrumentLeft].pathLength, 12.5);
    QCOMPARE(curve.at(1).stored.status, StoredStatus::Absent);
    QCOMPARE(curve.at(2).stored.status, StoredStatus::Corrupt);

    // A training in which no frame came to be analysed is measured too.
    QVERIFY(writeTrainingMeasurement(damaged, TrainingMeasurement()));
    QCOMPARE(readTrainingMetrics(damaged).status, StoredStatus::Present);
}

QTEST_GUILESS_MAIN(TrainingRecordsTest)
#include "tst_trainingrecords.moc"
