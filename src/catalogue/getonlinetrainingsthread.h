#pragma once

#include <QString>
#include <QThread>

// Reads the exercise catalogue away from the GUI thread, which the lab's
// folder (perhaps on a network share) must not hold up, and hands it over to
// the GUI thread: that one alone stores it into the session and reports the
// change.
class GetOnlineTrainingsThread : public QThread
{
    Q_OBJECT

public:
    // A started thread must have ended before its object goes.
    ~GetOnlineTrainingsThread() override { wait(); }

    // Starts reading the built-in exercises and those of labFolder (none
    // when empty). The session's catalogue is replaced when done.
    void load(const QString &labFolder);

signals:
    // The session's catalogue has changed.
    void ResultsAppended();

protected:
    void run() override;

private:
    QString folder;
};
