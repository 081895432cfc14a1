#include <QGraphicsView>
#include <QMediaRecorder>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "camera/camera.h"
#include "camera/videowidget.h"
#include "core/clientsessioninfo.h"
#include "core/mainwindow.h"
#include "history/slider.h"
#include "history/videoplayer.h"
#include "mediainspection.h"
#include "pictureinspection.h"
#include "sessionfixture.h"
#include "storage/user.h"

namespace {

// Generous: the tests share a small machine with other jobs.
constexpr int kScreenTimeoutMs = 15000;
constexpr int kPlaybackTimeoutMs = 30000;
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
// A slider this wide lets its handle travel 200 pixels.
constexpr int kSliderWidth = 230;
constexpr QSize kIconSize(50, 50);
constexpr auto kPlayIcon = ":/graphics/common_icons/play.png";
constexpr auto kPauseIcon = ":/graphics/common_icons/pause.png";

bool showsIcon(const QPushButton *button, const char *picture)
{
    return button->icon().pixmap(kIconSize).toImage()
        == QIcon(QLatin1String(picture)).pixmap(kIconSize).toImage();
}

// A press, move or release at a point of widget, delivered through its
// window as the platform delivers a finger: to the widget under it, or to
// the one holding the grab.
void touch(QWidget *widget, QEvent::Type type, QPoint pos)
{
    QWindow *window = widget->window()->windowHandle();
    const QPoint at = widget->mapTo(widget->window(), pos);
    if (type == QEvent::MouseButtonPress)
        QTest::mousePress(window, Qt::LeftButton, {}, at);
    else if (type == QEvent::MouseButtonRelease)
        QTest::mouseRelease(window, Qt::LeftButton, {}, at);
    else
        QTest::mouseMove(window, at);
}

QPushButton *handleOf(const Slider *slider)
{
    return slider->findChild<QPushButton *>(QStringLiteral("handle"));
}

} // namespace

// The video player playing a real recording of the virtual camera through
// the real media player, mostly in the real main window, and its finger
// slider.
class PlayerTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void playback();
    void returnKeepsVolumeAndGoesToLastAnchor_data();
    void returnKeepsVolumeAndGoesToLastAnchor();

    void pressPutsHandleUnderFinger_data();
    void pressPutsHandleUnderFinger();

private:
    void startApplication();
    void navigate(FormEnum form);
    void openPlayer();
    void click(const char *button);
    void playUntil(qint64 positionMs);
    QPushButton *button(const char *name) const;
    const QMediaPlayer *media() const { return player->mediaPlayer(); }

    QTemporaryDir recordings;
    QString recording;
    qint64 recordedMs = 0;
    MainWindow *window = nullptr;
    VideoPlayer *player = nullptr;
    std::unique_ptr<QTemporaryDir> data;
};

void PlayerTest::initTestCase()
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

void PlayerTest::init()
{
    resetSession();
}

void PlayerTest::cleanup()
{
    delete window;
    window = nullptr;
    player = nullptr;
    resetSession();
}

// The application as it starts, on the menu, with an account of its own.
void PlayerTest::startApplication()
{
    startOnFreshInstallation(data, window);
    if (QTest::currentTestFailed())
        return;
    player = qobject_cast<VideoPlayer *>(window->screenFor(FormVideoPlayer));
    QVERIFY(player);
}

void PlayerTest::navigate(FormEnum form)
{
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, kScreenTimeoutMs);
    QVERIFY(QMetaObject::invokeMethod(window, "ShowNextForm", Q_ARG(FormEnum, form)));
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(form), kScreenTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(window->lastEffect(), OpacityMax, kScreenTimeoutMs);
}

// Opens the player on the recording, as the history screen does, and waits
// until it is loaded, paused on the first picture.
void PlayerTest::openPlayer()
{
    ClientSessionInfo::actualFilename = recording;
    navigate(FormVideoPlayer);
    QTRY_COMPARE_WITH_TIMEOUT(media()->state(), QMediaPlayer::PausedState, kScreenTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(media()->position(), kFirstPictureMs, kScreenTimeoutMs);
}

QPushButton *PlayerTest::button(const char *name) const
{
    return player->findChild<QPushButton *>(QLatin1String(name));
}

void PlayerTest::click(const char *name)
{
    QPushButton *target = button(name);
    QVERIFY(target && target->isVisible());
    QTest::mouseClick(target, Qt::LeftButton);
}

void PlayerTest::playUntil(qint64 positionMs)
{
    click("playBtn");
    QTRY_COMPARE_WITH_TIMEOUT(media()->state(), QMediaPlayer::PlayingState, kScreenTimeoutMs);
    QTRY_VERIFY_WITH_TIMEOUT(media()->position() >= positionMs, kPlaybackTimeoutMs);
}

// Loaded, the video shows its first picture and stays there however long
// one looks; PLAY and PAUSE go on from where it was, STOP and PLAY restart,
// the slider seeks, and playback ends at the file's end.
void PlayerTest::playback()
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
    QPushButton *handle = handleOf(slider);
    QSignalSpy moves(slider, &Slider::userMove);
    const int half = (slider->width() - kHandleSize) / 2;
    const QPoint finger(half + kHandleSize / 2, slider->height() / 2);
    touch(slider, QEvent::MouseButtonPress, finger);
    QCOMPARE(moves.size(), 1);
    const int percent = moves.first().at(0).toInt();
    QVERIFY(qAbs(percent - 50) <= 1);
    QCOMPARE(handle->x(), half);
    const qint64 target = media()->duration() * percent / 100;
    QTRY_VERIFY_WITH_TIMEOUT(qAbs(media()->position() - target) <= kPositionSlackMs, kScreenTimeoutMs);
    positions.clear();
    click("playBtn");
    QTRY_VERIFY_WITH_TIMEOUT(positions.size() >= 2, kPlaybackTimeoutMs);
    QCOMPARE(handle->x(), half);

    // Let go: the handle follows playback again, to the end.
    touch(slider, QEvent::MouseButtonRelease, finger);
    QTRY_VERIFY_WITH_TIMEOUT(handle->x() > half, kPlaybackTimeoutMs);
    QTRY_COMPARE_WITH_TIMEOUT(media()->mediaStatus(), QMediaPlayer::EndOfMedia, kPlaybackTimeoutMs);
    QCOMPARE(media()->state(), QMediaPlayer::StoppedState);
    QVERIFY(showsIcon(button("playBtn"), kPlayIcon));
}

void PlayerTest::returnKeepsVolumeAndGoesToLastAnchor_data()
{
    QTest::addColumn<FormEnum>("anchor");
    QTest::addColumn<int>("volume");
    QTest::newRow("menu, silent") << FormMenu << 0;
    QTest::newRow("history, quiet") << FormResultsList << 37;
}

// RETURN ends playback, keeps the volume for the account and goes back to
// the screen the player was opened from.
void PlayerTest::returnKeepsVolumeAndGoesToLastAnchor()
{
    QFETCH(FormEnum, anchor);
    QFETCH(int, volume);
    startApplication();
    if (anchor != FormMenu)
        navigate(anchor);
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
    QTRY_COMPARE_WITH_TIMEOUT(ClientSessionInfo::actualForm, window->screenFor(anchor), kScreenTimeoutMs);
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

void PlayerTest::pressPutsHandleUnderFinger_data()
{
    QTest::addColumn<int>("shownWidth");
    QTest::addColumn<qreal>("x");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("handleX");

    QTest::newRow("left stop") << kSliderWidth << 15.0 << 0 << 0;
    QTest::newRow("right stop") << kSliderWidth << 215.0 << 100 << 200;
    QTest::newRow("before the start") << kSliderWidth << 2.0 << 0 << 0;
    QTest::newRow("past the end") << kSliderWidth << 229.0 << 100 << 200;
    QTest::newRow("quarter") << kSliderWidth << 65.0 << 25 << 50;
    QTest::newRow("rounded up") << kSliderWidth << 64.5 << 25 << 50;
    QTest::newRow("rounded down") << kSliderWidth << 64.4 << 24 << 49;
    // Shown at a provisional width, then laid out to its final one.
    QTest::newRow("laid out after show, quarter") << 100 << 65.0 << 25 << 50;
    QTest::newRow("laid out after show, right stop") << 100 << 215.0 << 100 << 200;
}

void PlayerTest::pressPutsHandleUnderFinger()
{
    QFETCH(int, shownWidth);
    QFETCH(qreal, x);
    QFETCH(int, percent);
    QFETCH(int, handleX);

    Slider slider;
    slider.resize(shownWidth, kHandleSize);
    slider.show();
    QVERIFY(QTest::qWaitForWindowExposed(&slider));
    slider.resize(kSliderWidth, kHandleSize);
    QPushButton *handle = handleOf(&slider);
    QVERIFY(handle);
    QSignalSpy moves(&slider, &Slider::userMove);

    // Sub-pixel positions, as touch screens report them.
    const QPointF at(x, kHandleSize / 2);
    QMouseEvent press(QEvent::MouseButtonPress, at, QPointF(slider.mapToGlobal(at.toPoint())), Qt::LeftButton,
        Qt::LeftButton, {});
    QApplication::sendEvent(&slider, &press);
    QCOMPARE(moves.size(), 1);
    QCOMPARE(moves.first().at(0).toInt(), percent);
    QCOMPARE(handle->x(), handleX);
    QCOMPARE(handle->y(), 0);
}

QTEST_MAIN(PlayerTest)
#include "tst_player.moc"
