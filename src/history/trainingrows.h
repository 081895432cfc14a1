#pragma once

#include <QHash>
#include <QObject>
#include <QStringList>
#include <QVector>

#include "storage/trainingrecords.h"

class QLabel;
class QScrollArea;
class SimpleListItem;

// The rows of the history's list, newest on top. Only the rows in sight of
// the scroll area exist as widgets, so that a history of thousands of
// trainings shows at once; the others keep their check marks here.
class TrainingRows : public QObject
{
    Q_OBJECT

public:
    // The rows stand in container, which becomes the area's widget.
    TrainingRows(QScrollArea *area, QWidget *container, QObject *parent);

    // Drops every row and lists trainings instead, none checked; the row of
    // the session's selected training shows selected.
    void setTrainings(const QVector<TrainingRecord> &trainings);
    // The title of each training's exercise by its video, which its row
    // shows beside the date, now and whenever it is built again.
    void nameExercises(const QHash<QString, QString> &titles);
    // Builds the rows that came into sight and drops those that left it.
    void place();

    const QVector<TrainingRecord> &trainings() const { return records; }
    // Whether these are the trainings listed, by their videos.
    bool lists(const QVector<TrainingRecord> &trainings) const;
    // The rows built, those in sight, in the order of their identifiers.
    const QVector<SimpleListItem *> &rows() const { return items; }
    // The line the list shows while it holds no training.
    const QLabel *emptyLine() const { return emptyNote; }
    // Oldest first.
    QStringList checkedVideos() const;
    void checkAll(bool checked);
    void unselectAllBut(int id);

signals:
    void selected(SimpleListItem *sender, int video, QString path);
    void doubleClick(SimpleListItem *sender, int video, QString path);
    // A row was checked or unchecked, or all of them.
    void checksChanged();

private:
    SimpleListItem *buildRow(const TrainingRecord &record);
    bool isChecked(int id) const;

    QScrollArea *area;
    QWidget *container;
    QVector<TrainingRecord> records;
    // The check marks by identifier; a row in sight holds its own.
    QVector<bool> checks;
    QVector<SimpleListItem *> items;
    QHash<QString, QString> exerciseTitles;
    // Stands where the rows would, while there are none.
    QLabel *emptyNote;
};
