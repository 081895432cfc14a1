#include <QtTest>

#include <sys/stat.h>

#include "storage/exercisetargets.h"
#include "storage/filemoves.h"
#include "storage/mp4timeline.h"
#include "storage/trainingmetricsfile.h"
#include "storage/trainingpathsfile.h"
#include "storage/trainingrecords.h"

Q_DECLARE_METATYPE(StoredStatus)

namespace {

constexpr auto kVideoName = "2024_03_07T14_05_09.mp4";

// A measurement with every kind of value: a seen instrument with and one
// without the optional figures, and an instrument never seen.
TrainingMeasurement sampleMeasurement()
{
    TrainingMeasurement measurement;
    InstrumentMetrics neverSeen;
    neverSeen.offScreenSeconds = 0.1;
    // Seen, active, idle and off-screen seconds, path length, mean and peak
    // speed, economy, movement units, normalised jerk, share of the work.
    const InstrumentMetrics seen { true, 0.0667, 0.0333, 0, 12.5, 187.5, 200.25, 1.25, 1, 6.75, 1.0 };
    measurement.metrics
        = { 0.1, QSize(1280, 720), LengthUnit::Millimetres, 0.1953125, 3, 1, { seen, neverSeen }, 42.5,
              TrainedExercise { 3, { 53, { 550, 1050 }, { 27, 11.5 } } } };
    for (const double seconds : { 0.0, 0.033, 0.067 }) {
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

} // namespace

// The naming and listing rules of recorded trainings and the files of their
// tracking, on real files in a temporary folder.
class TrainingRecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void listsTrainingsOldestFirst();
    void measurementReadsBackAsWritten();
    void damagedMeasurementReadsAsCorrupt_data();
    void damagedMeasurementReadsAsCorrupt();
    void finishedFilesTakeOnlyTheirOwnPlace();
    void mp4LengthNeverReadsNegative();
    void exercisePassedByTwoInARow_data();
    void exercisePassedByTwoInARow();

private:
    // A file of `bytes` bytes, last modified at `time`; 11 bytes is the
    // shortest video.
    void makeFile(const QString &name, const QDateTime &time, int bytes = 11);

    std::unique_ptr<QTemporaryDir> dir;
    QString folder;
};

void TrainingRecordsTest::init()
{
    dir = std::make_unique<QTemporaryDir>();
    QVERIFY(dir->isValid());
    folder = dir->path() + QLatin1Char('/');
}

void TrainingRecordsTest::makeFile(const QString &name, const QDateTime &time, int bytes)
{
    QFile file(folder + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(bytes, 'x'));
    // Written out first, or closing the file would stamp it anew.
    QVERIFY(file.flush());
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

void TrainingRecordsTest::listsTrainingsOldestFirst()
{
    // The folder's name looks like a video's; only the files' endings may
    // change in the paths made from a video's.
    folder += QStringLiteral("old.mp4s/");
    QVERIFY(QDir().mkpath(folder));
    // Named after their starts, whose hours run from 00 to 23 whatever the
    // locale's clock, and made out of order: the modification times decide,
    // and equal times come in reverse name order.
    const QDateTime two(QDate(2024, 3, 7), QTime(14, 0));
    for (const int start : { 0, 3600, -3600, 1 }) {
        const QString video = trainingVideoPath(folder, trainingStamp(two.addSecs(start)));
        makeFile(QFileInfo(video).fileName(), start == 1 ? two : two.addSecs(start));
    }
    makeFile("2024_03_07T13_00_00mi.png", two);
    // Beside them, what is no training: too short to be a video, misnamed,
    // another kind of file, a folder.
    makeFile("2024_03_07T16_00_00.mp4", two, 10);
    for (const char *name : { "notes.mp4", "2024_03_07T14_05_09T2.mp4", "2024_03_07t14_05_12.mp4",
             "2024_03_07T14_05_11.avi", "2024_03_07T14_05_14.metrics.json" })
        makeFile(name, two);
    QVERIFY(QDir(folder).mkdir("2024_03_07T17_00_00.mp4"));
    const QVector<TrainingRecord> records = listTrainings(folder);
    QStringList names;
    for (int i = 0; i < records.size(); ++i) {
        QCOMPARE(records.at(i).id, i);
        names << QFileInfo(records.at(i).videoPath).fileName();
    }
    QCOMPARE(names,
        (QStringList { "2024_03_07T13_00_00.mp4", "2024_03_07T14_00_01.mp4", "2024_03_07T14_00_00.mp4",
            "2024_03_07T15_00_00.mp4" }));
    QVERIFY(listTrainings(folder + "missing/").isEmpty());
    QCOMPARE(records.at(0).dateText, QStringLiteral("2024-03-07 13:00:00"));
    // Absolute and clean, though the folder was given with its "/".
    const QString stem = QDir::cleanPath(folder + "2024_03_07T13_00_00");
    QCOMPARE(records.at(0).videoPath, stem + ".mp4");
    QCOMPARE(records.at(0).picturePath, stem + "mi.png");
    QCOMPARE(trainingMeasurementPaths(stem + ".mp4"),
        (QStringList { stem + ".metrics.json", stem + ".paths.csv" }));

    // A clock held still or stepped back names a second that is taken, by a
    // video or by any file of a training: the next free second is taken.
    makeFile("2024_03_07T13_00_01.paths.csv", two);
    QCOMPARE(freeTrainingVideoPath(folder, QDateTime(QDate(2024, 3, 7), QTime(13, 0))),
        folder + "2024_03_07T13_00_02.mp4");
}

void TrainingRecordsTest::measurementReadsBackAsWritten()
{
    const QString video = folder + kVideoName;
    const TrainingMeasurement written = sampleMeasurement();
    QVERIFY(writeTrainingMeasurement(video, written));
    // Nothing but the two files, none of them half-written.
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden),
        (QStringList { "2024_03_07T14_05_09.metrics.json", "2024_03_07T14_05_09.paths.csv" }));
    // The never-seen instrument is stored as such, without figures that
    // could pass for results.
    QVERIFY(!contentsOf(trainingMetricsPath(video)).contains("\"path_length\": 0"));

    const StoredMetrics metrics = readTrainingMetrics(video);
    const StoredPaths paths = readTrainingPaths(video);
    QCOMPARE(metrics.status, StoredStatus::Present);
    QCOMPARE(paths.status, StoredStatus::Present);
    QCOMPARE(metrics.metrics.instruments[InstrumentLeft].economy, std::optional<double>(1.25));
    QCOMPARE(metrics.metrics.instruments[InstrumentLeft].normalisedJerk, std::optional<double>(6.75));
    QCOMPARE(metrics.metrics.meanTipDistance, std::optional<double>(42.5));
    QCOMPARE(metrics.metrics.exercise->id, 3);
    QCOMPARE(metrics.metrics.exercise->targets.idleSeconds[InstrumentRight], 11.5);
    QVERIFY(!metrics.metrics.instruments[InstrumentRight].seen);
    QCOMPARE(paths.paths[InstrumentLeft].at(2).position, std::optional<QPointF>(QPointF(167, 200.25)));
    QVERIFY(!paths.paths[InstrumentRight].at(2).position);

    // What was read writes the same files again: nothing was lost or changed
    // on the way.
    QVERIFY(QDir(folder).mkdir("again"));
    const QString again = folder + "again/" + kVideoName;
    QVERIFY(writeTrainingMeasurement(again, { metrics.metrics, paths.paths }));
    QCOMPARE(contentsOf(trainingMetricsPath(again)), contentsOf(trainingMetricsPath(video)));
    QCOMPARE(contentsOf(trainingPathsPath(again)), contentsOf(trainingPathsPath(video)));

    // A file of the first version, without the distance between the tips,
    // the jerk and the exercise, reads with them none and the rest as written.
    const QRegularExpression newFigures(R"re( *"(mean_tip_distance|normalised_jerk)": [^,]*,\n)re");
    const QByteArray first = QString::fromUtf8(contentsOf(trainingMetricsPath(video)))
                                 .remove(newFigures)
                                 .replace("\"version\": 3", "\"version\": 1")
                                 .toUtf8();
    QFile file(trainingMetricsPath(again));
    QVERIFY(!first.contains("jerk") && file.open(QIODevice::WriteOnly) && file.write(first) == first.size());
    file.close();
    const StoredMetrics old = readTrainingMetrics(again);
    QCOMPARE(old.status, StoredStatus::Present);
    QVERIFY(!old.metrics.meanTipDistance && !old.metrics.instruments[InstrumentLeft].normalisedJerk);
    QVERIFY(!old.metrics.exercise);
    QCOMPARE(old.metrics.instruments[InstrumentLeft].economy, std::optional<double>(1.25));

    // A training in which no frame came to be analysed is measured too.
    QVERIFY(writeTrainingMeasurement(again, TrainingMeasurement()));
    QCOMPARE(readTrainingMetrics(again).status, StoredStatus::Present);
}

void TrainingRecordsTest::damagedMeasurementReadsAsCorrupt_data()
{
    QTest::addColumn<QByteArray>("from");
    QTest::addColumn<QByteArray>("to");
    QTest::addColumn<bool>("inPaths");
    QTest::addColumn<StoredStatus>("status");
    const auto row
        = [](const char *tag, const char *from, const char *to, bool inPaths, StoredStatus status) {
              QTest::newRow(tag) << QByteArray(from) << QByteArray(to) << inPaths << status;
          };
    // Each row edits the text of a good file; an empty "to" with an empty
    // "from" removes it, with a "from" cuts the file there.
    row("metrics removed", "", "", false, StoredStatus::Absent);
    row("paths removed", "", "", true, StoredStatus::Absent);
    row("metrics cut short", "\"instruments\"", "", false, StoredStatus::Corrupt);
    row("a later version", "\"version\": 3", "\"version\": 4", false, StoredStatus::Corrupt);
    row("an exercise without its targets", "\"targets\"", "\"aims\"", false, StoredStatus::Corrupt);
    row("a figure missing", "\"peak_speed\"", "\"peak\"", false, StoredStatus::Corrupt);
    row("a figure of the wrong type", "\"seen\": true", "\"seen\": 1", false, StoredStatus::Corrupt);
    row("a negative time", "\"duration_s\": ", "\"duration_s\": -", false, StoredStatus::Corrupt);
    row("an unknown unit", "\"mm\"", "\"in\"", false, StoredStatus::Corrupt);
    row("a count beyond any integer", "\"analysed\": 3", "\"analysed\": 1e300", false, StoredStatus::Corrupt);
    row("paths cut short", "167.00", "", true, StoredStatus::Corrupt);
    row("paths with a word", "200.25", "many", true, StoredStatus::Corrupt);
    // Good files in a place no reader may follow: a FIFO would block it for
    // ever, a link out of the folder reads what the account must not, a
    // gigabyte fills the memory. A link within the folder is read.
    row("a FIFO", "<fifo>", "", false, StoredStatus::Corrupt);
    row("a link out of the folder", "<link out>", "", true, StoredStatus::Corrupt);
    row("a gigabyte", "<gigabyte>", "", true, StoredStatus::Corrupt);
    row("a link in the folder", "<link in>", "", false, StoredStatus::Present);
}

void TrainingRecordsTest::damagedMeasurementReadsAsCorrupt()
{
    QFETCH(QByteArray, from);
    QFETCH(QByteArray, to);
    QFETCH(bool, inPaths);
    QFETCH(StoredStatus, status);
    const QString video = folder + kVideoName;
    QVERIFY(writeTrainingMeasurement(video, sampleMeasurement()));
    const QString damaged = inPaths ? trainingPathsPath(video) : trainingMetricsPath(video);
    QByteArray text = contentsOf(damaged);
    if (from.startsWith('<')) {
        // The good file moves away, into the folder or out of it.
        const QString moved = from == "<link in>" ? damaged + ".real" : folder + "out/real";
        QVERIFY(QDir(folder).mkpath("out") && QFile::rename(damaged, moved));
        QFile hostile(damaged);
        if (from == "<fifo>")
            QCOMPARE(::mkfifo(QFile::encodeName(damaged).constData(), 0600), 0);
        else if (from == "<gigabyte>")
            QVERIFY(hostile.open(QIODevice::WriteOnly) && hostile.resize(qint64(1) << 30));
        else
            QVERIFY(QFile::link(moved, damaged));
        // Refused, not merely unparsable: a FIFO read without blocking and
        // a gigabyte of zeros would read as damaged too.
        if (from != "<link in>")
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("^not read: "));
    } else if (from.isEmpty()) {
        QVERIFY(QFile::remove(damaged));
    } else {
        QVERIFY2(text.contains(from), text.constData());
        if (to.isEmpty())
            text.truncate(text.indexOf(from));
        else
            text.replace(from, to);
        QFile file(damaged);
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(text) == text.size());
    }
    QCOMPARE(inPaths ? readTrainingPaths(video).status : readTrainingMetrics(video).status, status);
    // The other file still reads.
    QCOMPARE(
        inPaths ? readTrainingMetrics(video).status : readTrainingPaths(video).status, StoredStatus::Present);
}

void TrainingRecordsTest::finishedFilesTakeOnlyTheirOwnPlace()
{
    // An export's finished copy takes only a free name, even when a file of
    // that name came after the last look; a repaired copy is swapped in only
    // while its original still exists, so a deleted training stays deleted.
    const auto write = [this](const QString &name, const QByteArray &content) {
        QFile file(folder + name);
        return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
    };
    QVERIFY(write("copy", "new") && write("taken", "old"));
    QCOMPARE(placeWithoutReplacing(folder + "copy", folder + "taken"), Placed::TargetExists);
    QCOMPARE(contentsOf(folder + "taken"), QByteArray("old"));
    QCOMPARE(placeWithoutReplacing(folder + "copy", folder + "free"), Placed::Done);
    QVERIFY(!QFileInfo::exists(folder + "copy"));

    QCOMPARE(swapFiles(folder + "free", folder + "taken"), Swapped::Done);
    QCOMPARE(contentsOf(folder + "taken"), QByteArray("new"));
    QCOMPARE(contentsOf(folder + "free"), QByteArray("old"));
    QVERIFY(QFile::remove(folder + "taken"));
    QCOMPARE(swapFiles(folder + "free", folder + "taken"), Swapped::TargetGone);
    QVERIFY(!QFileInfo::exists(folder + "taken"));
}

void TrainingRecordsTest::mp4LengthNeverReadsNegative()
{
    // A moov box whose mvhd (version 1: 64-bit times) states the longest
    // duration at one unit per second: too long for milliseconds, it must
    // read as the longest length, never as a negative one.
    const QByteArray header = QByteArray::fromHex("00000028"
                                                  "6d766864"
                                                  "01000000")
        + QByteArray(16, '\0')
        + QByteArray::fromHex("00000001"
                              "ffffffffffffffff");
    QByteArray file = QByteArray::fromHex("00000030"
                                          "6d6f6f76")
        + header;
    QBuffer device(&file);
    QVERIFY(device.open(QIODevice::ReadOnly));
    const std::optional<Mp4Timeline> timeline = readMp4Timeline(device);
    QVERIFY(timeline);
    QCOMPARE(timeline->statedMs, std::numeric_limits<qint64>::max());
}

void TrainingRecordsTest::exercisePassedByTwoInARow_data()
{
    // Trainings oldest first, each "<exercise id>:<seconds>:<left path mm>",
    // a path of -1 for a left instrument never seen; exercise 1 aims at 50 s
    // and 500 mm of the left hand's path, exercise 2 at 100 s.
    QTest::addColumn<QStringList>("trainings");
    QTest::addColumn<bool>("passed");
    QTest::addColumn<int>("count");
    QTest::addColumn<double>("best");
    QTest::newRow("two in a row") << QStringList { "1:60:400", "1:45:400", "1:50:500" } << true << 3 << 45.0;
    QTest::newRow("met, missed, met") << QStringList { "1:45:400", "1:51:400", "1:45:400" } << false << 3 << 45.0;
    QTest::newRow("the path too long") << QStringList { "1:45:501", "1:45:400" } << false << 2 << 45.0;
    QTest::newRow("the hand never seen") << QStringList { "1:45:-1", "1:45:400" } << false << 2 << 45.0;
    QTest::newRow("other exercises between")
        << QStringList { "1:45:400", "2:90:0", "0:30:0", "1:48:400" } << true << 2 << 45.0;
    QTest::newRow("kept once passed") << QStringList { "1:45:400", "1:45:400", "1:99:400" } << true << 3 << 45.0;
    QTest::newRow("never trained") << QStringList { "2:90:0" } << false << 0 << -1.0;
}

void TrainingRecordsTest::exercisePassedByTwoInARow()
{
    QFETCH(QStringList, trainings);
    QFETCH(bool, passed);
    QFETCH(int, count);
    QFETCH(double, best);
    QVector<TrainingWithMetrics> history;
    for (const QString &training : trainings) {
        const QStringList parts = training.split(':');
        TrainingWithMetrics entry;
        entry.stored.status = StoredStatus::Present;
        TrainingMetrics &metrics = entry.stored.metrics;
        metrics.durationSeconds = parts[1].toDouble();
        metrics.unit = LengthUnit::Millimetres;
        metrics.instruments[InstrumentLeft].seen = parts[2].toDouble() >= 0;
        metrics.instruments[InstrumentLeft].pathLength = parts[2].toDouble();
        if (parts[0] == "1")
            metrics.exercise = TrainedExercise { 1, { 50, { 500, 0 }, { 0, 0 } } };
        else if (parts[0] == "2")
            metrics.exercise = TrainedExercise { 2, { 100, {}, {} } };
        history.append(entry);
    }
    const ExerciseProgress progress = exerciseProgress(1, history);
    QCOMPARE(progress.passed, passed);
    QCOMPARE(progress.trainings, count);
    QCOMPARE(progress.bestSeconds.value_or(-1), best);

    // Each target against the first training: the figure, met or not, and
    // its share of the target.
    const TrainingMetrics &first = history.first().stored.metrics;
    const QVector<TargetResult> results = assessTargets(first, first.exercise->targets);
    QCOMPARE(results.size(), trainings.first().startsWith("1:") ? 2 : 1);
    QCOMPARE(results[0].met, first.durationSeconds <= results[0].target);
    QCOMPARE(*results[0].percent, first.durationSeconds / results[0].target * 100);
}

QTEST_GUILESS_MAIN(TrainingRecordsTest)
#include "tst_trainingrecords.moc"
