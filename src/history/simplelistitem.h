#pragma once

#include <QFrame>
#include <QString>

#include "core/touchlist.h"

class QLabel;
class QPushButton;

// One row of the training history: the date of a training, the exercise it
// was a training of, and a check button for picking several. A tap selects the row, a double tap asks for
// the player; a finger that moves 40 pixels or more before it lifts is
// scrolling the list and selects nothing. The row lets its mouse events go
// on to the list, which scrolls with them.
class SimpleListItem : public QFrame
{
    Q_OBJECT

public:
    SimpleListItem(QWidget *parent, int id, const QString &title, const QString &date,
        const QString &duration, const QString &video, const QString &picture);

    // The rows' looks, selected or not, for the widget that holds them: one
    // sheet for the whole list instead of one for each of thousands of rows.
    static QString listStyleSheet();

    // Free training shows the date alone.
    void showExercise(const QString &title);
    void SetSelected();
    void SetUnselected();
    QString getVideoPath() const { return videoPath; }
    bool isChecked() const;
    int id() const { return itemId; }

signals:
    void selected(SimpleListItem *item, int video, QString path);
    void doubleClick(SimpleListItem *item, int video, QString path);
    void checkToggled();

public slots:
    void on_btn_toggled(bool checked);

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void showSelected(bool selected);

    QPushButton *checkButton;
    QLabel *titleLabel;
    QLabel *dateLabel;
    QLabel *durationLabel;
    QLabel *pictureLabel;
    int itemId = -1;
    QString date;
    QString videoPath;
    TapTracker tap;
};
