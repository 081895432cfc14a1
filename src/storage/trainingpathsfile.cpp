#include "storage/trainingpathsfile.h"

#include "storage/measurementfile.h"

namespace {

constexpr auto kPathsHeader = "time_s,left_x,left_y,right_x,right_y";
constexpr int kPathsColumns = 1 + 2 * kInstrumentCount;
// Milliseconds and hundredths of a pixel: finer than any camera measures.
constexpr int kTimeDecimals = 3;
constexpr int kPositionDecimals = 2;

QByteArray number(double value, int decimals)
{
    return QByteArray::number(value, 'f', decimals);
}

QByteArray pathsCsv(const TipPaths &paths)
{
    QByteArray text = QByteArray(kPathsHeader) + '\n';
    const int rows = paths[InstrumentLeft].size();
    for (int row = 0; row < rows; ++row) {
        text += number(paths[InstrumentLeft].at(row).seconds, kTimeDecimals);
        for (const TipPath &path : paths) {
            const std::optional<QPointF> &position = path.at(row).position;
            if (position)
                text += ',' + number(position->x(), kPositionDecimals) + ','
                    + number(position->y(), kPositionDecimals);
            else
                text += ",,";
        }
        text += '\n';
    }
    return text;
}

} // namespace

std::optional<TipPaths> parseTrainingPaths(const QByteArray &content)
{
    QList<QByteArray> lines = content.split('\n');
    // A complete file ends with a line feed, which leaves one empty piece.
    if (lines.size() < 2 || lines.takeFirst() != kPathsHeader || !lines.takeLast().isEmpty())
        return std::nullopt;
    TipPaths paths;
    for (TipPath &path : paths)
        path.reserve(lines.size());
    for (const QByteArray &line : qAsConst(lines)) {
        const QList<QByteArray> cells = line.split(',');
        bool ok = cells.size() == kPathsColumns;
        const double seconds = ok ? cells.at(0).toDouble(&ok) : 0;
        for (int i = 0; ok && i < kInstrumentCount; ++i) {
            TipSample sample { seconds, std::nullopt };
            const QByteArray &x = cells.at(1 + 2 * i);
            const QByteArray &y = cells.at(2 + 2 * i);
            if (!x.isEmpty() || !y.isEmpty()) {
                bool xOk = false;
                bool yOk = false;
                sample.position = QPointF(x.toDouble(&xOk), y.toDouble(&yOk));
                ok = xOk && yOk;
            }
            paths[static_cast<std::size_t>(i)].append(sample);
        }
        if (!ok)
            return std::nullopt;
    }
    return paths;
}

bool writeTrainingPaths(const QString &videoPath, const TipPaths &paths, QString *problem)
{
    return saveWhole(trainingPathsPath(videoPath), pathsCsv(paths), problem);
}

StoredPaths readTrainingPaths(const QString &videoPath)
{
    StoredPaths stored;
    stored.status
        = readParsed(trainingPathsPath(videoPath), parseTrainingPaths, "unreadable tip paths:", &stored.paths);
    return stored;
}
