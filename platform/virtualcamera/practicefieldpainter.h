#pragma once

#include <QImage>
#include <QSize>
#include <QString>

class QDateTime;
class QPainter;

// Draws the picture of the virtual camera: a practice board with pegs and
// rings seen from above, two instrument tips moving smoothly over it, and the
// frame number and wall-clock time burnt in so that recordings can be told
// apart. The still parts are rendered once; a frame costs one copy of that
// background plus the moving parts.
class PracticeFieldPainter
{
public:
    explicit PracticeFieldPainter(const QSize &frameSize);

    QSize frameSize() const { return background.size(); }
    QImage paint(qint64 frameNumber, double seconds, const QDateTime &now, const QString &label) const;

private:
    void renderBackground();
    void applyView(QPainter &painter) const;

    QImage background;
};
