#include "history/compareview.h"

#include <QEvent>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QtConcurrent>

#include "core/apptext.h"
#include "core/touchfeedback.h"
#include "history/comparisontable.h"
#include "history/pairedplayback.h"
#include "history/slider.h"
#include "history/trailedvideo.h"
#include "history/videoplayer.h"

namespace {

// The looks of the player's screen, on a background of its own that hides
// the history beneath.
constexpr auto kStyle
    = "CompareView { background: rgb(24, 28, 36); }"
      "QGraphicsView { background: black; border: none; }"
      "QLabel { color: rgb(203, 203, 203); background: transparent; }"
      "QPushButton { border-image: url(:/graphics/application_layout/button_blue2.png) 0 0 0 0 stretch "
      "stretch;"
      " color: rgb(203, 203, 203); }"
      "QPushButton[touched=true], QPushButton:checked {"
      " border-image: url(:/graphics/application_layout/button_blue2_p.png) 0 0 0 0 stretch stretch; }";
constexpr auto kPlayIcon = ":/graphics/common_icons/play.png";
constexpr auto kPauseIcon = ":/graphics/common_icons/pause.png";
constexpr QSize kIconSize(50, 50);
constexpr QSize kButtonSize(140, 77);
constexpr int kButtonPointSize = 14;
constexpr int kTitlePointSize = 13;
constexpr int kFiguresPointSize = 10;
constexpr int kTimeWidth = 240;
constexpr qint64 kPercent = 100;

std::array<StoredMetrics, 2> readBoth(const QString &first, const QString &second)
{
    return { readTrainingMetrics(first), readTrainingMetrics(second) };
}

} // namespace

CompareView::CompareView(QWidget *covered)
    : QWidget(covered)
    , backButton(new QPushButton(this))
    , playButton(new QPushButton(this))
    , trailsButton(new QPushButton(this))
    , slider(new Slider(this))
    , time(new QLabel(this))
    , figures(new ComparisonTable(this))
{
    setObjectName(QStringLiteral("compareView"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QLatin1String(kStyle));
    auto *pictures = new QHBoxLayout;
    for (int side = 0; side < 2; ++side) {
        views[side] = new QGraphicsView(this);
        views[side]->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        views[side]->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        titles[side] = new QLabel(this);
        QFont title = font();
        title.setPointSize(kTitlePointSize);
        title.setBold(true);
        titles[side]->setFont(title);
        auto *column = new QVBoxLayout;
        column->addWidget(titles[side]);
        column->addWidget(views[side], 1);
        pictures->addLayout(column);
        videos[side] = new TrailedVideo(views[side], this);
    }
    playback = new PairedPlayback(videos[0], videos[1], this);
    QFont small = font();
    small.setPointSize(kFiguresPointSize);
    figures->setFont(small);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(pictures, 1);
    layout->addWidget(buildControls());
    layout->addWidget(figures, 0, Qt::AlignHCenter);

    connect(playback, &PairedPlayback::positionChanged, this, &CompareView::showPosition);
    connect(playback, &PairedPlayback::playingChanged, this, [this](bool playing) {
        playButton->setIcon(QIcon(QLatin1String(playing ? kPauseIcon : kPlayIcon)));
    });
    connect(slider, &Slider::userMove, this, &CompareView::seekTo);
    connect(playButton, &QPushButton::clicked, this, &CompareView::togglePlay);
    connect(backButton, &QPushButton::clicked, this, &CompareView::hide);
    connect(trailsButton, &QPushButton::toggled, this, [this](bool on) {
        for (TrailedVideo *video : videos)
            video->setTrailsVisible(on);
    });
    connect(
        &reading, &QFutureWatcher<std::array<StoredMetrics, 2>>::finished, this, &CompareView::showFigures);
    covered->installEventFilter(this);
    hide();
}

CompareView::~CompareView()
{
    reading.waitForFinished();
}

QWidget *CompareView::buildControls()
{
    auto *controls = new QWidget(this);
    auto *row = new QHBoxLayout(controls);
    QFont bold = font();
    bold.setPointSize(kButtonPointSize);
    bold.setBold(true);
    backButton->setObjectName(QStringLiteral("returnBtn"));
    playButton->setObjectName(QStringLiteral("playBtn"));
    trailsButton->setObjectName(QStringLiteral("trailsBtn"));
    slider->setObjectName(QStringLiteral("slider"));
    time->setObjectName(QStringLiteral("time"));
    for (QPushButton *button : { backButton, playButton, trailsButton }) {
        button->setFixedSize(kButtonSize);
        button->setFont(bold);
        button->setFocusPolicy(Qt::NoFocus);
        button->installEventFilter(this);
    }
    playButton->setIconSize(kIconSize);
    playButton->setIcon(QIcon(QLatin1String(kPlayIcon)));
    trailsButton->setCheckable(true);
    trailsButton->setChecked(true);
    time->setFont(bold);
    time->setFixedWidth(kTimeWidth);
    time->setAlignment(Qt::AlignCenter);
    row->addWidget(backButton);
    row->addWidget(playButton);
    row->addWidget(slider, 1);
    row->addWidget(time);
    row->addWidget(trailsButton);
    return controls;
}

void CompareView::translate()
{
    backButton->setText(text(TxtBack, false, true, false, 0));
    trailsButton->setText(VideoPlayer::tr("TRAILS"));
}

const QMediaPlayer *CompareView::mediaPlayer(int side) const
{
    return videos.at(side)->player();
}

void CompareView::compare(const TrainingRecord &first, const TrainingRecord &second)
{
    translate();
    setGeometry(parentWidget()->rect());
    show();
    raise();
    titles[0]->setText(first.dateText);
    titles[1]->setText(second.dateText);
    // Loaded while shown: a video waits paused on its first picture only then.
    videos[0]->load(first.videoPath);
    videos[1]->load(second.videoPath);
    showPosition(0);
    reading.setFuture(QtConcurrent::run(readBoth, first.videoPath, second.videoPath));
}

void CompareView::showFigures()
{
    const std::array<StoredMetrics, 2> read = reading.result();
    figures->showTrainings({ titles[0]->text(), titles[1]->text() }, read[0], read[1]);
}

void CompareView::togglePlay()
{
    if (playback->isPlaying())
        playback->pause();
    else
        playback->play();
}

void CompareView::showPosition(qint64 positionMs)
{
    const qint64 duration = playback->duration();
    slider->setPosition(duration > 0 ? static_cast<int>(kPercent * positionMs / duration) : 0);
    time->setText(timeReadOut(positionMs, duration));
}

void CompareView::seekTo(int percent)
{
    playback->seek(playback->duration() * percent / kPercent);
}

void CompareView::hideEvent(QHideEvent *event)
{
    playback->pause();
    QWidget::hideEvent(event);
}

bool CompareView::eventFilter(QObject *object, QEvent *event)
{
    if (object == parentWidget()) {
        if (event->type() == QEvent::Resize)
            setGeometry(parentWidget()->rect());
        return false;
    }
    applyTouchFeedback(object, event);
    return false;
}
