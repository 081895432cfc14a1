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

constexpr qreal kShaftWidth = 26;
constexpr qreal kJawLength = 34;
// The jaws are hinged this far along their length from the tip.
constexpr qreal kJawHinge = 0.6;
// The instruments enter the box through ports below the picture.
constexpr QPointF kLeftPort(-80, 780);
constexpr QPointF kRightPort(1360, 780);
// The tracking band right behind the jaws, as long as a real one is wide.
constexpr qreal kBandLength = 36;

// Every kExcursionPeriod seconds from kExcursionStart on, the left
// instrument reaches kExcursionReach to the left and back within
// kExcursionSeconds. At the far end its band is out of the picture for about
// a second: trackers must report that time as off screen.
constexpr double kExcursionStart = 4;
constexpr double kExcursionPeriod = 20;
constexpr double kExcursionSeconds = 3;
constexpr qreal kExcursionReach = 600;
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

// Incommensurate frequencies keep the paths from repeating visibly.
QPointF leftTipAt(double seconds)
{
    qreal reach = 0;
    const double sinceStart = seconds - kExcursionStart;
    const double intoExcursion = std::fmod(sinceStart, kExcursionPeriod);
    if (sinceStart >= 0 && intoExcursion < kExcursionSeconds)
        reach = kExcursionReach * (1 - qCos(2 * M_PI * intoExcursion / kExcursionSeconds)) / 2;
    return { 420 + 150 * qSin(0.53 * seconds) - reach, 380 + 110 * qSin(0.71 * seconds + 1.0) };
}

QPointF rightTipAt(double seconds)
{
    return { 850 + 150 * qSin(0.61 * seconds + 2.0), 340 + 120 * qSin(0.43 * seconds) };
}

QPointF directionOf(const QPointF &port, const QPointF &tip)
{
    return (tip - port) / QLineF(port, tip).length();
}

QPointF jawBaseOf(const QPointF &port, const QPointF &tip)
{
    return tip - directionOf(port, tip) * kJawLength * kJawHinge;
}

QPointF bandCentreOf(const QPointF &port, const QPointF &tip)
{
    return jawBaseOf(port, tip) - directionOf(port, tip) * kBandLength / 2;
}

// A grasper entering the box through a port below the picture, with its
// tracking band; its jaws open and close with `opening` between 0 and 1.
void drawInstrument(
    QPainter &painter, const QPointF &port, const QPointF &tip, qreal opening, const QColor &band)
{
    const QLineF axis(port, tip);
    const QPointF direction = directionOf(port, tip);
    const QPointF jawBase = jawBaseOf(port, tip);

    painter.setPen(QPen(kShadow, kShaftWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(port + kShadowOffset, jawBase + kShadowOffset);
    painter.setPen(QPen(kShaft, kShaftWidth, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(port, jawBase);
    const QPointF side(-direction.y() * kShaftWidth / 4, direction.x() * kShaftWidth / 4);
    painter.setPen(QPen(kShaftHighlight, kShaftWidth / 5, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(port + side, jawBase + side);
    painter.setPen(QPen(band, kShaftWidth, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(jawBase - direction * kBandLength, jawBase);

    painter.setPen(QPen(kJaw, 8, Qt::SolidLine, Qt::RoundCap));
    const qreal spread = 10 + 25 * opening;
    for (const qreal sign : { -1.0, 1.0 }) {
        QLineF jaw(jawBase, jawBase + direction * kJawLength);
        jaw.setAngle(axis.angle() + sign * spread);
        painter.drawLine(jaw);
    }
}

} // namespace

PracticeFieldPainter::PracticeFieldPainter(const QSize &frameSize)
    : background(frameSize, QImage::Format_RGB32)
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
    const QPointF scene[kInstrumentCount]
        = { bandCentreOf(kLeftPort, leftTipAt(seconds)), bandCentreOf(kRightPort, rightTipAt(seconds)) };
    const QRectF picture(QPointF(0, 0), QSizeF(frameSize()));
    for (int i = 0; i < kInstrumentCount; ++i) {
        const QPointF centre = view.map(scene[i]);
        if (picture.contains(centre))
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
    QImage frame = background.copy();
    QPainter painter(&frame);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(view);

    if (instrumentsShown) {
        const QPointF rightTip = rightTipAt(seconds);
        drawRing(painter, rightTip, kCarriedRing);
        drawInstrument(painter, kLeftPort, leftTipAt(seconds), 0.5 + 0.5 * qSin(2.1 * seconds), kLeftBand);
        drawInstrument(painter, kRightPort, rightTip, 0.15, kRightBand);
    }

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
