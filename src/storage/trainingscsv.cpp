#include "storage/trainingscsv.h"

#include <QFileInfo>
#include <QStringList>

#include "storage/exercisetargets.h"

namespace {

const QStringList kInstrumentColumns { "seen", "active_s", "idle_s", "off_screen_s", "path_length",
    "mean_speed", "peak_speed", "economy", "movement_units", "normalised_jerk", "work_share" };
const QStringList kTargetColumns { "time", "left_path", "right_path", "left_idle", "right_idle" };
constexpr int kTargetCount = 5;

QStringList empty(int count)
{
    QStringList fields;
    for (int i = 0; i < count; ++i)
        fields << QString();
    return fields;
}

QString field(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"'))
        && !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\""))
        + QLatin1Char('"');
}

// Enough decimals for the figures' precision, none trailing.
QString number(double value)
{
    QString text = QString::number(value, 'f', 3);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString optionalNumber(const std::optional<double> &value)
{
    return value ? number(*value) : QString();
}

QStringList instrumentFields(const InstrumentMetrics &figures)
{
    if (!figures.seen)
        return QStringList { QStringLiteral("no"), QString(), QString(), number(figures.offScreenSeconds) }
        + empty(kInstrumentColumns.size() - 4);
    return { QStringLiteral("yes"), number(figures.activeSeconds), number(figures.idleSeconds),
        number(figures.offScreenSeconds), number(figures.pathLength), number(figures.meanSpeed),
        number(figures.peakSpeed), optionalNumber(figures.economy), QString::number(figures.movementUnits),
        optionalNumber(figures.normalisedJerk), optionalNumber(figures.workShare) };
}

QStringList header()
{
    QStringList columns { "date", "video", "exercise_id", "exercise_title", "duration_s", "length_unit" };
    for (const QString &hand : { QStringLiteral("left_"), QStringLiteral("right_") }) {
        for (const QString &column : kInstrumentColumns)
            columns << hand + column;
    }
    columns << QStringLiteral("mean_tip_distance");
    for (const QString &target : kTargetColumns)
        columns << QStringLiteral("target_%1_met").arg(target);
    return columns;
}

QStringList row(const TrainingWithMetrics &training, const std::function<QString(int)> &exerciseTitle)
{
    QStringList fields { training.record.dateText, QFileInfo(training.record.videoPath).fileName() };
    if (training.stored.status != StoredStatus::Present)
        return fields + empty(header().size() - fields.size());
    const TrainingMetrics &metrics = training.stored.metrics;
    const std::optional<TrainedExercise> &exercise = metrics.exercise;
    fields << (exercise ? QString::number(exercise->id) : QString())
           << (exercise ? exerciseTitle(exercise->id) : QString()) << number(metrics.durationSeconds)
           << lengthUnitLabel(metrics.unit);
    for (const InstrumentMetrics &instrument : metrics.instruments)
        fields << instrumentFields(instrument);
    fields << optionalNumber(metrics.meanTipDistance);
    QStringList met = empty(kTargetCount);
    if (exercise) {
        for (const TargetResult &result : assessTargets(metrics, exercise->targets))
            met[static_cast<int>(result.figure)] = result.met ? QStringLiteral("yes") : QStringLiteral("no");
    }
    return fields + met;
}

QString line(const QStringList &fields)
{
    QStringList quoted;
    for (const QString &text : fields)
        quoted << field(text);
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

} // namespace

QByteArray trainingsCsv(
    const QVector<TrainingWithMetrics> &trainings, const std::function<QString(int)> &exerciseTitle)
{
    QString text = line(header());
    for (const TrainingWithMetrics &training : trainings)
        text += line(row(training, exerciseTitle));
    return text.toUtf8();
}
