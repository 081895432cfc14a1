#pragma once

#include <memory>

#include <QString>

class MyXmlContentHandler;
class QXmlSimpleReader;
class ScenarioDescription;

// Reads the configuration file and scenario description files with Qt's SAX
// reader and one content handler for both. One instance lives in the session state for
// the whole run; it is neither copied nor moved, since the handler keeps a
// pointer back to it.
class XMLParser
{
public:
    XMLParser();
    ~XMLParser();
    XMLParser(const XMLParser &) = delete;
    XMLParser &operator=(const XMLParser &) = delete;

    // Fills the three strings from the configuration file at path. Values
    // the file does not hold, or holds after an XML error, keep what they
    // had; a missing or unreadable file changes nothing.
    void ParseParams(const QString &path, QString *recordingPath, QString *language, QString *selectedCamera);

    // Reads one scenario description file into scenario. Nothing is reset
    // first: fields the file does not mention keep their values, so reading
    // two files into one scenario gives both, the later file winning. A
    // missing or broken file ends the reading where it fails, and gives
    // false.
    bool ParseScenario(const QString &fileName, ScenarioDescription *scenario);

    QString *getPrecordingPath() const { return recordingPath; }
    QString *getPlanguage() const { return language; }
    QString *getPselectedCamera() const { return selectedCamera; }
    // The scenario the last ParseScenario filled.
    ScenarioDescription *GetOnlineScenario() const { return scenario; }

private:
    // Qt 5.15 marks the SAX reader deprecated; it stays the reader here.
    QT_WARNING_PUSH
    QT_WARNING_DISABLE_DEPRECATED
    std::unique_ptr<QXmlSimpleReader> reader;
    QT_WARNING_POP
    std::unique_ptr<MyXmlContentHandler> handler;
    QString *recordingPath = nullptr;
    QString *language = nullptr;
    QString *selectedCamera = nullptr;
    ScenarioDescription *scenario = nullptr;
};
