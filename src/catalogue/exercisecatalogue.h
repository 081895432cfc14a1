#pragma once

#include <QString>
#include <QVector>

#include "catalogue/scenario.h"

// The exercises a trainee can choose from: the built-in ones compiled into
// the application (":/scenarios/*.xml") and the lab's own, every *.xml file
// of the data location's Scenarios folder, each in file-name order. Runs on
// the loader's thread: it touches no session state, and reads with parsers
// of its own.
//
// A file that is not well-formed XML, or that gives no id (0 or less) or no
// English title, is skipped and named in the log. So is a file whose id an
// exercise read before it already has: a lab cannot replace a built-in
// exercise, whose targets the trainees' results are compared with, only add
// its own under new ids.
class ExerciseCatalogue
{
public:
    // The built-in exercises first, then the lab's; labFolder empty for none.
    static QVector<Scenario> load(const QString &labFolder);

private:
    void readFolder(const QString &folder);
    void readFile(const QString &folder, const QString &fileName);

    QVector<Scenario> exercises;
};
