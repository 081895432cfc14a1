#include "catalogue/exercisecatalogue.h"

#include <QDir>

#include "core/logging.h"
#include "storage/xmlparser.h"

namespace {

constexpr auto kBuiltInFolder = ":/scenarios";
const QStringList kScenarioFiles { QStringLiteral("*.xml") };

} // namespace

QVector<Scenario> ExerciseCatalogue::load(const QString &labFolder)
{
    ExerciseCatalogue catalogue;
    catalogue.readFolder(QLatin1String(kBuiltInFolder));
    if (!labFolder.isEmpty())
        catalogue.readFolder(labFolder);
    return catalogue.exercises;
}

void ExerciseCatalogue::readFolder(const QString &folder)
{
    const QStringList names
        = QDir(folder).entryList(kScenarioFiles, QDir::Files | QDir::Readable, QDir::Name);
    for (const QString &name : names)
        readFile(folder, name);
}

void ExerciseCatalogue::readFile(const QString &folder, const QString &fileName)
{
    const QString path = QDir(folder).filePath(fileName);
    Scenario exercise;
    // A parser per file: the reader carries its current element from one
    // file into the next, so a damaged file could leave its mark on the next.
    XMLParser parser;
    const auto skip = [&path](const char *reason) {
        qCWarning(lcCatalogue).noquote() << "exercise file skipped:" << path << reason;
    };
    if (!parser.ParseScenario(path, &exercise))
        return skip("(not well-formed)");
    if (exercise.id <= 0)
        return skip("(no id)");
    if (exercise.title[SlotEnglish].isEmpty())
        return skip("(no English title)");
    for (const Scenario &known : qAsConst(exercises)) {
        if (known.id == exercise.id)
            return skip("(its id is taken)");
    }
    // Spanish and French read the English title.
    exercise.fillMissingLanguages();
    exercise.number = exercise.id;
    exercise.scenarioPath = folder;
    if (!exercise.picture.isEmpty())
        exercise.cartridgePicturePath = QDir(folder).filePath(exercise.picture);
    exercises << exercise;
}
