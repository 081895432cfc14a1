#pragma once

#include <QByteArray>
#include <QString>
#include <QVector>

#include <functional>

#include "storage/trainingmetricsfile.h"

// The figures of an account's trainings as a table for a spreadsheet: UTF-8,
// comma-separated, a header row, then one row per training in the order
// given (oldest first, as listTrainingMetrics() lists them), lines ended by
// CR LF and fields quoted where they hold a comma, a quote or a line break
// (RFC 4180). Numbers have a '.' whatever the locale. A training without
// figures has its date and file name only; an instrument never seen has its
// time off screen only; a target the training's exercise did not have is
// an empty field. exerciseTitle names an exercise by its id.
QByteArray trainingsCsv(
    const QVector<TrainingWithMetrics> &trainings, const std::function<QString(int)> &exerciseTitle);
