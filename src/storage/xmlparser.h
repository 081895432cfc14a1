#pragma once

#include <memory>

#include <QString>

class MyXmlContentHandler;
class QXmlSimpleReader;

// Reads the configuration file (and, through the same handler, scenario
// files) with Qt's SAX reader. One instance lives in the session state for
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

    QString *getPrecordingPath() const { return recordingPath; }
    QString *getPlanguage() const { return language; }
    QString *getPselectedCamera() const { return selectedCamera; }

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
};
