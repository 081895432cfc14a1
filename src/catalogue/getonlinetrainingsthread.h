#pragma once

#include <QThread>

// Tells the training chooser that the scenario catalogue in the session has
// changed. Filling the catalogue is not this thread's work yet: it has none,
// and nothing starts it.
class GetOnlineTrainingsThread : public QThread
{
    Q_OBJECT

public:
    // A started thread must have ended before its object goes.
    ~GetOnlineTrainingsThread() override { wait(); }

signals:
    void ResultsAppended();

protected:
    void run() override { }
};
