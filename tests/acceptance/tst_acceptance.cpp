#include <QDir>
#include <QLabel>
#include <QMediaPlayer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "camera/settingsdialog.h"
#include "camera/timerwidget.h"
#include "camera/timingsettingsdialog.h"
#include "core/apptext.h"
#include "core/startup.h"
#include "dialogs/infodialog.h"
#include "history/metricstable.h"
#include "history/videoplayer.h"
#include "mediainspection.h"
#include "storage/trainingmetricsfile.h"
#include "storage/trainingrecords.h"
#include "storage/user.h"
#include "traineesteps.h"

using namespace TraineeSteps;

namespace {

// The clock shows the whole seconds trained; a countdown ends a second
// after its time.
constexpr int kClockTimeoutMs = 30000;
// Long enough for the training's picture, taken three seconds in.
constexpr int kStopwatchSeconds = 4;
// A new account's countdown, the shortest the timing dialog offers.
constexpr int kCountdownSeconds = 5;

// The row of the history that shows video.
SimpleListItem *rowOf(const ResultsListForm *history, const QString &video)
{
    for (SimpleListItem *row : history->rows()) {
        if (row->getVideoPath() == QDir::cleanPath(video))
            return row;
    }
    return nullptr;
}

// The date a training's row shows, from the stamp in its file name.
QString shownDate(const QString &video)
{
    return QDateTime::fromString(QFileInfo(video).completeBaseName(), QStringLiteral("yyyy_MM_dd'T'hh_mm_ss"))
        .toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

} // namespace

// The whole application as a trainee meets it, on fresh folders: the first
// run, two recorded trainings, the history with its player, delete
// and counter, the settings' language, quitting and starting again. Every
// step is a click or a key press on the real main window, and its outcome is
// read on the screen and from the files on disk. The steps run in order,
// each on what the one before left; once one fails, the rest are skipped.
class AcceptanceTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void firstRunAsksLanguageCameraAndLocation();
    void stopwatchTrainingIsRecordedWithSoundAndMeasured();
    void countdownTrainingEndsByItself();
    void historyListsBothNewestFirst();
    void stopwatchTrainingPlays();
    void deleteRemovesOneTraining();
    void counterResets();
    void settingsChangeTheLanguage();
    void quittingAndStartingAgainKeepsEverything();

private:
    void startApplication();
    void quitApplication();
    User storedAccount() const;
    QStringList recordingFiles() const;
    QLabel *clock() const;
    ResultsListForm *history() const;
    void chooseTiming(const char *button);
    void selectTraining(const QString &video);

    std::unique_ptr<MainWindow> window;
    std::unique_ptr<TrainingSteps> training;
    QTemporaryDir data;
    QString stopwatchVideo;
    QString countdownVideo;
    bool walkBroken = false;
};

void AcceptanceTest::initTestCase()
{
    gst_init(nullptr, nullptr);
    // The walk starts without a configuration: only ever in a home of its own.
    QVERIFY2(ClientSessionInfo::configPath.startsWith(QLatin1String(KAVRIN_TEST_HOME "/")),
        "run through ctest, which gives the test a home of its own");
    QVERIFY(data.isValid());
    resetSession();
    removeConfiguration();
}

void AcceptanceTest::init()
{
    if (walkBroken)
        QSKIP("an earlier step of the walk failed");
}

void AcceptanceTest::cleanup()
{
    walkBroken = walkBroken || QTest::currentTestFailed();
}

void AcceptanceTest::cleanupTestCase()
{
    training.reset();
    window.reset();
    resetSession();
}

// As the process entry does.
void AcceptanceTest::startApplication()
{
    window = std::make_unique<MainWindow>();
    launch(*window);
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    training = std::make_unique<TrainingSteps>(window.get());
}

// The menu's exit button ends the application's event loop, as it ends the
// process; the window then goes as the process entry's does.
void AcceptanceTest::quitApplication()
{
    QWidget *exit = window->screenFor(FormMenu)->findChild<QPushButton *>(QStringLiteral("exitBtn"));
    QVERIFY(exit);
    QTimer::singleShot(0, exit, [exit] { QTest::mouseClick(exit, Qt::LeftButton); });
    // An exit button that does nothing fails the step instead of hanging it.
    QTimer stuck;
    stuck.setSingleShot(true);
    connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(EXIT_FAILURE); });
    stuck.start(kStepTimeoutMs);
    QCOMPARE(QApplication::exec(), EXIT_SUCCESS);
    training.reset();
    window.reset();
}

User AcceptanceTest::storedAccount() const
{
    User user;
    [&] { QVERIFY(readUserFile(ClientSessionInfo::accounts.location().usersFolder() + "usr.usr", &user)); }();
    return user;
}

QStringList AcceptanceTest::recordingFiles() const
{
    return QDir(ClientSessionInfo::actualUser()->recordingPathText()).entryList(QDir::Files, QDir::Name);
}

QLabel *AcceptanceTest::clock() const
{
    return training->screen()->timeDisplay()->findChild<QLabel *>(QStringLiteral("label"));
}

ResultsListForm *AcceptanceTest::history() const
{
    return qobject_cast<ResultsListForm *>(window->screenFor(FormResultsList));
}

// The timing dialog's row of that button switched on and confirmed: "timer"
// is the stopwatch's, "stopwatch" the countdown's, with the duration shown.
void AcceptanceTest::chooseTiming(const char *button)
{
    click(training->screen(), "settingsBtn");
    auto *timing = awaitDialog<TimingSettingsDialog>();
    QVERIFY(timing);
    click(timing, button);
    click(timing, "pushButton");
    QTRY_VERIFY_WITH_TIMEOUT(training->screen()->isEnabled(), kStepTimeoutMs);
}

// A tap on the training's row.
void AcceptanceTest::selectTraining(const QString &video)
{
    SimpleListItem *row = rowOf(history(), video);
    QVERIFY2(row, qPrintable(video));
    QTest::mouseClick(row, Qt::LeftButton, Qt::NoModifier, row->rect().center());
    QCOMPARE(ClientSessionInfo::actualFilename, QDir::cleanPath(video));
}

void AcceptanceTest::firstRunAsksLanguageCameraAndLocation()
{
    startApplication();
    // English unless another flag is chosen.
    click(awaitDialog<LanguageSelectDialog>(), "nextBtn");
    QCOMPARE(ClientSessionInfo::langEnum, LangEnglish);
    confirmCamera();
    chooseLocation(data.path());
    QTRY_VERIFY_WITH_TIMEOUT(!ClientSessionInfo::dialogHost()->isVisible(), kStepTimeoutMs);
    QWidget *menu = window->screenFor(FormMenu);
    QVERIFY(menu->isEnabled());
    QCOMPARE(menu->findChild<QPushButton *>(QStringLiteral("trainingButton"))->text(),
        QStringLiteral("START TRAINING"));

    // The data location's tree with the default account, and a
    // configuration naming all three choices.
    const QDir location(data.path());
    QCOMPARE(QDir(location.filePath("Kavrin/Pemblar/Users")).entryList(QDir::Files),
        (QStringList { "usr.lock", "usr.usr" }));
    QVERIFY(location.exists("Kavrin/Pemblar/Records/usr"));
    const QByteArray config = configurationText();
    QVERIFY2(config.contains("<language>en</language>"), config);
    QVERIFY2(config.contains("<recordingPath>" + data.path().toUtf8() + "/</recordingPath>"), config);
    QVERIFY2(config.contains("<selected_camera>Virtual Camera</selected_camera>"), config);
}

void AcceptanceTest::stopwatchTrainingIsRecordedWithSoundAndMeasured()
{
    training->open();
    PreviewForm *screen = training->screen();
    click(screen, "record");
    click(screen, "sound");
    chooseTiming("timer");

    training->start();
    QTRY_VERIFY_WITH_TIMEOUT(ClientSessionInfo::isRecording(), kStepTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(
        clock()->text(), QTime(0, 0).addSecs(kStopwatchSeconds).toString("hh:mm:ss"), kClockTimeoutMs);
    training->finishByTap();

    // The figures open over the training screen once it is back: a path
    // length in millimetres for the instruments in the picture.
    QTRY_VERIFY_WITH_TIMEOUT(shownDialog<TrainingResultsDialog>(), kClockTimeoutMs);
    const MetricsTable *table = shownDialog<TrainingResultsDialog>()->findChild<MetricsTable *>();
    QVERIFY(table);
    int pathRow = 1;
    while (!table->cellText(pathRow, 0).isEmpty() && table->cellText(pathRow, 0) != "Path length")
        ++pathRow;
    QCOMPARE(table->cellText(pathRow, 0), QStringLiteral("Path length"));
    const QRegularExpression millimetres(QStringLiteral("^\\d+ mm$"));
    QVERIFY2(millimetres.match(table->cellText(pathRow, 1)).hasMatch()
            || millimetres.match(table->cellText(pathRow, 2)).hasMatch(),
        qPrintable(table->cellText(pathRow, 1) + " / " + table->cellText(pathRow, 2)));
    training->waitUntilBack();

    // The video with its sound, its picture and its measurements, under one
    // stamp; the seconds trained, less one, counted in the account.
    stopwatchVideo = screen->currentVideoPath();
    const QString stamp = QFileInfo(stopwatchVideo).completeBaseName();
    QCOMPARE(recordingFiles(),
        (QStringList { stamp + ".metrics.json", stamp + ".mp4", stamp + ".paths.csv", stamp + "mi.png" }));
    const MediaFacts facts = discover(stopwatchVideo);
    QCOMPARE(facts.videoCodec, QStringLiteral("video/x-h264"));
    QVERIFY(facts.audioCaps.startsWith(QLatin1String("audio/mpeg")));
    QVERIFY(facts.durationMs > 0);
    QCOMPARE(readTrainingMetrics(stopwatchVideo).status, StoredStatus::Present);
    QVERIFY(storedAccount().totalTrainingTime >= kStopwatchSeconds - 1);
    QCOMPARE(storedAccount().stopwatchOn, 1);
}

void AcceptanceTest::countdownTrainingEndsByItself()
{
    const qint32 before = storedAccount().totalTrainingTime;
    chooseTiming("stopwatch");
    QCOMPARE(storedAccount().timerOn, 1);
    QCOMPARE(storedAccount().timerSeconds, kCountdownSeconds);

    training->start();
    QTRY_VERIFY_WITH_TIMEOUT(ClientSessionInfo::isRecording(), kStepTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(clock()->text(), QStringLiteral("00:00:01"), kClockTimeoutMs);
    // The training screen announces the end.
    QTRY_VERIFY_WITH_TIMEOUT(shownDialog<InfoDialog>(), kClockTimeoutMs);
    QCOMPARE(clock()->text(), QStringLiteral("00:00:00"));
    click(shownDialog<InfoDialog>(), "pushButton");
    training->waitUntilBack();

    countdownVideo = training->screen()->currentVideoPath();
    QVERIFY(QFile::exists(trainingPicturePath(countdownVideo)));
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(trainingMetricsPath(countdownVideo)), kStepTimeoutMs);
    QCOMPARE(recordingFiles().size(), 8);
    QVERIFY(discover(countdownVideo).durationMs > 0);
    QVERIFY(storedAccount().totalTrainingTime > before);
}

void AcceptanceTest::historyListsBothNewestFirst()
{
    click(training->screen(), "returnBtn");
    waitForScreen(window.get(), FormMenu);
    openFromMenu(window.get(), "resultsButton", FormResultsList);
    QTRY_COMPARE_WITH_TIMEOUT(history()->rows().size(), 2, kStepTimeoutMs);
    const QStringList dates = shownTrainingDates(history());
    QCOMPARE(dates.size(), 2);
    QVERIFY2(dates.at(0).endsWith(shownDate(countdownVideo)), qPrintable(dates.join(", ")));
    QVERIFY2(dates.at(1).endsWith(shownDate(stopwatchVideo)), qPrintable(dates.join(", ")));
    QCOMPARE(history()->findChild<QLabel *>(QStringLiteral("timeLabel"))->text(),
        toDurationString(storedAccount().totalTrainingTime));
}

void AcceptanceTest::stopwatchTrainingPlays()
{
    selectTraining(stopwatchVideo);
    click(history(), "playBtn");
    waitForScreen(window.get(), FormVideoPlayer);
    auto *player = qobject_cast<VideoPlayer *>(window->screenFor(FormVideoPlayer));
    const QMediaPlayer *media = player->mediaPlayer();
    QCOMPARE(media->currentMedia().request().url().toLocalFile(), QDir::cleanPath(stopwatchVideo));
    // Loaded, waiting on its first picture.
    QTRY_COMPARE_WITH_TIMEOUT(media->state(), QMediaPlayer::PausedState, kStepTimeoutMs);

    click(player, "playBtn");
    QTRY_COMPARE_WITH_TIMEOUT(media->state(), QMediaPlayer::PlayingState, kStepTimeoutMs);
    // Playing to the end is tst_player's.
    QTRY_VERIFY_WITH_TIMEOUT(media->position() > 1000, kStepTimeoutMs);

    click(player, "returnBtn");
    waitForScreen(window.get(), FormResultsList);
    QTRY_COMPARE_WITH_TIMEOUT(history()->rows().size(), 2, kStepTimeoutMs);
}

void AcceptanceTest::deleteRemovesOneTraining()
{
    selectTraining(countdownVideo);
    click(history(), "deleteBtn");
    answerQuestion("rightBtn");
    QTRY_COMPARE_WITH_TIMEOUT(history()->rows().size(), 1, kStepTimeoutMs);
    QVERIFY(rowOf(history(), stopwatchVideo));

    for (const QString &file : QStringList { countdownVideo, trainingPicturePath(countdownVideo) }
            + trainingMeasurementPaths(countdownVideo))
        QVERIFY2(!QFile::exists(file), qPrintable(file));
    QCOMPARE(recordingFiles().size(), 4);
    QVERIFY(QFile::exists(stopwatchVideo));
}

void AcceptanceTest::counterResets()
{
    auto *time = history()->findChild<QLabel *>(QStringLiteral("timeLabel"));
    QVERIFY(time->text() != QStringLiteral("00:00:00"));
    click(history(), "resetTimeBtn");
    QCOMPARE(time->text(), QStringLiteral("00:00:00"));
    QCOMPARE(storedAccount().totalTrainingTime, 0);
    click(history(), "returnBtn");
    waitForScreen(window.get(), FormMenu);
}

void AcceptanceTest::settingsChangeTheLanguage()
{
    QWidget *menu = window->screenFor(FormMenu);
    click(menu, "camSettingsBtn");
    QTRY_VERIFY_WITH_TIMEOUT(shownDialog<SettingsDialog>(), kStepTimeoutMs);
    auto *settings = shownDialog<SettingsDialog>();
    auto *languages = settings->findChild<QComboBox *>(QStringLiteral("comboBox"));
    QCOMPARE(languages->currentText(), QStringLiteral("EN"));
    // The language below English in the list.
    QTest::keyClick(languages, Qt::Key_Down);
    QCOMPARE(languages->currentText(), QStringLiteral("DE"));
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::langEnum, LangGerman, kStepTimeoutMs);
    click(settings, "pushButton");
    QTRY_VERIFY_WITH_TIMEOUT(!ClientSessionInfo::dialogHost()->isVisible(), kStepTimeoutMs);

    const QString german = text(TxtStartTraining, false, true, false, 0);
    QVERIFY(german != QStringLiteral("START TRAINING"));
    QCOMPARE(menu->findChild<QPushButton *>(QStringLiteral("trainingButton"))->text(), german);
    QVERIFY(configurationText().contains("<language>de</language>"));
    QCOMPARE(storedAccount().userLanguage, qint32(LangGerman));
}

void AcceptanceTest::quittingAndStartingAgainKeepsEverything()
{
    const qint32 total = storedAccount().totalTrainingTime;
    const QStringList files = recordingFiles();
    quitApplication();
    if (QTest::currentTestFailed())
        return;
    resetSession();

    // The menu straight away, in German, for the same account.
    startApplication();
    waitForScreen(window.get(), FormMenu);
    QVERIFY(!ClientSessionInfo::dialogHost()->isVisible());
    QCOMPARE(ClientSessionInfo::actualUser()->nameText(), QStringLiteral("usr"));
    QCOMPARE(ClientSessionInfo::langEnum, LangGerman);
    QCOMPARE(window->screenFor(FormMenu)->findChild<QPushButton *>(QStringLiteral("trainingButton"))->text(),
        text(TxtStartTraining, false, true, false, 0));

    // The remaining training and the total time, on disk and in the history.
    QCOMPARE(recordingFiles(), files);
    QCOMPARE(storedAccount().totalTrainingTime, total);
    openFromMenu(window.get(), "resultsButton", FormResultsList);
    QTRY_COMPARE_WITH_TIMEOUT(history()->rows().size(), 1, kStepTimeoutMs);
    QVERIFY(rowOf(history(), stopwatchVideo));
    QCOMPARE(history()->findChild<QLabel *>(QStringLiteral("timeLabel"))->text(), toDurationString(total));
    QCOMPARE(readTrainingMetrics(stopwatchVideo).status, StoredStatus::Present);

    // The account's switches and timing as they were left.
    click(history(), "returnBtn");
    waitForScreen(window.get(), FormMenu);
    training->open();
    QVERIFY(training->screen()->findChild<QPushButton *>(QStringLiteral("record"))->isChecked());
    QVERIFY(training->screen()->findChild<QPushButton *>(QStringLiteral("sound"))->isChecked());
    QCOMPARE(ClientSessionInfo::timertype, TimerCountdown);
}

QTEST_MAIN(AcceptanceTest)
#include "tst_acceptance.moc"
