#include "storage/xmlparser.h"

#include <QFile>

#include "storage/storagelogging.h"
#include "storage/xmlcontenthandler.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
#include <QXmlInputSource>
#include <QXmlSimpleReader>

XMLParser::XMLParser()
    : reader(std::make_unique<QXmlSimpleReader>())
    , handler(std::make_unique<MyXmlContentHandler>(this))
{
    reader->setContentHandler(handler.get());
}

XMLParser::~XMLParser() = default;

void XMLParser::ParseParams(
    const QString &path, QString *recordingPath, QString *language, QString *selectedCamera)
{
    handler->mode = MyXmlContentHandler::ModeConfiguration;
    this->recordingPath = recordingPath;
    this->language = language;
    this->selectedCamera = selectedCamera;

    // The configuration file is kept private to its owner; each access first
    // grants the owner what that access needs.
    QFile::setPermissions(path, QFileDevice::ReadUser);
    QFile file(path);
    // The input source opens the file itself. A parse error is not reported:
    // whatever was read before it stays.
    QXmlInputSource source(&file);
    reader->parse(&source);
    qCDebug(lcStorage) << "parsed recording path" << (recordingPath ? *recordingPath : QString());
}

bool XMLParser::ParseScenario(const QString &fileName, ScenarioDescription *scenario)
{
    handler->mode = MyXmlContentHandler::ModeScenario;
    this->scenario = scenario;
    QFile file(fileName);
    QXmlInputSource source(&file);
    return reader->parse(&source);
}

QT_WARNING_POP
