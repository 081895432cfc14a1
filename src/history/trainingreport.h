#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVector>

#include "storage/trainingmetricsfile.h"

class QIODevice;

// What a training's report shows.
struct TrainingReportContent
{
    QString account;
    TrainingWithMetrics training;
    // Empty for free training.
    QString exerciseTitle;
    // The trainings of the same exercise, or the free ones, oldest first:
    // the learning curve of the path length.
    QVector<StoredMetrics> history;
};

// A training on one A4 page to keep or hand on: who trained when, the
// exercise's targets met or not, the figures as the history's table shows
// them, the paths over the training's picture and the learning curve.
// Drawn with QPainter from the data, so it is written on a worker thread.
class TrainingReport
{
    Q_DECLARE_TR_FUNCTIONS(TrainingReport)

public:
    // Writes the PDF to device; false when it cannot be drawn.
    static bool write(QIODevice *device, const TrainingReportContent &content);
};
