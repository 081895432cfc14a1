#include "core/windowbackground.h"

#include <QGuiApplication>
#include <QScreen>
#include <QtConcurrent>

namespace {

constexpr auto kBackgroundPicture = ":/graphics/application_layout/background5.jpg";

// The size the window will have full screen, or an empty one without a screen.
QSize fullScreenSize()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize();
}

QImage backgroundOfSize(const QSize &size)
{
    return QImage(QString::fromLatin1(kBackgroundPicture))
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

WindowBackground::WindowBackground()
    : reading(QtConcurrent::run(backgroundOfSize, fullScreenSize()))
{
}

const QPixmap &WindowBackground::ofSize(const QSize &size)
{
    if (scaled.size() != size) {
        QImage picture = reading.isStarted() ? reading.result() : QImage();
        reading = {};
        if (picture.size() != size)
            picture = backgroundOfSize(size);
        scaled = QPixmap::fromImage(std::move(picture));
    }
    return scaled;
}
