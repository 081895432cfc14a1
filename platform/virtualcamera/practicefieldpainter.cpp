#include "practicefieldpainter.h"

#include <QDateTime>
#include <QPainter>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QtMath>

#include <cmath>

namespace {

// Everything is drawn in a 1280x720 scene scaled to the frame size.
constexpr qreal kSceneWidth = 1280;
constexpr qreal kSceneHeight = 720;

constexpr int kPegColumns = 6;
constexpr int kPegRows = 3;
constexpr QPointF kFirstPeg(290, 200);
constexpr qreal kPegSpacingX = 140;
constexpr qreal kPegSpacingY = 160;
constexpr qreal kPegRadius = 15;
constexpr qreal kRingRadius = 27;
constexpr qreal kRingWidth = 9;
constexpr int kSpeckles = 2500;
constexpr quint32 kTextureSeed = 7;

constexpr qreal kShaftWidth = InstrumentMotion::kShaftWidth;
constexpr qreal kJawLength = InstrumentMotion::kJawLength;
constexpr qreal kBandLength = InstrumentMotion::kBandLength;
// A band counts as hidden once the other instrument covers more than this.
constexpr double kMostlyCovered = 0.5;
// The smear of a moving instrument is drawn as the average of the scene at
// moments this many scene pixels of its motion apart, at most kMostMoments.
constexpr qreal kBlurStep = 1.5;
constexpr int kMostMoments = 24;
constexpr double kFrameSeconds = 1.0 / 30;
// A glossy band's highlight: a streak along the band on the side facing the
// light, up to this share of the band's width.
constexpr qreal kWidestHighlight = 0.4;
constexpr QPointF kShadowOffset(14, 18);
constexpr qreal kCaptionMargin = 16;
constexpr qreal kCaptionPadding = 10;
constexpr int kCaptionPixelSize = 24;

const QColor kSurround(24, 20, 18);
const QColor kBoardLight(70, 105, 88);
const QColor kBoardDark(48, 76, 64);
const QColor kBoardEdge(30, 45, 38);
const QColor kShadow(0, 0, 0, 90);
const QColor kShaft(62, 64, 68);
const QColor kShaftHighlight(150, 155, 160);
const QColor kJaw(185, 189, 194);
// Saturated green (hue 120 degrees) and magenta (hue 305 degrees): far in
// hue from the board (150 degrees, and a third as saturated) and from every
// ring.
const QColor kLeftBand(40, 220, 40);
const QColor kRightBand(225, 40, 205);

struct PlacedRing
{
    int column;
    int row;
    QColor colour;
};

const PlacedRing kPlacedRings[] = {
    { 0, 0, QColor(230, 120, 30) },
    { 2, 1, QColor(40, 110, 210) },
    { 4, 0, QColor(235, 200, 40) },
    { 5, 2, QColor(200, 40, 50) },
    { 1, 2, QColor(40, 110, 210) },
};
const QColor kCarriedRing(230, 120, 30);

QPointF pegCentre(int column, int row)
{
    return kFirstPeg + QPointF(column * kPegSpacingX, row * kPegSpacingY);
}

void drawRing(QPainter &painter, const QPointF &centre, const QColor &colour)
{
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kShadow, kRingWidth));
    painter.drawEllipse(centre + kShadowOffset / 2, kRingRadius, kRingRadius);
    painter.setPen(QPen(colour, kRingWidth));
    painter.drawEllipse(centre, kRingRadius, kRingRadius);
    painter.setPen(QPen(colour.lighter(150), 2));
    painter.drawArc(
        QRectF(centre - QPointF(kRingRadius, kRingRadius), QSizeF(2, 2) * kRingRadius), 60 * 16, 90 * 16);
}

void drawPeg(QPainter &painter, const QPointF &centre)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(kShadow);
    painter.drawEllipse(centre + kShadowOffset / 2, kPegRadius + 2, kPegRadius + 2);
    QRadialGradient shade(centre - QPointF(5, 5), kPegRadius * 1.6);
    shade.setColorAt(0, QColor(235, 235, 230));
    shade.setColorAt(1, QColor(120, 120, 115));
    painter.setBrush(shade);
    painter.drawEllipse(centre, kPegRadius, kPegRadius);
}

// A grasper entering the box through a port below the picture, with its
// tracking band; its jaws open and close with `opening` between 0 and 1.
void drawInstrument(QPainter &painter, const InstrumentMotion::Pose &pose, qreal opening, const QColor &band,
    qreal highlight)
{
    const QLineF axis(pose.port, pose.tip);
    const QPointF direction = pose.direction();
    const QPointF jawBase = pose.jawBase();

    painter.setPen(QPen(kShadow, kShaftWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(pose.port + kShadowOffset, jawBase + kShadowOffset);
    painter.setPen(QPen(kShaft, kShaftWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(pose.port, jawBase);
    const QPointF side(-direction.y() * kShaftWidth / 4, direction.x() * kShaftWidth / 4);
    painter.setPen(QPen(kShaftHighlight, kShaftWidth / 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(pose.port + side, jawBase + side);
    painter.setPen(QPen(band, kShaftWidth, Qt::SolidLine, Qt::FlatCap));
    const QLineF bandLine(jawBase - direction * kBandLength, jawBase);
    painter.drawLine(bandLine);
    if (highlight > 0) {
        const QColor white(Qt::white);
        const qreal shine = 0.5 + 0.5 * highlight;
        const QColor streak = QColor::fromRgbF(band.redF() + (white.redF() - band.redF()) * shine,
            band.greenF() + (white.greenF() - band.greenF()) * shine,
            band.blueF() + (white.blueF() - band.blueF()) * shine);
        painter.setPen(QPen(streak, kWidestHighlight * highlight * kShaftWidth, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(bandLine.translated(side));
    }

    painter.setPen(QPen(kJaw, 8, Qt::SolidLine, Qt::RoundCap));
    const qreal spread = 10 + 25 * opening;
    for (const qreal sign : { -1.0, 1.0 }) {
        QLineF jaw(jawBase, jawBase + direction * kJawLength);
        jaw.setAngle(axis.angle() + sign * spread);
        painter.drawLine(jaw);
    }
}

} // namespace

PracticeFieldPainter::PracticeFieldPainter(const QSize &frameSize, const SceneOptions &scene)
    : scene(scene)
    , motion(scene.crossing)
    , background(frameSize, QImage::Format_RGB32)
{
    const qreal scale = qMin(frameSize.width() / kSceneWidth, frameSize.height() / kSceneHeight);
    view.translate(
        (frameSize.width() - kSceneWidth * scale) / 2, (frameSize.height() - kSceneHeight * scale) / 2);
    view.scale(scale, scale);
    renderBackground();
}

PracticeFieldPainter::BandCentres PracticeFieldPainter::bandCentres(double seconds) const
{
    BandCentres centres;
    if (!instrumentsShown)
        return centres;
    const InstrumentMotion::Poses poses = motion.posesAt(seconds);
    const QRectF picture(QPointF(0, 0), QSizeF(frameSize()));
    for (int i = 0; i < kInstrumentCount; ++i) {
        const QPointF centre = view.map(poses[i].bandCentre());
        if (picture.contains(centre) && InstrumentMotion::bandCovered(poses, i) <= kMostlyCovered)
            centres[i] = centre;
    }
    return centres;
}

void PracticeFieldPainter::renderBackground()
{
    background.fill(kSurround);
    QPainter painter(&background);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(view);

    const QRectF board(150, 80, 980, 560);
    QLinearGradient boardShade(board.topLeft(), board.bottomRight());
    boardShade.setColorAt(0, kBoardLight);
    boardShade.setColorAt(1, kBoardDark);
    painter.setPen(QPen(kBoardEdge, 6));
    painter.setBrush(boardShade);
    painter.drawRoundedRect(board, 28, 28);

    // A rubber mat is never perfectly flat in colour; the speckles also give
    // the encoder something real to work on.
    QRandomGenerator texture(kTextureSeed);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < kSpeckles; ++i) {
        const QPointF spot(board.left() + 20 + texture.bounded(board.width() - 40),
            board.top() + 20 + texture.bounded(board.height() - 40));
        painter.setBrush(texture.bounded(2) ? kBoardLight.lighter(115) : kBoardDark.darker(115));
        painter.drawEllipse(spot, 1.5, 1.5);
    }

    for (int row = 0; row < kPegRows; ++row) {
        for (int column = 0; column < kPegColumns; ++column)
            drawPeg(painter, pegCentre(column, row));
    }
    for (const PlacedRing &ring : kPlacedRings)
        drawRing(painter, pegCentre(ring.column, ring.row), ring.colour);

    // The scope's light falls off towards the edges of the picture.
    painter.resetTransform();
    const QPointF centre(background.width() / 2.0, background.height() / 2.0);
    QRadialGradient falloff(centre, QLineF(QPointF(0, 0), centre).length());
    falloff.setColorAt(0.55, QColor(0, 0, 0, 0));
    falloff.setColorAt(1.0, QColor(0, 0, 0, 220));
    painter.fillRect(background.rect(), falloff);
}

QImage PracticeFieldPainter::paint(
    qint64 frameNumber, double seconds, const QDateTime &now, const QString &label) const
{
    QImage frame = instrumentsShown && scene.exposure > 0 ? blurredSceneAt(seconds) : sceneAt(seconds);
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(view);

    const QString caption = QStringLiteral("%1  frame %2\n%3")
                                .arg(label)
                                .arg(frameNumber, 6, 10, QLatin1Char('0'))
                                .arg(now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss.zzz")));
    QFont font;
    font.setPixelSize(kCaptionPixelSize);
    font.setBold(true);
    painter.setFont(font);
    const QRect textArea = painter.fontMetrics().boundingRect(QRect(), Qt::AlignLeft, caption);
    const QRectF captionBox(kCaptionMargin, kCaptionMargin, textArea.width() + 2 * kCaptionPadding,
        textArea.height() + 2 * kCaptionPadding);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 150));
    painter.drawRoundedRect(captionBox, 8, 8);
    painter.setPen(Qt::white);
    painter.drawText(
        captionBox.adjusted(kCaptionPadding, kCaptionPadding, -kCaptionPadding, -kCaptionPadding),
        Qt::AlignLeft, caption);
    return frame;
}

QImage PracticeFieldPainter::sceneAt(double seconds) const
{
    QImage frame = background.copy();
    if (!instrumentsShown)
        return frame;
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(view);
    const InstrumentMotion::Poses poses = motion.posesAt(seconds);
    drawRing(painter, poses[1].tip, kCarriedRing);
    drawInstrument(painter, poses[0], 0.5 + 0.5 * qSin(2.1 * seconds), kLeftBand, scene.highlights);
    drawInstrument(painter, poses[1], 0.15, kRightBand, scene.highlights);
    return frame;
}

QImage PracticeFieldPainter::blurredSceneAt(double seconds) const
{
    const double exposure = scene.exposure * kFrameSeconds;
    const InstrumentMotion::Poses first = motion.posesAt(seconds - exposure / 2);
    const InstrumentMotion::Poses last = motion.posesAt(seconds + exposure / 2);
    qreal travel = 0;
    for (int i = 0; i < kInstrumentCount; ++i)
        travel = qMax(travel, QLineF(first[i].tip, last[i].tip).length());
    const int moments = qBound(1, qCeil(travel / kBlurStep), kMostMoments);
    if (moments == 1)
        return sceneAt(seconds);
    QVector<quint16> sum(background.width() * background.height() * 4);
    for (int m = 0; m < moments; ++m) {
        const QImage moment = sceneAt(seconds - exposure / 2 + exposure * (m + 0.5) / moments);
        const uchar *in = moment.constBits();
        for (quint16 &total : sum)
            total += *in++;
    }
    QImage frame(background.size(), QImage::Format_RGB32);
    uchar *out = frame.bits();
    for (const quint16 total : sum)
        *out++ = static_cast<uchar>((total + moments / 2) / moments);
    return frame;
}
