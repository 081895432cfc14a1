#include "storage/configfile.h"

#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>

#include "storage/storagelogging.h"

// The default file is a resource of this static library; registering it
// again is harmless. (Outside the unnamed namespace: the registration
// declares a function that the generated resource code defines.)
static void registerDefaultConfig()
{
    Q_INIT_RESOURCE(storage);
}

namespace {

constexpr char kDefaultConfig[] = ":/config.xml";

void copyDefaultTo(const QString &path)
{
    registerDefaultConfig();
    QFile::copy(QLatin1String(kDefaultConfig), path);
}

} // namespace

ConfigRepair repairConfigFile(const QString &path)
{
    QFile file(path);
    if (!file.exists()) {
        copyDefaultTo(path);
        QFile::setPermissions(path, QFileDevice::WriteUser);
        return ConfigRepair::Replaced;
    }
    file.setPermissions(QFileDevice::ReadUser);
    const bool opened = file.open(QIODevice::ReadOnly);
    qCDebug(lcStorage) << "file opening" << opened;
    if (!opened || !QFileInfo(path).isFile()) {
        qCWarning(lcStorage) << "the configuration cannot be read, and is left as it is:" << path
                             << file.errorString();
        return ConfigRepair::Unreadable;
    }
    const QByteArray content = file.readAll();
    file.close();
    bool kept = true;
    for (const char *element : { ConfigElement::language, ConfigElement::recordingPath, ConfigElement::selectedCamera }) {
        if (!content.contains(element))
            kept = false;
    }
    // The settings are changed through a DOM document, which a file that
    // is not well-formed XML never gives: every choice made from now on
    // would be lost, and each start would be a first run again.
    if (kept && !QDomDocument().setContent(content))
        kept = false;
    if (!kept) {
        file.remove();
        copyDefaultTo(path);
    }
    QFile::setPermissions(path, QFileDevice::WriteUser);
    return kept ? ConfigRepair::Kept : ConfigRepair::Replaced;
}

std::optional<double> readFieldWidthMm(const QString &path)
{
    QFile::setPermissions(path, QFileDevice::ReadUser);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement
            || xml.name() != QLatin1String(ConfigElement::fieldWidthMm))
            continue;
        bool ok = false;
        const double width = xml.readElementText().trimmed().toDouble(&ok);
        if (ok && width >= 0)
            return width;
        return std::nullopt;
    }
    return std::nullopt;
}
