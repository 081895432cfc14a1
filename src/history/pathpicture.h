#pragma once

#include <QFutureWatcher>
#include <QImage>
#include <QWidget>

class QPainter;

#include "storage/trainingmetrics.h"

// Both instruments' tip paths drawn over the practice field: the training's
// picture, dimmed, when it has one, otherwise a plain field of the camera's
// proportions. A stretch in which a tip was not seen is a gap in its line.
class PathPicture : public QWidget
{
    Q_OBJECT

public:
    explicit PathPicture(QWidget *parent = nullptr);
    ~PathPicture() override;

    // The picture is read, and drawn with the paths over it, on a worker
    // thread: a minute's paths take longer to draw than a frame. The field
    // shows empty until they are ready.
    void showPaths(const TipPaths &paths, const QSize &pictureSize, const QString &picturePath);

    // A training's picture, read from a folder that may hold anything under
    // its name and scaled down to no more than a screen needs; null when
    // there is none. Reads the disk: for a worker thread.
    static QImage loadPicture(const QString &picturePath);
    // Draws the paths over the picture (null for none) into area, on any
    // painter: the widget's, a report's.
    static void draw(QPainter &painter, const QRectF &area, const TipPaths &paths, const QSize &pictureSize,
        const QImage &background);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Drawing
    {
        QImage background;
        QImage drawn;
    };
    // Draws the paths at the widget's size on the worker, reading the
    // picture first unless it has been read.
    void drawAhead();

    TipPaths paths;
    QSize pictureSize;
    QString picturePath;
    Drawing ready;
    QFutureWatcher<Drawing> drawing;
};
