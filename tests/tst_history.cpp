#include <QComboBox>
#include <QGraphicsView>
#include <QLabel>
#include <QMediaPlaylist>
#include <QMediaRecorder>
#include <QProcess>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QtTest>

#include "camera/camera.h"
#include "camera/videowidget.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "history/compareview.h"
#include "history/comparisontable.h"
#include "history/gappedline.h"
#include "history/learningcurve.h"
#include "history/measurementspanel.h"
#include "history/metricstable.h"
#include "history/resultslistform.h"
#include "history/simplelistitem.h"
#include "history/slider.h"
#include "history/speedstrip.h"
#include "history/videoplayer.h"
#include "mediainspection.h"
#include "pictureinspection.h"
#include "sessionfixture.h"
#include "storage/trainingmetricsfile.h"
#include "storage/trainingrecords.h"
#include "storage/trainingscsv.h"
#include "storage/user.h"
#include "traineesteps.h"

namespace {

// Generous: the tests share a small machine with other jobs.
constexpr int kTimeoutMs = 15000;
constexpr int kPlaybackTimeoutMs = 30000;
const QDate kDay(2024, 3, 7);
// Rows of the figures table: 0 holds the headings.
constexpr int kPathLengthRow = 4;
constexpr qint64 kRecordingMs = 3000;
// How far the player's idea of the length may stray from the file's.
constexpr qint64 kDurationToleranceMs = 300;
// Positions a decoder reports jitter by a frame or two around a seek.
constexpr qint64 kPositionSlackMs = 100;
// Played this far before pausing or stopping, so that a restart from the
// beginning cannot be mistaken for playing on.
constexpr qint64 kPlayedBeforeStopMs = 1000;
// Long enough for a player that failed to pause to move on visibly.
constexpr int kLookingMs = 500;
// A loaded video waits at its first picture, just past the start.
constexpr qint64 kFirstPictureMs = 5;
constexpr int kHandleSize = 30;
constexpr QSize kIconSize(50, 50);
constexpr auto kPlayIcon = ":/graphics/common_icons/play.png";
constexpr auto kPauseIcon = ":/graphics/common_icons/pause.png";
// A frame at 30 frames per second; the replayed left tip's pixels per second.
constexpr qint64 kFrameMs = 34;
constexpr double kLeftSpeed = 200;
constexpr auto kNoTrainings
    = "No recorded trainings yet. Start a training from the menu's training screen with RECORD VIDEO on.";

bool showsIcon(const QPushButton *button, const char *picture)
{
    return button->icon().pixmap(kIconSize).toImage()
        == QIcon(QLatin1String(picture)).pixmap(kIconSize).toImage();
}

// What a poppler tool prints of a PDF.
QString popplerOutput(const char *tool, const QStringList &arguments)
{
    QProcess process;
    process.start(QLatin1String(tool), arguments);
    return process.waitForFinished() ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A training in which only the left instrument was seen.
TrainingMeasurement leftHandOnly(double pathLengthMm, int movementUnits)
{
    TrainingMeasurement measurement;
    TrainingMetrics &metrics = measurement.metrics;
    metrics.pictureSize = QSize(1280, 720);
    metrics.unit = LengthUnit::Millimetres;
    metrics.millimetresPerPixel = 0.25;
    metrics.instruments[InstrumentLeft].seen = true;
    metrics.instruments[InstrumentLeft].pathLength = pathLengthMm;
    metrics.instruments[InstrumentLeft].movementUnits = movementUnits;
    return measurement;
}

// Frames 33 ms apart: the left tip moves right from x = 100, the right stands, unseen from 1 to 2 s.
TipPaths movingLeftTip(qint64 durationMs)
{
    TipPaths paths;
    for (double seconds = 0; seconds * 1000 < durationMs; seconds += 0.033) {
        paths[InstrumentLeft] << TipSample { seconds, QPointF(100 + kLeftSpeed * seconds, 300) };
        paths[InstrumentRight] << TipSample { seconds,
            seconds < 1 || seconds > 2 ? std::optional<QPointF>(QPointF(900, 400)) : std::nullopt };
    }
    return paths;
}

// Two trainings' figures of one kind, as a comparison weighs them.
using Figures = std::array<std::optional<double>, 2>;

} // namespace

Q_DECLARE_METATYPE(Figures)

// The training history in the real main window, over real files in the
// account's recording folder, with the figures of measured trainings; and
// the player, playing a real recording of the virtual camera through the
// real media player.
class HistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsTrainingsNewestOnTopWithTheirFigures();
    void exportCopiesWithoutOverwriting();
    void deleteRemovesTheCheckedOrTheSelected();
    void emptyHistorySaysHowToRecord();
    void listsTheTrainingsOfAnExercise();
    void reportWritesPagesAndTableWithoutOverwriting_data();
    void reportWritesPagesAndTableWithoutOverwriting();
    void compareIsOfferedForTwoOrForOneBesideTheBest();
    void comparisonMarksTheLowerFigure_data();
    void comparisonMarksTheLowerFigure();
    void chartLineThinnedToWhatItsColumnsShow_data();
    void chartLineThinnedToWhatItsColumnsShow();

    void playback();
    void returnKeepsVolumeAndGoesToLastAnchor_data();
    void returnKeepsVolumeAndGoesToLastAnchor();
    void replayTrailsTheTrackedTipsAndSeeksFromTheStrip();
    void comparePlaysBothVideosInStep();

private:
    // The application as it starts, on the menu, with an account of its own.
    void startApplication();
    // A training at 2024-03-07 `hour`:00, with or without its picture and
    // its tracking's files, which hold hour * 100 mm, hour movements, hour * 10
    // seconds and the exercise, if any.
    QString addTraining(int hour, bool picture = true, bool measured = true,
        std::optional<TrainedExercise> exercise = std::nullopt);
    void openHistory();
    void confirmDelete();
    void openPlayer();
    void click(const char *button);
    void playUntil(qint64 positionMs);
    QPushButton *button(const char *name) const;
    const QMediaPlayer *media() const { return player->mediaPlayer(); }

    QTemporaryDir recordings;
    QString recording;
    qint64 recordedMs = 0;
    std::unique_ptr<QTemporaryDir> data;
    MainWindow *window = nullptr;
    ResultsListForm *history = nullptr;
    VideoPlayer *player = nullptr;
};

void HistoryTest::initTestCase()
{
    gst_init(nullptr, nullptr);
    QVERIFY(recordings.isValid());
    recording = recordings.filePath(QStringLiteral("2024_05_06T07_08_09.mp4"));
    VideoWidget viewfinder;
    viewfinder.resize(480, 270);
    QVERIFY(ClientSessionInfo::startCameraPreview(&viewfinder, true, true, recording, QString()));
    QMediaRecorder *recorder = ClientSessionInfo::camera->currentRecorder();
    QVERIFY(recorder);
    QTRY_VERIFY_WITH_TIMEOUT(recorder->duration() >= kRecordingMs, kPlaybackTimeoutMs);
    ClientSessionInfo::stopPreview();
    recordedMs = discover(recording).durationMs;
    QVERIFY2(recordedMs >= kRecordingMs - kDurationToleranceMs, qPrintable(QString::number(recordedMs)));
}

void HistoryTest::init()
{
    resetSession();
}

void HistoryTest::cleanup()
{
    delete window;
    window = nullptr;
    resetSession();
}

void HistoryTest::startApplication()
{
    startOnFreshInstallation(data, window);
    if (QTest::currentTestFailed())
        return;
    history = qobject_cast<ResultsListForm *>(window->screenFor(FormResultsList));
    player = qobject_cast<VideoPlayer *>(window->screenFor(FormVideoPlayer));
    QVERIFY(history && player);
}

QString HistoryTest::addTraining(
    int hour, bool picture, bool measured, std::optional<TrainedExercise> exercise)
{
    const QDateTime start(kDay, QTime(hour, 0));
    const QString video
        = trainingVideoPath(ClientSessionInfo::actualUser()->recordingPathText(), trainingStamp(start));
    [&] {
        QFile file(video);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write(QByteArray(64, char('a' + hour))) == 64 && file.flush());
        QVERIFY(file.setFileTime(start, QFileDevice::FileModificationTime));
        if (picture) {
            QImage still(64, 36, QImage::Format_RGB32);
            still.fill(Qt::darkGreen);
            QVERIFY(still.save(trainingPicturePath(video), "png"));
        }
        TrainingMeasurement measurement = leftHandOnly(hour * 100, hour);
        measurement.metrics.durationSeconds = hour * 10;
        measurement.metrics.exercise = exercise;
        if (measured)
            QVERIFY(writeTrainingMeasurement(video, measurement));
    }();
    return video;
}

void HistoryTest::openHistory()
{
    TraineeSteps::openFromMenu(window, "resultsButton", FormResultsList);
}

void HistoryTest::confirmDelete()
{
    TraineeSteps::click(history, "deleteBtn");
    TraineeSteps::answerQuestion("rightBtn");
}

// Trainings recorded before tracking, or whose tracking's files were
// damaged, are trainings like the others, with the reason for no figures.
void HistoryTest::listsTrainingsNewestOnTopWithTheirFigures()
{
    startApplication();
    const QString nine = addTraining(9);
    addTraining(12, true, false);
    addTraining(10);
    QFile damaged(trainingMetricsPath(addTraining(11)));
    QVERIFY(damaged.open(QIODevice::WriteOnly | QIODevice::Truncate));
    damaged.write("{\"version\": 1, \"instr");
    damaged.close();

    openHistory();
    QTRY_COMPARE_WITH_TIMEOUT(history->rows().size(), 4, kTimeoutMs);
    QCOMPARE(TraineeSteps::shownTrainingDates(history),
        (QStringList { "date: 2024-03-07 12:00:00", "date: 2024-03-07 11:00:00", "date: 2024-03-07 10:00:00",
            "date: 2024-03-07 09:00:00" }));
    for (const char *button : { "playBtn", "exportBtn", "deleteBtn" })
        QVERIFY(history->findChild<QPushButton *>(button)->isEnabled());
    // The oldest is selected, and its figures shown.
    QCOMPARE(ClientSessionInfo::actualFilename, QDir::cleanPath(nine));
    auto *panel = history->findChild<MeasurementsPanel *>();
    QVERIFY(panel && panel->isVisible());
    QCOMPARE(panel->table()->cellText(kPathLengthRow, 1), QStringLiteral("900 mm"));

    const LearningCurve *curve = panel->learningCurve();
    QTRY_COMPARE_WITH_TIMEOUT(curve->points(InstrumentLeft).size(), 4, kTimeoutMs);
    using Points = QVector<std::optional<double>>;
    QCOMPARE(curve->points(InstrumentLeft), (Points { 900.0, 1000.0, std::nullopt, std::nullopt }));
    QCOMPARE(curve->points(InstrumentRight), (Points(4, std::nullopt)));
    panel->findChild<QComboBox *>("curveFigure")->setCurrentIndex(LearningCurve::MovementUnits);
    QCOMPARE(curve->points(InstrumentLeft), (Points { 9.0, 10.0, std::nullopt, std::nullopt }));

    // A finger 30 pixels right and back has travelled 60: a drag, not a
    // tap. The check button neither selects nor reports.
    SimpleListItem *ten = history->rows().at(1);
    QSignalSpy selected(ten, &SimpleListItem::selected);
    QSignalSpy doubled(ten, &SimpleListItem::doubleClick);
    const QPoint middle = ten->rect().center();
    QTest::mousePress(ten, Qt::LeftButton, Qt::NoModifier, middle);
    for (const QPoint &to : { middle + QPoint(30, 0), middle }) {
        // Sent directly: QTest's moves go through the cursor, which has no
        // effect offscreen.
        QMouseEvent move(QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(ten, &move);
    }
    QTest::mouseRelease(ten, Qt::LeftButton, Qt::NoModifier, middle);
    QTest::mouseClick(ten->findChild<QPushButton *>(), Qt::LeftButton);
    QVERIFY(ten->isChecked());
    QCOMPARE(selected.count(), 0);
    QCOMPARE(ClientSessionInfo::actualVideoID, 0);

    // A tap selects, once, and shows the training's figures, or why there
    // are none.
    QTest::mouseClick(ten, Qt::LeftButton, Qt::NoModifier, middle);
    QCOMPARE(selected.count(), 1);
    QCOMPARE(selected.at(0).at(1).toInt(), 1);
    QCOMPARE(ClientSessionInfo::actualVideoID, 1);
    QCOMPARE(ClientSessionInfo::actualFilename, ten->getVideoPath());
    QCOMPARE(doubled.count(), 0);
    // The figures are read on a worker, and shown when read.
    QTRY_COMPARE(panel->table()->cellText(kPathLengthRow, 1), QStringLiteral("1000 mm"));
    const auto shownReason = [panel] {
        for (const QLabel *label : panel->table()->findChildren<QLabel *>()) {
            if (label->isVisible() && label->wordWrap())
                return label->text();
        }
        return QString();
    };
    QTest::mouseClick(history->rows().at(2), Qt::LeftButton, Qt::NoModifier, middle);
    QTRY_COMPARE(shownReason(), QStringLiteral("The measurements of this training cannot be read."));
    QTest::mouseClick(history->rows().at(3), Qt::LeftButton, Qt::NoModifier, middle);
    QTRY_COMPARE(
        shownReason(), QStringLiteral("No measurements: this training was recorded without tracking."));
}

void HistoryTest::exportCopiesWithoutOverwriting()
{
    startApplication();
    const QString ten = addTraining(10);
    const QString eleven = addTraining(11);
    const QString twelve = addTraining(12);
    QTemporaryDir target;
    // The folder holds the 11:00 training's name already.
    const QString existing = QDir(target.path()).filePath(QFileInfo(eleven).fileName());
    QFile keep(existing);
    QVERIFY(keep.open(QIODevice::WriteOnly));
    keep.write("keep me");
    keep.close();

    openHistory();
    QTRY_COMPARE_WITH_TIMEOUT(history->rows().size(), 3, kTimeoutMs);
    history->rows().at(0)->on_btn_toggled(true);
    history->rows().at(1)->on_btn_toggled(true);
    answerFolderPicker(target.path());
    QTest::mouseClick(history->findChild<QPushButton *>("exportBtn"), Qt::LeftButton);

    auto *status = history->findChild<QLabel *>("exportStatus");
    QTRY_VERIFY_WITH_TIMEOUT(status->text().startsWith(QLatin1String("Exported: 1")), kTimeoutMs);
    QVERIFY2(status->text().contains(QFileInfo(eleven).fileName()), qPrintable(status->text()));
    QVERIFY(history->findChild<QPushButton *>("exportBtn")->isEnabled());
    const QString exported = QDir(target.path()).filePath(QFileInfo(ten).fileName());
    QCOMPARE(contentsOf(exported), contentsOf(ten));
    for (const QString &measurement : trainingMeasurementPaths(ten))
        QCOMPARE(contentsOf(QDir(target.path()).filePath(QFileInfo(measurement).fileName())),
            contentsOf(measurement));
    QCOMPARE(readTrainingMetrics(exported).status, StoredStatus::Present);
    QCOMPARE(contentsOf(existing), QByteArray("keep me"));
    // The videos and the 10:00 training's tracking, nothing half-written
    // beside them; the skipped training's tracking stays behind with it.
    QCOMPARE(QDir(target.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);

    // Quitting does not wait for a long copy: it stops the export under way,
    // which leaves nothing behind.
    QFile huge(twelve);
    QVERIFY(huge.open(QIODevice::ReadWrite) && huge.resize(qint64(4) << 30));
    huge.close();
    for (SimpleListItem *row : history->rows())
        row->on_btn_toggled(row->getVideoPath() == twelve);
    QTemporaryDir quitTarget;
    answerFolderPicker(quitTarget.path());
    auto *exportButton = history->findChild<QPushButton *>("exportBtn");
    QTest::mouseClick(exportButton, Qt::LeftButton);
    QVERIFY(!exportButton->isEnabled());
    QVERIFY(QMetaObject::invokeMethod(qApp, "aboutToQuit", Qt::DirectConnection));
    QTRY_VERIFY_WITH_TIMEOUT(exportButton->isEnabled(), kTimeoutMs);
    QCOMPARE(QDir(quitTarget.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
}

void HistoryTest::reportWritesPagesAndTableWithoutOverwriting_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("heading");
    QTest::newRow("English") << QString() << "Training report";
    QTest::newRow("Japanese") << "jp"
                              << "トレーニングレポート";
}

// REPORT writes a page for each checked training and the account's table of
// figures, one row per training, oldest first; a name in the folder stays.
// The page is written in the display language, in glyphs a reader can copy.
void HistoryTest::reportWritesPagesAndTableWithoutOverwriting()
{
    QFETCH(QString, language);
    QFETCH(QString, heading);
    startApplication();
    QTranslator translator;
    QVERIFY(language.isEmpty() || translator.load(":/qm/" + language + ".qm"));
    QCoreApplication::installTranslator(&translator);
    QTRY_VERIFY_WITH_TIMEOUT(!ClientSessionInfo::scenarios.isEmpty(), kTimeoutMs);
    const int peg = ClientSessionInfo::scenarios.first().id;
    const QString nine
        = addTraining(9, true, true, TrainedExercise { peg, { 60, { 1500, 1500 }, { 12, 0 } } });
    const QString ten = addTraining(10);
    addTraining(11, true, false);
    QTemporaryDir target;
    const QString existing = QDir(target.path()).filePath(QFileInfo(ten).baseName() + ".pdf");
    QFile keep(existing);
    QVERIFY(keep.open(QIODevice::WriteOnly) && keep.write("keep me") == 7);
    keep.close();

    openHistory();
    QTRY_COMPARE_WITH_TIMEOUT(history->rows().size(), 3, kTimeoutMs);
    history->findChild<QPushButton *>("pushButton")->setChecked(true);
    answerFolderPicker(target.path());
    QTest::mouseClick(history->findChild<QPushButton *>("reportBtn"), Qt::LeftButton);
    auto *status = history->findChild<QLabel *>("exportStatus");
    QTRY_VERIFY_WITH_TIMEOUT(
        status->text().startsWith(QCoreApplication::translate("ReportExport", "Reports written: %1").arg(3)),
        kTimeoutMs);
    QVERIFY2(status->text().contains(QFileInfo(existing).fileName()), qPrintable(status->text()));
    QCOMPARE(contentsOf(existing), QByteArray("keep me"));

    const QString page = QDir(target.path()).filePath(QFileInfo(nine).baseName() + ".pdf");
    QVERIFY(QRegularExpression("Pages: +1\\n").match(popplerOutput("pdfinfo", { page })).hasMatch());
    const QString text = popplerOutput("pdftotext", { page, "-" });
    for (const QString &shown :
        { heading, ClientSessionInfo::actualUser()->nameText(), QStringLiteral("Peg transfer"),
            QStringLiteral("900 mm"), QStringLiteral("2024-03-07 09:00:00") })
        QVERIFY2(text.contains(shown), qPrintable(shown + " not in " + text));

    const QString account = ClientSessionInfo::actualUser()->nameText();
    const QStringList lines
        = QString::fromUtf8(contentsOf(QDir(target.path()).filePath(account + "_trainings.csv")))
              .split("\r\n");
    QCOMPARE(lines.size(), 5);
    QVERIFY(
        lines.first().startsWith("date,video,exercise_id,exercise_title,duration_s,length_unit,left_seen,"));
    QCOMPARE(lines.first().count(','), lines.at(1).count(','));
    QVERIFY2(lines.at(1).startsWith(QStringLiteral("2024-03-07 09:00:00,%1,%2,Peg transfer,90,mm,yes,")
                                        .arg(QFileInfo(nine).fileName())
                                        .arg(peg)),
        qPrintable(lines.at(1)));
    QVERIFY(lines.at(1).contains(",900,") && lines.at(2).contains(",1000,"));
    QVERIFY2(lines.at(1).endsWith(",no,yes,no,yes,"), qPrintable(lines.at(1)));
    // A training without figures has its date and name only.
    QVERIFY(lines.at(3).startsWith("2024-03-07 11:00:00,"));
    QCOMPARE(lines.at(3).section(',', 2), QString(lines.first().count(',') - 2, ','));
    const QByteArray quoted = trainingsCsv(
        listTrainingMetrics(QFileInfo(nine).path()), [](int) { return QStringLiteral("Knot, \"tied\""); });
    QVERIFY(quoted.contains(",\"Knot, \"\"tied\"\"\",90,mm,"));
}

// Only the rows in sight are built. DELETE removes the checked training,
// although its row has scrolled away and back, and with none checked the
// selected one, the oldest, whose picture was never taken: each with its
// picture and its tracking's files.
void HistoryTest::deleteRemovesTheCheckedOrTheSelected()
{
    startApplication();
    QStringList videos;
    for (int hour = 0; hour < 24; ++hour)
        videos << addTraining(hour, hour > 0);
    openHistory();
    QTRY_COMPARE_WITH_TIMEOUT(history->trainingCount(), 24, kTimeoutMs);
    QScrollBar *bar = history->findChild<QScrollArea *>("scrollArea")->verticalScrollBar();
    QTRY_VERIFY_WITH_TIMEOUT(bar->maximum() > 200, kTimeoutMs);
    QVERIFY(history->rows().size() < 24);
    QCOMPARE(history->rows().last()->id(), 23);
    history->rows().last()->on_btn_toggled(true);
    bar->setValue(bar->maximum());
    QCOMPARE(history->rows().first()->id(), 0);
    QVERIFY(history->rows().last()->id() < 23);
    bar->setValue(0);
    QVERIFY(history->rows().last()->isChecked());

    confirmDelete();
    QTRY_COMPARE_WITH_TIMEOUT(history->trainingCount(), 23, kTimeoutMs);
    confirmDelete();
    QTRY_COMPARE_WITH_TIMEOUT(history->trainingCount(), 22, kTimeoutMs);
    for (int hour = 0; hour < 24; ++hour) {
        const bool kept = hour > 0 && hour < 23;
        QCOMPARE(QFile::exists(videos.at(hour)), kept);
        QCOMPARE(QFile::exists(trainingPicturePath(videos.at(hour))), kept);
        for (const QString &measurement : trainingMeasurementPaths(videos.at(hour)))
            QCOMPARE(QFile::exists(measurement), kept);
    }
}

// With no training, the list and the panel say how to record one.
void HistoryTest::emptyHistorySaysHowToRecord()
{
    startApplication();
    openHistory();
    const auto *note = history->findChild<QLabel *>(QStringLiteral("noTrainings"));
    QVERIFY(note && note->isVisible());
    QCOMPARE(note->text(), QLatin1String(kNoTrainings));
    const auto panelSays = [this] {
        const auto labels = history->findChild<MeasurementsPanel *>()->table()->findChildren<QLabel *>();
        return std::any_of(labels.cbegin(), labels.cend(),
            [](const QLabel *label) { return label->isVisible() && label->text() == kNoTrainings; });
    };
    QTRY_VERIFY(panelSays());
    addTraining(9);
    history->getTrainings();
    QTRY_VERIFY(!note->isVisible());
}

// Free trainings and those of two exercises, one no longer in the catalogue:
// the rows name the exercise, and a choice of one lists its trainings alone,
// for the player, the learning curve with the targets of the newest, and
// DELETE; with none of them left, the list is whole again.
void HistoryTest::listsTheTrainingsOfAnExercise()
{
    startApplication();
    QTRY_VERIFY_WITH_TIMEOUT(!ClientSessionInfo::scenarios.isEmpty(), kTimeoutMs);
    const Scenario peg = ClientSessionInfo::scenarios.first();
    QCOMPARE(peg.GetTitle(), QStringLiteral("Peg transfer"));
    addTraining(8, true, false);
    const auto of = [](int id, ExerciseTargets targets) { return TrainedExercise { id, targets }; };
    const QString nine = addTraining(9, true, true, of(peg.id, { 60, { 1500, 1500 }, { 12, 0 } }));
    addTraining(10, true, true, of(97, { 30, { 900, 900 }, { 5, 5 } }));
    const QString eleven = addTraining(11, true, true, of(peg.id, { 48, { 1450, 0 }, { 10, 9 } }));
    addTraining(12);
    const QString date = QStringLiteral("date: 2024-03-07 %1:00:00");
    const QString pegDate = date + QStringLiteral(" · Peg transfer");

    openHistory();
    QTRY_COMPARE_WITH_TIMEOUT(TraineeSteps::shownTrainingDates(history),
        (QStringList { date.arg(12), pegDate.arg(11), date.arg(10) + " · Exercise 97", pegDate.arg("09"),
            date.arg("08") }),
        kTimeoutMs);
    auto *filter = history->findChild<QComboBox *>("exerciseFilter");
    QStringList choices;
    for (int index = 0; index < filter->count(); ++index)
        choices << filter->itemText(index);
    QCOMPARE(choices, (QStringList { "All trainings", "Free training", "Peg transfer", "Exercise 97" }));
    filter->setCurrentIndex(1);
    QCOMPARE(TraineeSteps::shownTrainingDates(history), (QStringList { date.arg(12), date.arg("08") }));

    filter->setCurrentIndex(2);
    QCOMPARE(TraineeSteps::shownTrainingDates(history), (QStringList { pegDate.arg(11), pegDate.arg("09") }));
    QCOMPARE(ClientSessionInfo::actualFilename, QDir::cleanPath(nine));
    SimpleListItem *newest = history->rows().last();
    QTest::mouseClick(newest, Qt::LeftButton, Qt::NoModifier, newest->rect().center());
    QCOMPARE(ClientSessionInfo::actualFilename, QDir::cleanPath(eleven));
    QCOMPARE(ClientSessionInfo::playlist->mediaCount(), 2);
    QCOMPARE(ClientSessionInfo::playlist->media(ClientSessionInfo::actualVideoID).request().url(),
        QUrl::fromLocalFile(QDir::cleanPath(eleven)));

    using Points = QVector<std::optional<double>>;
    const LearningCurve *curve = history->findChild<MeasurementsPanel *>()->learningCurve();
    auto *figure = history->findChild<QComboBox *>("curveFigure");
    QCOMPARE(curve->points(InstrumentLeft), (Points { 900.0, 1100.0 }));
    QCOMPARE(curve->target(InstrumentLeft), std::optional<double>(1450));
    QCOMPARE(curve->target(InstrumentRight), std::optional<double>());
    figure->setCurrentIndex(LearningCurve::IdleTime);
    QCOMPARE(curve->target(InstrumentRight), std::optional<double>(9));
    figure->setCurrentIndex(LearningCurve::TrainingTime);
    QCOMPARE(curve->points(InstrumentLeft), (Points { 90.0, 110.0 }));
    QCOMPARE(curve->target(InstrumentLeft), std::optional<double>(48));
    filter->setCurrentIndex(0);
    QCOMPARE(curve->points(InstrumentLeft), (Points { std::nullopt, 90.0, 100.0, 110.0, 120.0 }));
    QCOMPARE(curve->target(InstrumentLeft), std::optional<double>());

    filter->setCurrentIndex(2);
    history->findChild<QPushButton *>("pushButton")->setChecked(true);
    confirmDelete();
    QTRY_COMPARE_WITH_TIMEOUT(history->trainingCount(), 3, kTimeoutMs);
    QVERIFY(!QFile::exists(nine) && !QFile::exists(eleven));
    QCOMPARE(filter->currentIndex(), 0);
}

// Opens the player on the recording, as the history screen does, and waits
// until it is loaded, paused on the first picture.
void HistoryTest::openPlayer()
{
    ClientSessionInfo::actualFilename = recording;
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, kTimeoutMs);
    QVERIFY(QMetaObject::invokeMethod(window, "ShowNextForm", Q_ARG(FormEnum, FormVideoPlayer)));
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(FormVideoPlayer), kTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, kTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(media()->state(), QMediaPlayer::PausedState, kTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(media()->position(), kFirstPictureMs, kTimeoutMs);
}

QPushButton *HistoryTest::button(const char *name) const
{
    return player->findChild<QPushButton *>(QLatin1String(name));
}

void HistoryTest::click(const char *name)
{
    QPushButton *target = button(name);
    QVERIFY(target && target->isVisible());
    QTest::mouseClick(target, Qt::LeftButton);
}

void HistoryTest::playUntil(qint64 positionMs)
{
    click("playBtn");
    QTRY_COMPARE_WITH_TIMEOUT(media()->state(), QMediaPlayer::PlayingState, kTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(media()->position() >= positionMs, kPlaybackTimeoutMs);
}

// COMPARE wants two checked trainings, or one of an exercise, which it shows
// beside the best of that exercise: the shortest of those that met every
// target before a shorter one that did not. The best itself is told so.
void HistoryTest::compareIsOfferedForTwoOrForOneBesideTheBest()
{
    startApplication();
    QTRY_VERIFY_WITH_TIMEOUT(!ClientSessionInfo::scenarios.isEmpty(), kTimeoutMs);
    const int peg = ClientSessionInfo::scenarios.first().id;
    addTraining(8);
    addTraining(9, true, true, TrainedExercise { peg, { 60, { 1500, 0 }, { 0, 0 } } });
    for (int hour : { 10, 11 })
        addTraining(hour, true, true, TrainedExercise { peg, { 200, { 1500, 0 }, { 0, 0 } } });
    openHistory();
    QTRY_COMPARE_WITH_TIMEOUT(history->rows().size(), 4, kTimeoutMs);
    auto *compare = history->findChild<QPushButton *>("compareBtn");
    QCOMPARE(compare->text(), QStringLiteral("COMPARE"));
    const auto checkOnly = [this](const QVector<int> &hours) {
        for (SimpleListItem *row : history->rows())
            row->on_btn_toggled(hours.contains(row->id() + 8));
    };
    QVERIFY(!compare->isEnabled());
    for (const QVector<int> &hours : { QVector<int> { 8 }, { 8, 9, 10 } }) {
        checkOnly(hours);
        QVERIFY(!compare->isEnabled());
    }
    checkOnly({ 8, 11 });
    QVERIFY(compare->isEnabled());
    checkOnly({ 10 });
    QTRY_VERIFY_WITH_TIMEOUT(compare->isEnabled(), kTimeoutMs);
    QTest::mouseClick(compare, Qt::LeftButton);
    auto *view = history->findChild<CompareView *>();
    QVERIFY(!view->isVisible());
    QVERIFY2(history->findChild<QLabel *>("exportStatus")->text().startsWith("This is your best training"),
        qPrintable(history->findChild<QLabel *>("exportStatus")->text()));

    checkOnly({ 11 });
    QTest::mouseClick(compare, Qt::LeftButton);
    QVERIFY(view->isVisible());
    QTRY_COMPARE_WITH_TIMEOUT(view->table()->cellText(0, 3), QStringLiteral("100.0 s"), kTimeoutMs);
    QCOMPARE(view->table()->cellText(0, 1), QStringLiteral("110.0 s"));
    // Row 4 holds the path lengths: the left tip's 1,100 mm against 1,000.
    QVERIFY(!view->table()->isMarked(4, 1) && view->table()->isMarked(4, 3));
    QCOMPARE(view->table()->cellText(4, 2), QStringLiteral("not seen"));
    QVERIFY(!view->table()->isMarked(4, 2) && !view->table()->isMarked(4, 4));
    QTest::mouseClick(view->findChild<QPushButton *>("returnBtn"), Qt::LeftButton);
    QVERIFY(!view->isVisible() && history->isVisible() && history->rows().at(3)->isChecked());
}

void HistoryTest::comparisonMarksTheLowerFigure_data()
{
    QTest::addColumn<Figures>("figures");
    QTest::addColumn<QString>("secondText");
    QTest::addColumn<int>("better");
    QTest::newRow("the second lower") << Figures { 12.0, 11.0 } << "11.0 s" << 1;
    QTest::newRow("the first lower") << Figures { 9.0, 11.0 } << "11.0 s" << 0;
    QTest::newRow("a tie in what is shown") << Figures { 12.0, 11.96 } << "12.0 s" << -1;
    QTest::newRow("one not measured") << Figures { std::nullopt, 11.0 } << "11.0 s" << -1;
}

void HistoryTest::comparisonMarksTheLowerFigure()
{
    QFETCH(Figures, figures);
    QFETCH(QString, secondText);
    QFETCH(int, better);
    QCOMPARE(
        ComparisonTable::lowerOf(figures, { QStringLiteral("12.0 s"), secondText }).value_or(-1), better);
}

namespace {

// Points written "x,y", a missing one "-", separated by spaces.
QVector<std::optional<QPointF>> chartPoints(const QString &written)
{
    QVector<std::optional<QPointF>> points;
    for (const QString &point : written.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList xy = point.split(QLatin1Char(','));
        points << (xy.size() == 2 ? std::optional<QPointF>(QPointF(xy.at(0).toDouble(), xy.at(1).toDouble()))
                                  : std::nullopt);
    }
    return points;
}

} // namespace

void HistoryTest::chartLineThinnedToWhatItsColumnsShow_data()
{
    QTest::addColumn<QString>("points");
    QTest::addColumn<QString>("kept");
    QTest::newRow("one column: first, lowest, highest, last in their order")
        << "10.0,5 10.2,7 10.3,1 10.5,6 10.6,9 10.8,2 10.9,4" << "10.0,5 10.3,1 10.6,9 10.9,4";
    QTest::newRow("the highest first, the lowest last") << "3.1,9 3.4,5 3.8,1" << "3.1,9 3.8,1";
    QTest::newRow("a point per column stays") << "1.5,3 2.5,8 3.5,1" << "1.5,3 2.5,8 3.5,1";
    QTest::newRow("a missing point breaks a column") << "4.1,5 4.2,2 - 4.6,7 4.7,3" << "4.1,5 4.2,2 - 4.6,7 4.7,3";
    QTest::newRow("gaps alone") << "- -" << "- -";
}

void HistoryTest::chartLineThinnedToWhatItsColumnsShow()
{
    QFETCH(QString, points);
    QFETCH(QString, kept);
    QCOMPARE(thinnedToColumns(chartPoints(points)), chartPoints(kept));
}

// Loaded, the video shows its first picture and stays there however long
// one looks; PLAY and PAUSE go on from where it was, STOP and PLAY restart,
// the slider seeks, and playback ends at the file's end.
void HistoryTest::playback()
{
    startApplication();
    QTest::ignoreMessage(QtDebugMsg, "vvvvvvvvvvv");
    openPlayer();
    QVERIFY2(qAbs(media()->duration() - recordedMs) <= kDurationToleranceMs,
        qPrintable(QStringLiteral("player %1 ms, file %2 ms").arg(media()->duration()).arg(recordedMs)));
    auto *view = player->findChild<QGraphicsView *>(QStringLiteral("graphicsView"));
    QTest::qWait(kLookingMs);
    QCOMPARE(media()->state(), QMediaPlayer::PausedState);
    QCOMPARE(media()->position(), kFirstPictureMs);
    QTRY_VERIFY_WITH_TIMEOUT(
        PictureInspection::showsPicture(view->grab().toImage()), PictureInspection::kPictureTimeoutMs);

    QTest::ignoreMessage(
        QtDebugMsg, QRegularExpression(QStringLiteral("^actual player state QMediaPlayer::PausedState ")));
    playUntil(kPlayedBeforeStopMs);
    QVERIFY(showsIcon(button("playBtn"), kPauseIcon));
    QTest::ignoreMessage(
        QtDebugMsg, QRegularExpression(QStringLiteral("^actual player state QMediaPlayer::PlayingState ")));
    click("playBtn");
    QCOMPARE(media()->state(), QMediaPlayer::PausedState);
    QVERIFY(showsIcon(button("playBtn"), kPlayIcon));
    const qint64 held = media()->position();
    QTest::qWait(kLookingMs);
    QVERIFY2(qAbs(media()->position() - held) <= kPositionSlackMs,
        qPrintable(QStringLiteral("paused at %1, now at %2").arg(held).arg(media()->position())));

    QSignalSpy positions(media(), &QMediaPlayer::positionChanged);
    click("playBtn");
    QCOMPARE(media()->state(), QMediaPlayer::PlayingState);
    QVERIFY(showsIcon(button("playBtn"), kPauseIcon));
    QTRY_VERIFY_WITH_TIMEOUT(media()->position() > held + kPositionSlackMs, kPlaybackTimeoutMs);
    for (const QList<QVariant> &reported : qAsConst(positions))
        QVERIFY2(reported.at(0).toLongLong() >= held - kPositionSlackMs,
            qPrintable(QStringLiteral("went back to %1 from %2").arg(reported.at(0).toLongLong()).arg(held)));

    const qint64 stoppedAt = media()->position();
    click("stopBtn");
    QCOMPARE(media()->state(), QMediaPlayer::StoppedState);
    QVERIFY(showsIcon(button("playBtn"), kPlayIcon));
    QCOMPARE(media()->position(), 0);
    positions.clear();
    click("playBtn");
    QCOMPARE(media()->state(), QMediaPlayer::PlayingState);
    QTRY_VERIFY_WITH_TIMEOUT(!positions.isEmpty(), kPlaybackTimeoutMs);
    QVERIFY2(positions.first().at(0).toLongLong() < stoppedAt - kPlayedBeforeStopMs / 2,
        qPrintable(QStringLiteral("stopped at %1, went on at %2")
                       .arg(stoppedAt)
                       .arg(positions.first().at(0).toLongLong())));

    // Paused, a finger put down half way seeks there and keeps the handle
    // there while playback reports its positions.
    click("playBtn");
    auto *slider = player->findChild<Slider *>(QStringLiteral("slider"));
    auto *handle = slider->findChild<QPushButton *>(QStringLiteral("handle"));
    QSignalSpy moves(slider, &Slider::userMove);
    const int half = (slider->width() - kHandleSize) / 2;
    // Through the window, as the platform delivers a finger: to the widget
    // under it, then to the one holding the grab.
    QWindow *screen = window->windowHandle();
    const QPoint finger = slider->mapTo(window, QPoint(half + kHandleSize / 2, slider->height() / 2));
    QTest::mousePress(screen, Qt::LeftButton, {}, finger);
    QCOMPARE(moves.size(), 1);
    const int percent = moves.first().at(0).toInt();
    QVERIFY(qAbs(percent - 50) <= 1);
    QCOMPARE(handle->x(), half);
    const qint64 target = media()->duration() * percent / 100;
    QTRY_VERIFY_WITH_TIMEOUT(qAbs(media()->position() - target) <= kPositionSlackMs, kTimeoutMs);
    positions.clear();
    click("playBtn");
    QTRY_VERIFY_WITH_TIMEOUT(positions.size() >= 2, kPlaybackTimeoutMs);
    QCOMPARE(handle->x(), half);

    // Let go: the handle follows playback again, to the end.
    QTest::mouseRelease(screen, Qt::LeftButton, {}, finger);
    QTRY_VERIFY_WITH_TIMEOUT(handle->x() > half, kPlaybackTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(media()->mediaStatus(), QMediaPlayer::EndOfMedia, kPlaybackTimeoutMs);
    QCOMPARE(media()->state(), QMediaPlayer::StoppedState);
    QVERIFY(showsIcon(button("playBtn"), kPlayIcon));
}

void HistoryTest::returnKeepsVolumeAndGoesToLastAnchor_data()
{
    QTest::addColumn<FormEnum>("anchor");
    QTest::addColumn<int>("volume");
    QTest::newRow("menu, silent") << FormMenu << 0;
    QTest::newRow("history, quiet") << FormResultsList << 37;
}

// RETURN ends playback, keeps the volume for the account and goes back to
// the screen the player was opened from.
void HistoryTest::returnKeepsVolumeAndGoesToLastAnchor()
{
    QFETCH(FormEnum, anchor);
    QFETCH(int, volume);
    startApplication();
    if (anchor != FormMenu)
        openHistory();
    QCOMPARE(ClientSessionInfo::whereIAM, anchor);
    openPlayer();
    auto *slider = player->findChild<QSlider *>(QStringLiteral("volume"));
    QVERIFY(slider);
    QCOMPARE(slider->value(), static_cast<int>(User::defaultVolume));
    QCOMPARE(media()->volume(), static_cast<int>(User::defaultVolume));
    slider->setValue(volume);
    QCOMPARE(media()->volume(), volume);
    playUntil(kFirstPictureMs + kPositionSlackMs);

    click("returnBtn");
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(anchor), kTimeoutMs);
    QCOMPARE(window->currentFormValue(), anchor);
    QCOMPARE(media()->state(), QMediaPlayer::StoppedState);
    User stored;
    QVERIFY(readUserFile(
        ClientSessionInfo::accounts.location().usersFolder() + QStringLiteral("usr.usr"), &stored));
    QCOMPARE(stored.volume, volume);

    openPlayer();
    QCOMPARE(slider->value(), volume);
    QCOMPARE(media()->volume(), volume);
}

// The tracked tips trail over the picture in step with it, the newest point
// where the paths put the tip at the player's position; a tap on the strip
// under the slider goes to the time under the finger.
void HistoryTest::replayTrailsTheTrackedTipsAndSeeksFromTheStrip()
{
    startApplication();
    TrainingMeasurement measurement;
    measurement.paths = movingLeftTip(recordedMs);
    measurement.metrics.pictureSize = QSize(1280, 720);
    QVERIFY(writeTrainingMeasurement(recording, measurement));
    openPlayer();
    QTRY_VERIFY(player->trailHead(InstrumentLeft));
    const auto leftAtPosition = [this] {
        const double expected = 100 + kLeftSpeed * media()->position() / 1000.0;
        return player->trailHead(InstrumentLeft)
            && qAbs(player->trailHead(InstrumentLeft)->x() - expected) <= kLeftSpeed * kFrameMs / 1000.0;
    };
    QVERIFY(button("trailsBtn")->isChecked());
    playUntil(1500);
    click("playBtn");
    QTRY_VERIFY(leftAtPosition());
    QCOMPARE(*player->trailHead(InstrumentRight), QPointF(900, 400));
    auto *strip = player->findChild<SpeedStrip *>(QStringLiteral("speedStrip"));
    QVERIFY(strip && strip->isVisible());
    const int x = strip->width() / 4;
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(x, strip->height() / 2));
    const qint64 target = media()->duration() * x / strip->width();
    QTRY_VERIFY_WITH_TIMEOUT(qAbs(media()->position() - target) <= kFrameMs, kTimeoutMs);
    QTRY_VERIFY(leftAtPosition());
}

// COMPARE plays two trainings in step from their starts with one set of
// controls, and the shared slider seeks both.
void HistoryTest::comparePlaysBothVideosInStep()
{
    startApplication();
    const QString folder = ClientSessionInfo::actualUser()->recordingPathText();
    for (int hour : { 9, 10 })
        QVERIFY(QFile::copy(
            recording, trainingVideoPath(folder, trainingStamp(QDateTime(kDay, QTime(hour, 0))))));
    openHistory();
    QTRY_COMPARE_WITH_TIMEOUT(history->rows().size(), 2, kTimeoutMs);
    history->findChild<QPushButton *>("pushButton")->setChecked(true);
    QTest::mouseClick(history->findChild<QPushButton *>("compareBtn"), Qt::LeftButton);
    auto *view = history->findChild<CompareView *>();
    const auto position = [view](int side) { return view->mediaPlayer(side)->position(); };
    for (int side : { 0, 1 })
        QTRY_COMPARE_WITH_TIMEOUT(view->mediaPlayer(side)->state(), QMediaPlayer::PausedState, kTimeoutMs);
    auto *play = view->findChild<QPushButton *>("playBtn");
    QTest::mouseClick(play, Qt::LeftButton);
    std::array<qint64, 2> seen { 0, 0 };
    for (int look = 0; look < 4; ++look) {
        QTRY_VERIFY_WITH_TIMEOUT(
            position(0) > seen[0] + kPositionSlackMs && position(1) > seen[1] + kPositionSlackMs,
            kPlaybackTimeoutMs);
        seen = { position(0), position(1) };
        QVERIFY2(qAbs(seen[0] - seen[1]) <= 2 * kFrameMs,
            qPrintable(QStringLiteral("%1 and %2").arg(seen[0]).arg(seen[1])));
    }
    QTest::mouseClick(play, Qt::LeftButton);
    auto *slider = view->findChild<Slider *>(QStringLiteral("slider"));
    QSignalSpy moves(slider, &Slider::userMove);
    const QPoint finger = slider->mapTo(window, QPoint(slider->width() * 3 / 4, slider->height() / 2));
    QTest::mousePress(window->windowHandle(), Qt::LeftButton, {}, finger);
    QTest::mouseRelease(window->windowHandle(), Qt::LeftButton, {}, finger);
    QVERIFY(!moves.isEmpty());
    const qint64 target = view->mediaPlayer(0)->duration() * moves.first().at(0).toInt() / 100;
    for (int side : { 0, 1 })
        QTRY_VERIFY_WITH_TIMEOUT(qAbs(position(side) - target) <= kPositionSlackMs, kTimeoutMs);
}

QTEST_MAIN(HistoryTest)
#include "tst_history.moc"
