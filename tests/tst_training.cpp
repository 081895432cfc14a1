#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <algorithm>

#include "camera/exercisebar.h"
#include "camera/previewform.h"
#include "camera/timerwidget.h"
#include "camera/videowidget.h"
#include "catalogue/choosetrainingform.h"
#include "catalogue/scenarioframe.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "dialogs/decisiondialog.h"
#include "dialogs/dialogform.h"
#include "dialogs/infodialog.h"
#include "dialogs/trainingresultsdialog.h"
#include "history/metricstable.h"
#include "history/pathpicture.h"
#include "history/targetstable.h"
#include "mediainspection.h"
#include "sessionfixture.h"
#include "storage/trainingmetricsfile.h"
#include "storage/trainingpathsfile.h"
#include "traineesteps.h"

namespace {

// Generous: the tests share a small machine with other jobs.
constexpr int kScreenTimeoutMs = 15000;
constexpr int kClockTimeoutMs = 20000;
// The left instrument leaves the picture some seconds after its camera starts.
constexpr int kTripTimeoutMs = 30000;
// How far a recording's length may stray from the time it was running: the
// camera starts and the recorder finishes around the measured span.
constexpr qint64 kRecordingSlackMs = 1500;
// The tracking's figures against the virtual camera's true band positions.
constexpr double kPathLengthTolerance = 0.05;
constexpr double kOffScreenToleranceSeconds = 0.2;
constexpr double kFrameSeconds = 1.0 / 30;
constexpr auto kTruthVariable = "KAVRIN_VIRTUAL_CAMERA_TRUTH";
constexpr auto kInstrumentsVariable = "KAVRIN_VIRTUAL_CAMERA_INSTRUMENTS";

// What the virtual camera's log says of one instrument's band.
struct TrueMotion
{
    bool seen = false;
    double pathLength = 0;
    double offScreenSeconds = 0;
};

// The path length over consecutive frames that both show the band, as the
// tracking measures it, and the time the band was out of the picture.
std::array<TrueMotion, kInstrumentCount> readTruth(const QString &path)
{
    std::array<TrueMotion, kInstrumentCount> truth;
    std::array<std::optional<QPointF>, kInstrumentCount> previous;
    QFile file(path);
    [&] { QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text)); }();
    file.readLine();
    while (!file.atEnd()) {
        const QList<QByteArray> cells = file.readLine().trimmed().split(',');
        for (std::size_t i = 0; i < truth.size(); ++i) {
            const QByteArray &x = cells.value(2 + 2 * static_cast<int>(i));
            std::optional<QPointF> here;
            if (!x.isEmpty())
                here = QPointF(x.toDouble(), cells.value(3 + 2 * static_cast<int>(i)).toDouble());
            if (here && previous[i])
                truth[i].pathLength += QLineF(*previous[i], *here).length();
            truth[i].seen = truth[i].seen || here;
            if (!here)
                truth[i].offScreenSeconds += kFrameSeconds;
            previous[i] = here;
        }
    }
    return truth;
}

} // namespace

// The training screen in the real main window, with the virtual camera
// recording real MP4 files into a temporary data location.
class TrainingTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void stopwatchTrainingIsRecordedAndMeasured();
    void countdownEndsTrainingByItself();
    void trainingsThatRecordNothing();
    void guestMayOnlyWatch();

private:
    QLabel *clockLabel() const { return preview->timeDisplay()->findChild<QLabel *>("label"); }
    QLabel *recordMark() const { return preview->timeDisplay()->findChild<QLabel *>("rec"); }
    QString truthPath() const { return data->filePath(QStringLiteral("truth.csv")); }
    User storedAccount() const;
    void setAccount(const std::function<void(User &)> &change);
    // The virtual camera started next logs where it paints the bands.
    void logTruth(bool instrumentsShown);
    void verifyMeasuredAgainstTruth(const QString &video);
    // A lab's exercise file with these elements, read into the catalogue.
    void addLabExercise(const QByteArray &elements);

    MainWindow *window = nullptr;
    PreviewForm *preview = nullptr;
    std::unique_ptr<TraineeSteps::TrainingSteps> steps;
    std::unique_ptr<QTemporaryDir> data;
};

void TrainingTest::initTestCase()
{
    gst_init(nullptr, nullptr);
}

void TrainingTest::init()
{
    resetSession();
    ClientSessionInfo::OfflineMode = false;
    ClientSessionInfo::timertype = TimerNone;
    startOnFreshInstallation(data, window);
    if (QTest::currentTestFailed())
        return;
    steps = std::make_unique<TraineeSteps::TrainingSteps>(window);
    preview = steps->screen();
    QVERIFY(preview);
}

void TrainingTest::cleanup()
{
    qunsetenv(kTruthVariable);
    qunsetenv(kInstrumentsVariable);
    steps.reset();
    delete window;
    window = nullptr;
    ClientSessionInfo::OfflineMode = false;
    ClientSessionInfo::timertype = TimerNone;
    resetSession();
}

User TrainingTest::storedAccount() const
{
    User user;
    const QString file = ClientSessionInfo::accounts.location().usersFolder() + QStringLiteral("usr.usr");
    [&] { QVERIFY(readUserFile(file, &user)); }();
    return user;
}

// Changes the account as an earlier session would have left it, before the
// training screen reads it.
void TrainingTest::setAccount(const std::function<void(User &)> &change)
{
    User *user = ClientSessionInfo::actualUser();
    QVERIFY(user);
    change(*user);
    QVERIFY(ClientSessionInfo::updateActualUser());
}

void TrainingTest::logTruth(bool instrumentsShown)
{
    qputenv(kTruthVariable, truthPath().toUtf8());
    if (!instrumentsShown)
        qputenv(kInstrumentsVariable, "hidden");
}

void TrainingTest::addLabExercise(const QByteArray &elements)
{
    const QString scenarios = ClientSessionInfo::accounts.location().scenariosFolder();
    QVERIFY(QDir().mkpath(scenarios));
    QFile lab(scenarios + QStringLiteral("lab.xml"));
    QVERIFY(lab.open(QIODevice::WriteOnly) && lab.write("<scenario>" + elements + "</scenario>") > 0);
    lab.close();
    auto *chooser = qobject_cast<ChooseTrainingForm *>(window->screenFor(FormChooseTraining));
    chooser->loadExercises();
    QTRY_COMPARE_WITH_TIMEOUT(chooser->exerciseRows().size(), 5, kScreenTimeoutMs);
}

void TrainingTest::verifyMeasuredAgainstTruth(const QString &video)
{
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(trainingMetricsPath(video)), kScreenTimeoutMs);
    const StoredMetrics stored = readTrainingMetrics(video);
    QCOMPARE(stored.status, StoredStatus::Present);
    QCOMPARE(readTrainingPaths(video).status, StoredStatus::Present);
    const TrainingMetrics &metrics = stored.metrics;
    const double fieldWidthMm = ClientSessionInfo::fieldWidthMm;
    QCOMPARE(metrics.pictureSize, QSize(1280, 720));
    QCOMPARE(metrics.unit, fieldWidthMm > 0 ? LengthUnit::Millimetres : LengthUnit::Pixels);
    const double pixel = fieldWidthMm > 0 ? fieldWidthMm / 1280 : 1;
    if (fieldWidthMm > 0)
        QCOMPARE(metrics.millimetresPerPixel, pixel);
    const std::array<TrueMotion, kInstrumentCount> truth = readTruth(truthPath());
    for (std::size_t i = 0; i < truth.size(); ++i) {
        const InstrumentMetrics &instrument = metrics.instruments[i];
        const QByteArray facts
            = QStringLiteral("instrument %1 tracked %2 px, %3 s off screen; true %4 px, %5 s")
                  .arg(i)
                  .arg(instrument.pathLength / pixel)
                  .arg(instrument.offScreenSeconds)
                  .arg(truth[i].pathLength)
                  .arg(truth[i].offScreenSeconds)
                  .toUtf8();
        QCOMPARE(instrument.seen, truth[i].seen);
        QVERIFY2(qAbs(instrument.offScreenSeconds - truth[i].offScreenSeconds) <= kOffScreenToleranceSeconds,
            facts.constData());
        if (!truth[i].seen)
            continue;
        QVERIFY2(qAbs(instrument.pathLength / pixel - truth[i].pathLength)
                <= kPathLengthTolerance * truth[i].pathLength,
            facts.constData());
    }
}

// One recorded training checked whole: its mark, a question answered No on
// the way, its four files, its video and sound, the time credited and the
// tracking against the truth, on a field of the standard size.
void TrainingTest::stopwatchTrainingIsRecordedAndMeasured()
{
    setAccount([](User &user) {
        user.recordVideo = 1;
        user.recordSound = 1;
        user.stopwatchOn = 1;
        user.totalTrainingTime = 100;
    });
    addLabExercise("<id>22</id><english>Generous</english><max_time>600</max_time>"
                   "<max_distance>100000,100000,0,0</max_distance>");
    QVERIFY(ClientSessionInfo::accounts.setCurrentExercise(22));
    steps->open();
    QCOMPARE(ClientSessionInfo::timertype, TimerStopwatch);
    logTruth(true);
    QSignalSpy measured(preview, &PreviewForm::trainingMeasured);

    QElapsedTimer outer;
    outer.start();
    steps->start();
    QElapsedTimer inner;
    inner.start();
    QTRY_VERIFY_WITH_TIMEOUT(ClientSessionInfo::isRecording(), kScreenTimeoutMs);
    // The record mark blinks while the recorder records.
    QTRY_VERIFY_WITH_TIMEOUT(recordMark()->isVisible(), kClockTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(!recordMark()->isVisible(), kClockTimeoutMs);

    // Under the question the training goes on behind a still picture; No
    // makes the picture live again.
    VideoWidget *viewfinder = preview->trainingViewfinder();
    QTRY_VERIFY_WITH_TIMEOUT(viewfinder->isEnabled(), kScreenTimeoutMs);
    QTest::mousePress(viewfinder, Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), BlurMax, kScreenTimeoutMs);
    QVERIFY(ClientSessionInfo::isRecording());
    QVERIFY(!viewfinder->updatesEnabled());
    const QString clock = clockLabel()->text();
    QTRY_VERIFY_WITH_TIMEOUT(clockLabel()->text() != clock, kClockTimeoutMs);
    TraineeSteps::answerQuestion("leftBtn");
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), BlurMin, kScreenTimeoutMs);
    QCOMPARE(ClientSessionInfo::actualForm, viewfinder);
    QVERIFY(viewfinder->updatesEnabled());
    QVERIFY(!viewfinder->graphicsEffect());
    const QImage still = viewfinder->grab().toImage();
    QTRY_VERIFY_WITH_TIMEOUT(viewfinder->grab().toImage() != still, kScreenTimeoutMs);

    // On until the left instrument has left the picture, which the tracking
    // must count as time off screen; the picture was taken three seconds in.
    QTRY_VERIFY_WITH_TIMEOUT(readTruth(truthPath())[InstrumentLeft].offScreenSeconds > 0.5, kTripTimeoutMs);
    QVERIFY(QFile::exists(preview->currentPicturePath()));
    const QSize viewfinderSize = viewfinder->size();
    const qint64 innerMs = inner.elapsed();
    steps->finishByTap();
    const qint64 outerMs = outer.elapsed();
    // The camera of the training has stopped; the next one logs nothing.
    qunsetenv(kTruthVariable);
    QVERIFY(!ClientSessionInfo::isRecording());
    steps->waitUntilBack();
    QVERIFY(ClientSessionInfo::IsPreviewingCamera());
    QCOMPARE(measured.size(), 1);
    const QString video = preview->currentVideoPath();
    QCOMPARE(measured.first().at(0).toString(), video);
    QVERIFY(measured.first().at(2).toBool());
    verifyMeasuredAgainstTruth(video);
    QCOMPARE(window->findChild<TrainingResultsDialog *>()->targetsShown()->lines().first(),
        QStringLiteral("Generous: every target met"));
    // Both tips' paths are drawn in the results, each in its colour.
    auto *paths = window->findChild<TrainingResultsDialog *>()->findChild<PathPicture *>();
    const auto drawsIn = [paths](const QColor &colour) {
        const QImage drawn = paths->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < drawn.height(); ++y) {
            const auto *line = reinterpret_cast<const QRgb *>(drawn.constScanLine(y));
            if (std::find(line, line + drawn.width(), colour.rgb()) != line + drawn.width())
                return true;
        }
        return false;
    };
    QTRY_VERIFY_WITH_TIMEOUT(
        drawsIn(instrumentColour(InstrumentLeft)) && drawsIn(instrumentColour(InstrumentRight)),
        kScreenTimeoutMs);

    // Four files with one stamp in the account's folder.
    const QString stamp = QFileInfo(video).completeBaseName();
    QCOMPARE(QDir(QFileInfo(video).path()).entryList(QDir::Files, QDir::Name),
        (QStringList { stamp + ".metrics.json", stamp + ".mp4", stamp + ".paths.csv", stamp + "mi.png" }));
    QCOMPARE(QImage(preview->currentPicturePath(), "png").size(), viewfinderSize);

    const MediaFacts facts = discover(video);
    QCOMPARE(facts.videoCodec, QStringLiteral("video/x-h264"));
    QVERIFY(facts.audioCaps.startsWith(QLatin1String("audio/mpeg")));
    QVERIFY2(
        facts.durationMs >= innerMs - kRecordingSlackMs && facts.durationMs <= outerMs + kRecordingSlackMs,
        qPrintable(
            QStringLiteral("%1 ms recorded in %2..%3 ms").arg(facts.durationMs).arg(innerMs).arg(outerMs)));
    QVERIFY(decodeVideo(video).frames > 0);

    // The whole seconds trained, less one, counted in the file.
    const qint32 added = storedAccount().totalTrainingTime - 100;
    QVERIFY2(added >= innerMs / 1000 - 1 && added <= outerMs / 1000 - 1,
        qPrintable(QStringLiteral("%1 s added after %2..%3 ms").arg(added).arg(innerMs).arg(outerMs)));
}

// An exercise of six seconds, chosen on the way and counted down from its
// time target, recorded without sound, with the instruments out of sight on
// a field of unknown size: a countdown that runs out has missed the time
// target, the path target cannot be met, and the results say so.
void TrainingTest::countdownEndsTrainingByItself()
{
    ClientSessionInfo::fieldWidthMm = 0;
    setAccount([](User &user) { user.recordVideo = 1; });
    addLabExercise("<id>21</id><english>Six seconds</english><max_time>6</max_time>"
                   "<max_distance>100,0,0,0</max_distance>");
    auto *chooser = qobject_cast<ChooseTrainingForm *>(window->screenFor(FormChooseTraining));
    steps->open();
    QCOMPARE(preview->exerciseShown()->title(), QString());
    TraineeSteps::click(preview, "exerciseBtn");
    TraineeSteps::waitForScreen(window, FormChooseTraining);
    QTest::mouseClick(chooser->exerciseRows().last(), Qt::LeftButton);
    TraineeSteps::click(chooser, "chooseButton");
    steps->waitUntilBack();
    QCOMPARE(preview->exerciseShown()->title(), QStringLiteral("Exercise: Six seconds, target 00:00:06"));
    TraineeSteps::click(preview->exerciseShown(), "targetCountdownBtn");
    QCOMPARE(ClientSessionInfo::timertype, TimerCountdown);
    QCOMPARE(storedAccount().timerSeconds, 6);
    logTruth(false);

    QElapsedTimer outer;
    outer.start();
    steps->start();
    QElapsedTimer inner;
    inner.start();
    QCOMPARE(clockLabel()->text(), QStringLiteral("00:00:00"));
    QTRY_COMPARE_WITH_TIMEOUT(clockLabel()->text(), QStringLiteral("00:00:04"), kClockTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(clockLabel()->text(), QStringLiteral("00:00:01"), kClockTimeoutMs);

    // The end comes by itself, the recording already complete behind it.
    QTRY_VERIFY_WITH_TIMEOUT(shownDialog<InfoDialog>(), kClockTimeoutMs);
    const qint64 innerMs = inner.elapsed();
    const qint64 outerMs = outer.elapsed();
    qunsetenv(kTruthVariable);
    QVERIFY(!ClientSessionInfo::isRecording());
    QVERIFY(!ClientSessionInfo::IsPreviewingCamera());
    QCOMPARE(clockLabel()->text(), QStringLiteral("00:00:00"));
    const QString video = preview->currentVideoPath();
    const MediaFacts facts = discover(video);
    QCOMPARE(facts.videoCodec, QStringLiteral("video/x-h264"));
    QVERIFY(facts.audioCaps.isEmpty());
    QVERIFY(facts.durationMs > 0);

    QTest::mouseClick(shownDialog<InfoDialog>()->findChild<QPushButton *>("pushButton"), Qt::LeftButton);
    steps->waitUntilBack();
    // Seven seconds run, less two; counted once although OK ends the training.
    const qint32 added = storedAccount().totalTrainingTime;
    QVERIFY2(added >= innerMs / 1000 - 2 && added <= outerMs / 1000 - 2,
        qPrintable(QStringLiteral("%1 s added after %2..%3 ms").arg(added).arg(innerMs).arg(outerMs)));
    QCOMPARE(ClientSessionInfo::timertype, TimerCountdown);
    // Instruments never seen have no figures, only their time off screen.
    verifyMeasuredAgainstTruth(video);
    const TrainingMetrics metrics = readTrainingMetrics(video).metrics;
    QVERIFY(metrics.exercise);
    QCOMPARE(metrics.exercise->id, 21);
    QCOMPARE(metrics.exercise->targets.pathLengthMm[InstrumentLeft], 100.0);
    const QStringList results = window->findChild<TrainingResultsDialog *>()->targetsShown()->lines();
    QCOMPARE(results.size(), 3);
    QCOMPARE(results[0], QStringLiteral("Six seconds: targets"));
    QVERIFY2(metrics.durationSeconds > 6
            && results[1].endsWith(" | target 00:00:06 | "
                + QString::number(qRound(metrics.durationSeconds / 6 * 100)) + " % | not met"),
        qPrintable(results[1]));
    QCOMPARE(results[2], QStringLiteral("Left path length | not measured | target 100 mm | – | not met"));
}

// The switches persist; trainings ended at once never lower the total; and
// video asked for into a folder that cannot exist never shows the mark.
void TrainingTest::trainingsThatRecordNothing()
{
    // Root ignores permissions: a folder below a regular file cannot exist.
    const QString blocker = data->filePath("blocker");
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    setAccount([&blocker](User &user) {
        QVERIFY(user.setRecordingPath(blocker + QStringLiteral("/records/")));
        user.stopwatchOn = 1;
        user.totalTrainingTime = 42;
    });
    steps->open();
    auto *record = preview->findChild<QPushButton *>("record");
    auto *sound = preview->findChild<QPushButton *>("sound");
    QVERIFY(!record->isChecked());
    QVERIFY(!sound->isEnabled());
    QTest::mouseClick(record, Qt::LeftButton);
    QVERIFY(sound->isEnabled());
    QCOMPARE(storedAccount().recordVideo, 1);
    QTest::mouseClick(sound, Qt::LeftButton);
    QCOMPARE(storedAccount().recordSound, 1);
    QTest::mouseClick(record, Qt::LeftButton);
    QVERIFY(!sound->isEnabled());
    QCOMPARE(storedAccount().recordVideo, 0);
    QCOMPARE(storedAccount().recordSound, 1);

    // Twice: the second training's picture must take taps like the first's.
    for (int training = 0; training < 2; ++training) {
        steps->start();
        QVERIFY(!ClientSessionInfo::record);
        steps->finishByTap();
        steps->waitUntilBack();
        QCOMPARE(storedAccount().totalTrainingTime, 42);
        QVERIFY(!QFileInfo::exists(preview->currentVideoPath()));
    }
    // The switches come back from the account file.
    QVERIFY(!record->isChecked());
    QVERIFY(sound->isChecked());
    QVERIFY(!sound->isEnabled());

    QTest::mouseClick(record, Qt::LeftButton);
    steps->start();
    // The clock runs over several blinks of the mark, which stays dark.
    for (const char *time : { "00:00:01", "00:00:02", "00:00:03" }) {
        QTRY_COMPARE_WITH_TIMEOUT(clockLabel()->text(), QString::fromLatin1(time), kClockTimeoutMs);
        QVERIFY(!recordMark()->isVisible());
    }
    QVERIFY(!ClientSessionInfo::isRecording());
    steps->finishByTap();
    steps->waitUntilBack();
    QVERIFY(!QFileInfo::exists(preview->currentVideoPath()));
}

void TrainingTest::guestMayOnlyWatch()
{
    setAccount([](User &user) { user.stopwatchOn = 1; });
    ClientSessionInfo::OfflineMode = true;
    steps->open();
    QTRY_VERIFY_WITH_TIMEOUT(ClientSessionInfo::IsPreviewingCamera(), kScreenTimeoutMs);
    for (const char *name : { "recordBtn", "settingsBtn", "record", "sound" })
        QVERIFY2(!preview->findChild<QPushButton *>(name)->isEnabled(), name);
    QCOMPARE(ClientSessionInfo::timertype, TimerNone);

    QTest::mouseClick(preview->findChild<QPushButton *>("returnBtn"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(FormLogin), kScreenTimeoutMs);
    QVERIFY(!ClientSessionInfo::IsPreviewingCamera());
}

QTEST_MAIN(TrainingTest)
#include "tst_training.moc"
