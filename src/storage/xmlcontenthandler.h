#pragma once

#include <QtGlobal>

// Qt 5.15 marks the SAX classes deprecated; they stay the reader of choice
// here, so the warning is silenced for this declaration only.
QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED
#include <QXmlDefaultHandler>

class ScenarioDescription;
class XMLParser;

// The content handler shared by the configuration file (mode 1) and the
// scenario files (mode 0). It looks only at element names and text: the
// start of a recognised element selects where the following text goes, and
// that choice lasts until the next recognised element starts, across end
// tags, unknown elements and even from one parse to the next.
class MyXmlContentHandler : public QXmlDefaultHandler
{
public:
    enum Mode { ModeScenario = 0, ModeConfiguration = 1 };

    // Codes 0 to 2 and 24 are configuration elements, 3 to 23 and 25 to 37
    // scenario elements; 7 and 8 are not assigned.
    enum ElementCode {
        ElementNone = -1,
        ElementRecordingPath = 0,
        ElementLanguage = 1,
        ElementSelectedCamera = 2,
        ElementId = 3,
        ElementName = 4,
        ElementAuthor = 5,
        ElementResources = 6,
        ElementCartridge = 9,
        ElementAllowedTools = 10,
        ElementMaxTime = 11,
        ElementMaxDistance = 12,
        ElementMaxFft = 13,
        ElementMaxVel = 14,
        ElementMaxAcc = 15,
        ElementMaxEffVel = 16,
        ElementMaxEffCnt = 17,
        ElementDifficulty = 18,
        ElementEnglish = 19,
        ElementPolish = 20,
        ElementChinese = 21,
        ElementPortuguese = 22,
        ElementSymmetric = 23,
        // Read by readFieldWidthMm(); recognised here only so that its text
        // goes nowhere.
        ElementFieldWidth = 24,
        // The first of six codes, one per language slot in the slots' order
        // ("description_english" to "description_french").
        ElementDescription = 25,
        // Likewise ("subtitle_english" to "subtitle_french").
        ElementSubtitle = 31,
        ElementPicture = 37
    };

    explicit MyXmlContentHandler(XMLParser *owner);

    bool startDocument() override;
    bool startElement(const QString &namespaceURI, const QString &localName, const QString &qName,
        const QXmlAttributes &attributes) override;
    bool endElement(const QString &namespaceURI, const QString &localName, const QString &qName) override;
    bool characters(const QString &text) override;

    int mode = ModeScenario;
    XMLParser *owner;
    int currentElement = ElementNone;

private:
    void readDataLocation(const QString &text);
    void endText();
    void readScenarioText();
    // False when the current element is no description or subtitle.
    bool readProseText(ScenarioDescription &scenario);

    // The character data since the last start or end tag.
    QString textRun;
};
QT_WARNING_POP
