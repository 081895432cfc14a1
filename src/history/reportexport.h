#pragma once

#include <QObject>
#include <QStringList>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;

// What REPORT does on the history: asks for a folder as EXPORT does, then
// writes there, on a worker thread, a one-page PDF for each training it is
// given (named as its video, with ".pdf") and the account's table of figures
// ("<account>_trainings.csv"), and shows how that goes on the history's
// progress line. A name the folder holds already is skipped, never
// overwritten.
class ReportExport : public QObject
{
    Q_OBJECT

public:
    // videos names the trainings a click reports on.
    ReportExport(QPushButton *button, QLabel *status, QProgressBar *progress,
        std::function<QStringList()> videos, QWidget *parent);

    // The file names of an account's table of figures and of a training's report.
    static QString tableName(const QString &account);
    static QString reportName(const QString &video);

private:
    void start();
    void translate();
    bool eventFilter(QObject *object, QEvent *event) override;
    void showProgress(int done, int total);
    void showResult(int written, const QStringList &skipped, const QStringList &failed);

    QPushButton *button;
    QLabel *status;
    QProgressBar *progress;
    std::function<QStringList()> videos;
};
