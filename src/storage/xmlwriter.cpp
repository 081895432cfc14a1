#include "storage/xmlwriter.h"

#include <QDomDocument>
#include <QFile>
#include <QSaveFile>

#include "storage/configfile.h"
#include "storage/storagelogging.h"

namespace {

constexpr int indentPerLevel = 1;

} // namespace

void XMLWriter::changeElement(const QString &file, const QString &element, const QString &value)
{
    qCDebug(lcStorage) << "trying to change xml element" << file;
    QFile::setPermissions(file, QFileDevice::ReadUser);
    QFile source(file);
    if (!source.open(QIODevice::ReadOnly)) {
        qCDebug(lcStorage) << "failed to open xml file";
        return;
    }
    QDomDocument document;
    if (!document.setContent(&source))
        return;
    source.close();

    const QDomNodeList found = document.elementsByTagName(element);
    if (found.isEmpty())
        return;
    // For the usual text child this replaces the text; an element without
    // children has nothing to set, and the file is written back unchanged.
    found.at(0).firstChild().setNodeValue(value);

    qCDebug(lcStorage) << "trying to change file" << file;
    // The new content goes to a temporary file in the same folder, which is
    // renamed over the old one: a crash mid-write leaves the old file whole.
    // QSaveFile refuses a file its owner cannot write and gives the new file
    // the old one's permissions, so the owner gets read and write here; the
    // file then stays readable for the next start, whoever reads it.
    QFile::setPermissions(file, QFileDevice::ReadUser | QFileDevice::WriteUser);
    QSaveFile target(file);
    if (!target.open(QIODevice::WriteOnly))
        return;
    target.write(document.toByteArray(indentPerLevel));
    target.commit();
}

void XMLWriter::WriteLanguage(const QString &file, const QString &value)
{
    changeElement(file, QLatin1String(ConfigElement::language), value);
}

void XMLWriter::WriteLocation(const QString &file, const QString &value)
{
    changeElement(file, QLatin1String(ConfigElement::recordingPath), value);
}

void XMLWriter::WriteCamera(const QString &file, const QString &value)
{
    changeElement(file, QLatin1String(ConfigElement::selectedCamera), value);
}
