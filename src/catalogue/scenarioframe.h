#pragma once

#include <QFrame>
#include <QPixmap>
#include <QString>
#include <array>

#include "core/touchlist.h"

class QLabel;
class QPushButton;
class Scenario;

// One row of the training chooser: the author's logo, the title, the icons
// of the tools the training allows and the cartridge picture. A tap selects
// the row and a double tap asks to start it; a finger that travels 40 pixels
// or more is scrolling the list and selects nothing. The row lets its mouse
// events go on to the list, which scrolls with them.
class QScenarioFrame : public QFrame
{
    Q_OBJECT

public:
    explicit QScenarioFrame(QWidget *parent);

    void SetScenario(Scenario scenario);
    // Selecting a row leaves the other rows as they are.
    void SetSelected();
    void SetUnselected();
    void SetTitle(const QString &title);
    QString getName() const;
    // The line under the title: the account's progress in the exercise.
    void SetProgress(const QString &progress);
    QString progress() const;
    int scenarioNumber() const { return number; }

signals:
    void selected(int id);
    void checked(int id);
    void unchecked(int id);
    void dblClick(int id);

public slots:
    void on_tickBox_clicked();
    // Set the tick box without reporting it.
    void check();
    void uncheck();

protected:
    bool eventFilter(QObject *object, QEvent *event) override;

private:
    void showTextColour(const QColor &colour);
    void showTick(bool ticked);

    QPushButton *tickBox;
    QLabel *authorLabel;
    QLabel *logoLabel;
    QLabel *titleLabel;
    QLabel *progressLabel;
    QFrame *toolStrip;
    // Dissector, grasper, scissors and needle holder, in this order.
    std::array<QLabel *, 4> toolIcons;
    QLabel *pictureLabel;
    QPixmap picture;
    // The scenario's number, sent with the signals; -1 until one is set.
    int number = -1;
    TapTracker tap;
};
