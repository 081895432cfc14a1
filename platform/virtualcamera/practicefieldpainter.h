#pragma once

#include <QImage>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QTransform>

#include <array>
#include <optional>

class QDateTime;
class QPainter;

// Draws the picture of the virtual camera: a practice board with pegs and
// rings seen from above, two instruments moving smoothly over it, and the
// frame number and wall-clock time burnt in so that recordings can be told
// apart. The still parts are rendered once; a frame costs one copy of that
// background plus the moving parts.
//
// Each instrument carries a coloured band behind its jaws, as trainees mark
// theirs for tracking: green on the left hand's, magenta on the right
// hand's, colours found nowhere else in the picture. Every 20 s the left
// instrument leaves the picture to the left for about a second and comes
// back.
class PracticeFieldPainter
{
public:
    static constexpr int kInstrumentCount = 2;
    // The centres of the bands in frame pixels, left hand first; none for a
    // band whose centre is outside the picture or whose instrument is hidden.
    using BandCentres = std::array<std::optional<QPointF>, kInstrumentCount>;

    explicit PracticeFieldPainter(const QSize &frameSize);

    QSize frameSize() const { return background.size(); }
    // An empty box: the picture without instruments, from the next frame on.
    void setInstrumentsShown(bool shown) { instrumentsShown = shown; }
    QImage paint(qint64 frameNumber, double seconds, const QDateTime &now, const QString &label) const;
    BandCentres bandCentres(double seconds) const;

private:
    void renderBackground();

    QImage background;
    // From the 1280x720 scene to the frame.
    QTransform view;
    bool instrumentsShown = true;
};
