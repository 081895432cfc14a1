#pragma once

#include <QFutureWatcher>
#include <QImage>
#include <QWidget>

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

    // The picture is read and scaled on a worker thread; the paths are
    // drawn at once and the picture appears behind them when it is ready.
    void showPaths(const TipPaths &paths, const QSize &pictureSize, const QString &picturePath);
    bool hasBackground() const { return !background.isNull(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRectF fieldRect() const;

    TipPaths paths;
    QSize pictureSize;
    QImage background;
    QFutureWatcher<QImage> loading;
};
