#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "storage/trainingrecords.h"

// The naming and listing rules of recorded trainings, on real files in a
// temporary folder.
class TrainingRecordsTest : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void namesFollowTheStart();
    void picturePath_data();
    void picturePath();
    void listsTrainingsOldestFirst();
    void leavesOutWhatIsNoTraining_data();
    void leavesOutWhatIsNoTraining();
    void equalTimesComeInReverseNameOrder();
    void emptyOrMissingFolderListsNothing();

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

void TrainingRecordsTest::picturePath_data()
{
    QTest::addColumn<QString>("video");
    QTest::addColumn<QString>("picture");
    QTest::newRow("plain") << "/r/a.mp4"
                           << "/r/ami.png";
    // Only the ending changes, never a folder that looks like a video.
    QTest::newRow("folder named like a video") << "/r/old.mp4s/a.mp4"
                                               << "/r/old.mp4s/ami.png";
    QTest::newRow("upper-case ending") << "/r/a.MP4"
                                       << "/r/ami.png";
}

void TrainingRecordsTest::picturePath()
{
    QFETCH(QString, video);
    QFETCH(QString, picture);
    QCOMPARE(trainingPicturePath(video), picture);
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

QTEST_GUILESS_MAIN(TrainingRecordsTest)
#include "tst_trainingrecords.moc"
