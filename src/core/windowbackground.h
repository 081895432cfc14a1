#pragma once

#include <QFuture>
#include <QImage>
#include <QPixmap>

// The main window's background picture, scaled to the window. Reading and
// scaling it takes longer than the rest of the first paint, so it starts on
// a worker thread, at the screen's size, as soon as the window is made. Only
// the scaled copy is kept, 8 MB at full HD.
class WindowBackground
{
public:
    WindowBackground();

    // The picture at size: read again in the rare case that the size changes.
    const QPixmap &ofSize(const QSize &size);

private:
    QFuture<QImage> reading;
    QPixmap scaled;
};
