#include "storage/trainingmetricsfile.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <climits>

#include "storage/measurementfile.h"

namespace {

// The metrics file's format and version. A reader takes the versions it
// knows; a later version that adds a field or changes the meaning of one
// counts up.
constexpr auto kFormatName = "kavrin-training-metrics";
constexpr int kFormatVersion = 3;
constexpr int kFirstVersion = 1;
// The version that added the distance between the tips and the normalised
// jerk; an earlier file reads with both none.
constexpr int kSmoothnessVersion = 2;
// The version that added the exercise trained and its targets; an earlier
// file reads as free training.
constexpr int kExerciseVersion = 3;

struct InstrumentName
{
    const char *hand;
    const char *band;
};
constexpr InstrumentName kInstrumentNames[kInstrumentCount] = { { "left", "green" }, { "right", "magenta" } };

QJsonValue optionalNumber(const std::optional<double> &value)
{
    return value ? QJsonValue(*value) : QJsonValue(QJsonValue::Null);
}

QJsonObject instrumentObject(int index, const InstrumentMetrics &instrument)
{
    QJsonObject object {
        { "hand", QLatin1String(kInstrumentNames[index].hand) },
        { "band", QLatin1String(kInstrumentNames[index].band) },
        { "seen", instrument.seen },
        { "off_screen_s", instrument.offScreenSeconds },
    };
    if (!instrument.seen)
        return object;
    object.insert("active_s", instrument.activeSeconds);
    object.insert("idle_s", instrument.idleSeconds);
    object.insert("path_length", instrument.pathLength);
    object.insert("mean_speed", instrument.meanSpeed);
    object.insert("peak_speed", instrument.peakSpeed);
    object.insert("economy", optionalNumber(instrument.economy));
    object.insert("movement_units", instrument.movementUnits);
    object.insert("normalised_jerk", optionalNumber(instrument.normalisedJerk));
    object.insert("work_share", optionalNumber(instrument.workShare));
    return object;
}

QJsonArray handPair(const std::array<double, kInstrumentCount> &values)
{
    return { values[InstrumentLeft], values[InstrumentRight] };
}

QJsonValue exerciseValue(const std::optional<TrainedExercise> &exercise)
{
    if (!exercise)
        return QJsonValue(QJsonValue::Null);
    const ExerciseTargets &targets = exercise->targets;
    return QJsonObject {
        { "id", exercise->id },
        { "targets",
            QJsonObject {
                { "time_s", targets.seconds },
                { "path_length_mm", handPair(targets.pathLengthMm) },
                { "idle_s", handPair(targets.idleSeconds) },
            } },
    };
}

QByteArray metricsJson(const TrainingMetrics &metrics, const QString &pathsFileName)
{
    QJsonArray instruments;
    for (int i = 0; i < kInstrumentCount; ++i)
        instruments.append(instrumentObject(i, metrics.instruments[static_cast<std::size_t>(i)]));
    QJsonObject root {
        { "format", QLatin1String(kFormatName) },
        { "version", kFormatVersion },
        { "duration_s", metrics.durationSeconds },
        { "picture",
            QJsonObject {
                { "width", metrics.pictureSize.width() }, { "height", metrics.pictureSize.height() } } },
        { "length_unit", lengthUnitLabel(metrics.unit) },
        { "frames",
            QJsonObject { { "analysed", metrics.framesAnalysed }, { "dropped", metrics.framesDropped } } },
        { "paths_file", pathsFileName },
        { "instruments", instruments },
        { "mean_tip_distance", optionalNumber(metrics.meanTipDistance) },
        { "exercise", exerciseValue(metrics.exercise) },
    };
    if (metrics.unit == LengthUnit::Millimetres)
        root.insert("mm_per_px", metrics.millimetresPerPixel);
    return QJsonDocument(root).toJson();
}

// Reads the members of a JSON object, remembering whether any was missing
// or of the wrong type.
class Fields
{
public:
    explicit Fields(const QJsonObject &object)
        : object(object)
    {
    }

    bool ok() const { return valid; }

    double number(const char *key)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        valid = valid && value.isDouble() && value.toDouble() >= 0;
        return value.toDouble();
    }

    // A count beyond what a double holds exactly is no count of ours, and
    // would overflow the integer it is read into.
    qint64 count(const char *key)
    {
        constexpr double kLargestCount = 9007199254740992.0; // 2^53
        const double value = number(key);
        valid = valid && value <= kLargestCount;
        return valid ? static_cast<qint64>(value) : 0;
    }

    std::optional<double> optionalNumber(const char *key)
    {
        if (object.value(QLatin1String(key)).isNull())
            return std::nullopt;
        return number(key);
    }

    bool flag(const char *key)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        valid = valid && value.isBool();
        return value.toBool();
    }

    QString text(const char *key)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        valid = valid && value.isString();
        return value.toString();
    }

    // A number for each hand.
    std::array<double, kInstrumentCount> handPair(const char *key)
    {
        const QJsonArray values = object.value(QLatin1String(key)).toArray();
        valid = valid && values.size() == kInstrumentCount;
        std::array<double, kInstrumentCount> pair {};
        for (int hand = 0; valid && hand < kInstrumentCount; ++hand) {
            valid = values.at(hand).isDouble() && values.at(hand).toDouble() >= 0;
            pair[static_cast<std::size_t>(hand)] = values.at(hand).toDouble();
        }
        return pair;
    }

    QJsonObject child(const char *key)
    {
        const QJsonValue value = object.value(QLatin1String(key));
        valid = valid && value.isObject();
        return value.toObject();
    }

private:
    QJsonObject object;
    bool valid = true;
};

std::optional<InstrumentMetrics> parseInstrument(const QJsonValue &value, int index, qint64 version)
{
    Fields fields(value.toObject());
    InstrumentMetrics instrument;
    const bool named = fields.text("hand") == QLatin1String(kInstrumentNames[index].hand);
    instrument.seen = fields.flag("seen");
    instrument.offScreenSeconds = fields.number("off_screen_s");
    if (instrument.seen) {
        instrument.activeSeconds = fields.number("active_s");
        instrument.idleSeconds = fields.number("idle_s");
        instrument.pathLength = fields.number("path_length");
        instrument.meanSpeed = fields.number("mean_speed");
        instrument.peakSpeed = fields.number("peak_speed");
        instrument.economy = fields.optionalNumber("economy");
        instrument.movementUnits = static_cast<int>(fields.count("movement_units"));
        if (version >= kSmoothnessVersion)
            instrument.normalisedJerk = fields.optionalNumber("normalised_jerk");
        instrument.workShare = fields.optionalNumber("work_share");
    }
    if (!value.isObject() || !named || !fields.ok())
        return std::nullopt;
    return instrument;
}

// The exercise member: null in free training. Ids and times are whole
// numbers of a scenario file's range.
bool parseExercise(const QJsonValue &value, std::optional<TrainedExercise> *exercise)
{
    if (value.isNull())
        return true;
    Fields fields(value.toObject());
    TrainedExercise trained;
    const qint64 id = fields.count("id");
    Fields targets(fields.child("targets"));
    const qint64 seconds = targets.count("time_s");
    trained.targets.pathLengthMm = targets.handPair("path_length_mm");
    trained.targets.idleSeconds = targets.handPair("idle_s");
    if (!value.isObject() || !fields.ok() || !targets.ok() || id > INT_MAX || seconds > INT_MAX)
        return false;
    trained.id = static_cast<int>(id);
    trained.targets.seconds = static_cast<int>(seconds);
    *exercise = trained;
    return true;
}

} // namespace

std::optional<TrainingMetrics> parseTrainingMetrics(const QByteArray &content)
{
    QJsonParseError error {};
    const QJsonDocument document = QJsonDocument::fromJson(content, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    Fields fields(document.object());
    const qint64 version = fields.count("version");
    if (fields.text("format") != QLatin1String(kFormatName) || version < kFirstVersion
        || version > kFormatVersion)
        return std::nullopt;

    TrainingMetrics metrics;
    metrics.durationSeconds = fields.number("duration_s");
    Fields picture(fields.child("picture"));
    metrics.pictureSize
        = QSize(static_cast<int>(picture.count("width")), static_cast<int>(picture.count("height")));
    const QString unit = fields.text("length_unit");
    if (unit == lengthUnitLabel(LengthUnit::Millimetres)) {
        metrics.unit = LengthUnit::Millimetres;
        metrics.millimetresPerPixel = fields.number("mm_per_px");
    } else if (unit != lengthUnitLabel(LengthUnit::Pixels)) {
        return std::nullopt;
    }
    Fields frames(fields.child("frames"));
    metrics.framesAnalysed = frames.count("analysed");
    metrics.framesDropped = frames.count("dropped");
    if (version >= kSmoothnessVersion)
        metrics.meanTipDistance = fields.optionalNumber("mean_tip_distance");
    if (version >= kExerciseVersion
        && !parseExercise(document.object().value(QLatin1String("exercise")), &metrics.exercise))
        return std::nullopt;
    const QJsonArray instruments = document.object().value(QLatin1String("instruments")).toArray();
    if (!fields.ok() || !picture.ok() || !frames.ok() || instruments.size() != kInstrumentCount)
        return std::nullopt;
    for (int i = 0; i < kInstrumentCount; ++i) {
        const std::optional<InstrumentMetrics> instrument = parseInstrument(instruments.at(i), i, version);
        if (!instrument)
            return std::nullopt;
        metrics.instruments[static_cast<std::size_t>(i)] = *instrument;
    }
    return metrics;
}

bool writeTrainingMetrics(const QString &videoPath, const TrainingMetrics &metrics, QString *problem)
{
    return saveWhole(trainingMetricsPath(videoPath),
        metricsJson(metrics, QFileInfo(trainingPathsPath(videoPath)).fileName()), problem);
}

StoredMetrics readTrainingMetrics(const QString &videoPath)
{
    StoredMetrics stored;
    stored.status = readParsed(trainingMetricsPath(videoPath), parseTrainingMetrics,
        "unreadable training metrics:", &stored.metrics);
    return stored;
}

QVector<TrainingWithMetrics> listTrainingMetrics(const QString &folder)
{
    QVector<TrainingWithMetrics> trainings;
    for (const TrainingRecord &record : listTrainings(folder))
        trainings.append({ record, readTrainingMetrics(record.videoPath) });
    return trainings;
}
