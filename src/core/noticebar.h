#pragma once

#include <QLabel>
#include <QTimer>

// A line across the top of the window that tells of a problem the user can
// do nothing about at this moment but should know of (an account change that
// could not be saved, a configuration that cannot be read). It never blocks
// the screen under it, unlike a dialog, and goes away by itself.
class NoticeBar : public QLabel
{
    Q_OBJECT

public:
    explicit NoticeBar(QWidget *window);

    void tell(const QString &text);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    void placeOnTop();

    QTimer shownFor;
};
