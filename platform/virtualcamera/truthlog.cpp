#include "truthlog.h"

#include "virtualcameralogging.h"

namespace {

constexpr auto kPathVariable = "KAVRIN_VIRTUAL_CAMERA_TRUTH";
constexpr auto kHeader = "frame,time_s,green_x,green_y,magenta_x,magenta_y\n";
// Hundredths of a pixel are below anything a tracker resolves.
constexpr int kPositionDecimals = 2;
// Microseconds, the resolution of a video frame's time stamp.
constexpr int kTimeDecimals = 6;

} // namespace

std::unique_ptr<TruthLog> TruthLog::fromEnvironment()
{
    const QString path = qEnvironmentVariable(kPathVariable);
    if (path.isEmpty())
        return nullptr;
    std::unique_ptr<TruthLog> log(new TruthLog(path));
    if (!log->file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        qCWarning(lcVirtualCamera) << "cannot write the true band positions to" << path;
        return nullptr;
    }
    log->file.write(kHeader);
    return log;
}

TruthLog::TruthLog(const QString &path)
    : file(path)
{
}

void TruthLog::write(qint64 frameNumber, double seconds, const PracticeFieldPainter::BandCentres &centres)
{
    QByteArray line = QByteArray::number(frameNumber) + ',' + QByteArray::number(seconds, 'f', kTimeDecimals);
    for (const auto &centre : centres) {
        if (centre) {
            line += ',' + QByteArray::number(centre->x(), 'f', kPositionDecimals) + ','
                + QByteArray::number(centre->y(), 'f', kPositionDecimals);
        } else {
            line += ",,";
        }
    }
    line += '\n';
    file.write(line);
}
