#pragma once

#include <QPointF>

#include <array>
#include <optional>

// Where the virtual camera's two instruments are at any moment, in the
// 1280x720 scene the practice field is drawn in. Both enter the box
// through ports below the picture and carry a tracking band right behind
// their jaws: green on the left hand's, magenta on the right hand's.
//
// The tips move smoothly on incommensurate frequencies. Every 20 s the left
// instrument leaves the picture to the left for about a second. With
// crossing on, every 10 s the right instrument reaches across the left one,
// its shaft passing over the left band, as trainees' instruments do when
// they hand a ring over.
class InstrumentMotion
{
public:
    static constexpr int kInstrumentCount = 2;
    static constexpr double kShaftWidth = 26;
    static constexpr double kJawLength = 34;
    // The band is as long as a real one is wide.
    static constexpr double kBandLength = 36;

    // One instrument as drawn: from its port to its tip.
    struct Pose
    {
        QPointF port;
        QPointF tip;

        QPointF direction() const;
        // Where the jaws are hinged; the band ends there.
        QPointF jawBase() const;
        QPointF bandCentre() const;
    };
    using Poses = std::array<Pose, kInstrumentCount>;

    // crossing from 0 (never) to 1: how far across the left band the right
    // instrument's shaft reaches; from about 0.6 on it hides most of it.
    explicit InstrumentMotion(double crossing = 0)
        : crossing(crossing)
    {
    }

    Poses posesAt(double seconds) const;
    // The share of instrument i's band that the other instrument's shaft,
    // band or jaws cover, 0 to 1; only the right instrument, drawn last,
    // ever covers the other's band.
    static double bandCovered(const Poses &poses, int i);

private:
    QPointF leftTipAt(double seconds) const;
    QPointF rightTipAt(double seconds, const QPointF &leftBand) const;

    double crossing;
};
