#include "storage/xmlcontenthandler.h"

#include <iterator>

#include "storage/configfile.h"
#include "storage/xmlparser.h"

QT_WARNING_PUSH
QT_WARNING_DISABLE_DEPRECATED

namespace {

struct NamedElement
{
    const char *name;
    MyXmlContentHandler::ElementCode code;
};

constexpr NamedElement configurationElements[] = {
    { ConfigElement::recordingPath, MyXmlContentHandler::ElementRecordingPath },
    { ConfigElement::language, MyXmlContentHandler::ElementLanguage },
    { ConfigElement::selectedCamera, MyXmlContentHandler::ElementSelectedCamera },
};

constexpr NamedElement scenarioElements[] = {
    { "id", MyXmlContentHandler::ElementId },
    { "name", MyXmlContentHandler::ElementName },
    { "author", MyXmlContentHandler::ElementAuthor },
    { "resources", MyXmlContentHandler::ElementResources },
    { "cartidge", MyXmlContentHandler::ElementCartridge },
    { "allowed_tools", MyXmlContentHandler::ElementAllowedTools },
    { "max_time", MyXmlContentHandler::ElementMaxTime },
    { "max_distance", MyXmlContentHandler::ElementMaxDistance },
    { "max_fft", MyXmlContentHandler::ElementMaxFft },
    { "max_vel", MyXmlContentHandler::ElementMaxVel },
    { "max_acc", MyXmlContentHandler::ElementMaxAcc },
    { "max_eff_vel", MyXmlContentHandler::ElementMaxEffVel },
    { "max_eff_cnt", MyXmlContentHandler::ElementMaxEffCnt },
    { "difficulty", MyXmlContentHandler::ElementDifficulty },
    { "english", MyXmlContentHandler::ElementEnglish },
    { "polish", MyXmlContentHandler::ElementPolish },
    { "chinese", MyXmlContentHandler::ElementChinese },
    { "portuguese", MyXmlContentHandler::ElementPortuguese },
    { "symmetric", MyXmlContentHandler::ElementSymmetric },
};

template <std::size_t Count> int findCode(const NamedElement (&table)[Count], const QString &name)
{
    for (const NamedElement &element : table) {
        if (name == QLatin1String(element.name))
            return element.code;
    }
    return MyXmlContentHandler::ElementNone;
}

// White space between elements, and a language code or camera name in other
// scripts only, carries no ASCII letter or digit; such runs are dropped. (The
// data location has a rule of its own.)
bool hasAsciiLetterOrDigit(const QString &text)
{
    for (const QChar ch : text) {
        const ushort code = ch.unicode();
        if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z'))
            return true;
    }
    return false;
}

} // namespace

MyXmlContentHandler::MyXmlContentHandler(XMLParser *owner)
    : owner(owner)
{
}

bool MyXmlContentHandler::startElement(
    const QString &, const QString &localName, const QString &, const QXmlAttributes &)
{
    const int code = mode == ModeConfiguration ? findCode(configurationElements, localName)
                                               : findCode(scenarioElements, localName);
    if (code != ElementNone)
        currentElement = code;
    textRun.clear();
    return true;
}

bool MyXmlContentHandler::endElement(const QString &, const QString &, const QString &)
{
    textRun.clear();
    return true;
}

bool MyXmlContentHandler::characters(const QString &text)
{
    if (mode != ModeConfiguration)
        return true;
    if (currentElement == ElementRecordingPath) {
        readDataLocation(text);
        return true;
    }
    if (!hasAsciiLetterOrDigit(text))
        return true;
    QString *target = nullptr;
    switch (currentElement) {
    case ElementLanguage:
        target = owner->getPlanguage();
        break;
    case ElementSelectedCamera:
        target = owner->getPselectedCamera();
        break;
    default:
        break;
    }
    if (target)
        *target = text.simplified();
    return true;
}

// A data location is a folder path: two spaces in a row, or folder names in
// Chinese or Japanese only, are part of it. Only the white space and line
// breaks around it are dropped, and the white space between elements, which
// is nothing else, is ignored. The reader may deliver one text in several
// runs (around an entity reference such as "&amp;"), which are joined.
void MyXmlContentHandler::readDataLocation(const QString &text)
{
    textRun += text;
    const QString location = textRun.trimmed();
    if (!location.isEmpty() && owner->getPrecordingPath())
        *owner->getPrecordingPath() = location;
}

QT_WARNING_POP
