#include "catalogue/getonlinetrainingsthread.h"

#include "catalogue/exercisecatalogue.h"
#include "core/clientsessioninfo.h"

void GetOnlineTrainingsThread::load(const QString &labFolder)
{
    // A load still running finishes first; its folder must not change under it.
    wait();
    folder = labFolder;
    start();
}

void GetOnlineTrainingsThread::run()
{
    const QVector<Scenario> exercises = ExerciseCatalogue::load(folder);
    // This object lives on the GUI thread, so the call runs there; it is
    // dropped if the object goes first.
    QMetaObject::invokeMethod(
        this,
        [this, exercises] {
            ClientSessionInfo::scenarios = exercises;
            emit ResultsAppended();
        },
        Qt::QueuedConnection);
}
