#pragma once

#include <QImage>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QTransform>

#include <array>
#include <optional>

#include "imperfections.h"
#include "instrumentmotion.h"

class QDateTime;
class QPainter;

// Draws the picture of the virtual camera: a practice board with pegs and
// rings seen from above, two instruments moving smoothly over it, and the
// frame number and wall-clock time burnt in so that recordings can be told
// apart. The still parts are rendered once; a frame costs one copy of that
// background plus the moving parts.
//
// Each instrument carries a coloured band behind its jaws, as trainees mark
// theirs for tracking (see InstrumentMotion), in colours found nowhere else
// in the picture.
//
// Where a real camera's picture would be worse, the painter can make it so:
// the instruments smeared over an exposure of part of the frame's time, and
// glossy bands with the light's highlight on them.
class PracticeFieldPainter
{
public:
    static constexpr int kInstrumentCount = InstrumentMotion::kInstrumentCount;
    // The centres of the bands in frame pixels, left hand first; none for a
    // band whose centre is outside the picture, whose instrument is hidden or
    // that the other instrument mostly covers.
    using BandCentres = std::array<std::optional<QPointF>, kInstrumentCount>;

    explicit PracticeFieldPainter(const QSize &frameSize, const SceneOptions &scene = SceneOptions());

    QSize frameSize() const { return background.size(); }
    // An empty box: the picture without instruments, from the next frame on.
    void setInstrumentsShown(bool shown) { instrumentsShown = shown; }
    QImage paint(qint64 frameNumber, double seconds, const QDateTime &now, const QString &label) const;
    BandCentres bandCentres(double seconds) const;

private:
    void renderBackground();
    // The background with the instruments as they are at that moment.
    QImage sceneAt(double seconds) const;
    // The instruments' smear over the exposure around seconds.
    QImage blurredSceneAt(double seconds) const;

    SceneOptions scene;
    InstrumentMotion motion;
    QImage background;
    // From the 1280x720 scene to the frame.
    QTransform view;
    bool instrumentsShown = true;
};
