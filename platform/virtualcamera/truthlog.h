#pragma once

#include <QFile>

#include <memory>

#include "practicefieldpainter.h"

// The true positions of the instruments' bands, frame by frame, for tests
// that measure a tracker against them. Written only when the environment
// variable KAVRIN_VIRTUAL_CAMERA_TRUTH names a file; each start of the camera
// writes it anew. One line per frame:
//     frame,time_s,green_x,green_y,magenta_x,magenta_y
// in frame pixels, both fields of a band left empty while its centre is out
// of the picture or its instrument hidden.
class TruthLog
{
public:
    // Null unless the variable asks for a log and its file can be written.
    static std::unique_ptr<TruthLog> fromEnvironment();

    void write(qint64 frameNumber, double seconds, const PracticeFieldPainter::BandCentres &centres);

private:
    explicit TruthLog(const QString &path);

    QFile file;
};
