#include "storage/xmlcontenthandler.h"

#include <cstdio>

#include "storage/configfile.h"
#include "storage/scenariodescription.h"
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
    { ConfigElement::fieldWidthMm, MyXmlContentHandler::ElementFieldWidth },
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
    { "picture", MyXmlContentHandler::ElementPicture },
};

// The description and subtitle elements: a prefix and the language of the
// slot they fill, as named here in the slots' order.
constexpr const char *kSlotLanguages[kLanguageSlots]
    = { "english", "polish", "german", "russian", "spanish", "french" };
constexpr NamedElement proseElements[] = {
    { "description_", MyXmlContentHandler::ElementDescription },
    { "subtitle_", MyXmlContentHandler::ElementSubtitle },
};

template <std::size_t Count> int findCode(const NamedElement (&table)[Count], const QString &name)
{
    for (const NamedElement &element : table) {
        if (name == QLatin1String(element.name))
            return element.code;
    }
    return MyXmlContentHandler::ElementNone;
}

int findScenarioCode(const QString &name)
{
    const int code = findCode(scenarioElements, name);
    if (code != MyXmlContentHandler::ElementNone)
        return code;
    for (const NamedElement &prose : proseElements) {
        if (!name.startsWith(QLatin1String(prose.name)))
            continue;
        const QStringRef language = name.midRef(static_cast<int>(qstrlen(prose.name)));
        for (int slot = 0; slot < kLanguageSlots; ++slot) {
            if (language == QLatin1String(kSlotLanguages[slot]))
                return prose.code + slot;
        }
    }
    return MyXmlContentHandler::ElementNone;
}

// The slot of a description or subtitle code whose group starts at first, or
// -1 for any other code.
int proseSlot(int code, int first)
{
    const int slot = code - first;
    return slot >= 0 && slot < kLanguageSlots ? slot : -1;
}

// White space between elements, and a language code, camera name or title in
// other scripts only, carries no ASCII letter or digit; such runs are
// dropped. (The data location has a rule of its own.) A Chinese title is
// therefore written with the marker "chn", which its element removes.
bool hasAsciiLetterOrDigit(const QString &text)
{
    for (const QChar ch : text) {
        const ushort code = ch.unicode();
        if ((code >= '0' && code <= '9') || (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z'))
            return true;
    }
    return false;
}

// The velocity limits are written in hundredths.
constexpr double kVelocityScale = 100.0;
constexpr auto kChineseMarker = "chn";
constexpr auto kSymmetricYes = "yes";

// Lists keep their empty entries and the spaces around each entry.
QStringList splitList(const QString &text)
{
    return text.split(QLatin1Char(','), Qt::KeepEmptyParts);
}

// A group of limits is four numbers; a value that is not a number, and one
// the element lacks, counts as 0.
void readLimits(const QString &text, Limits &limits, double scale = 1.0)
{
    const QStringList parts = splitList(text);
    if (parts.size() != static_cast<int>(limits.size()))
        std::fputs("error when parsing offline scenario limits\n", stderr);
    for (std::size_t i = 0; i < limits.size(); ++i)
        limits[i] = parts.value(static_cast<int>(i)).toDouble() / scale;
}

int readNumber(const QString &text)
{
    return text.simplified().toInt(nullptr, 10);
}

} // namespace

MyXmlContentHandler::MyXmlContentHandler(XMLParser *owner)
    : owner(owner)
{
}

bool MyXmlContentHandler::startDocument()
{
    // A text cut off by a broken file must not end up in the next one.
    textRun.clear();
    return true;
}

bool MyXmlContentHandler::startElement(
    const QString &, const QString &localName, const QString &, const QXmlAttributes &)
{
    endText();
    const int code = mode == ModeConfiguration ? findCode(configurationElements, localName)
                                               : findScenarioCode(localName);
    if (code != ElementNone)
        currentElement = code;
    return true;
}

bool MyXmlContentHandler::endElement(const QString &, const QString &, const QString &)
{
    endText();
    return true;
}

bool MyXmlContentHandler::characters(const QString &text)
{
    if (mode == ModeScenario) {
        textRun += text;
        return true;
    }
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

// The reader may deliver one text in several runs (around a comment or a
// character data section); a scenario text is taken whole when a tag ends
// it, so that an element keeps all of its text rather than the last piece,
// and a limit is not reported broken for a piece of it.
void MyXmlContentHandler::endText()
{
    if (mode == ModeScenario)
        readScenarioText();
    textRun.clear();
}

void MyXmlContentHandler::readScenarioText()
{
    ScenarioDescription *scenario = owner->GetOnlineScenario();
    if (!scenario || readProseText(*scenario) || !hasAsciiLetterOrDigit(textRun))
        return;
    const QString &text = textRun;
    switch (currentElement) {
    case ElementId:
        scenario->id = readNumber(text);
        break;
    case ElementAuthor:
        scenario->author = text;
        break;
    case ElementResources:
        scenario->resources = splitList(text);
        scenario->processResources();
        break;
    case ElementCartridge:
        scenario->cartridgeDescription = text.simplified();
        scenario->processCartidgeDescription();
        break;
    case ElementAllowedTools:
        scenario->tools = splitList(text);
        break;
    case ElementMaxTime:
        scenario->maxTime = readNumber(text);
        break;
    case ElementMaxDistance:
        readLimits(text, scenario->maxDistance);
        break;
    case ElementMaxFft:
        readLimits(text, scenario->maxFFT);
        break;
    case ElementMaxVel:
        readLimits(text, scenario->maxVel, kVelocityScale);
        break;
    case ElementMaxAcc:
        readLimits(text, scenario->maxAcc);
        break;
    case ElementMaxEffVel:
        readLimits(text, scenario->maxEffVel);
        break;
    case ElementMaxEffCnt:
        readLimits(text, scenario->maxEffCnt);
        break;
    case ElementDifficulty:
        scenario->difficulty = readNumber(text);
        break;
    case ElementEnglish:
        scenario->title[SlotEnglish] = text.simplified();
        break;
    case ElementPolish:
        scenario->title[SlotPolish] = text.simplified();
        break;
    case ElementChinese:
        scenario->title[SlotChinese]
            = QString(text).remove(QLatin1String(kChineseMarker), Qt::CaseInsensitive);
        break;
    case ElementPortuguese:
        scenario->title[SlotPortuguese] = text.simplified();
        break;
    case ElementSymmetric:
        scenario->symmetric = text.simplified() == QLatin1String(kSymmetricYes);
        break;
    case ElementPicture:
        scenario->picture = text.trimmed();
        break;
    default:
        break;
    }
}

// Descriptions and subtitles are prose in any script, Cyrillic included, so
// they drop only a run of white space (the space between elements); the line
// breaks of a long text become single spaces.
bool MyXmlContentHandler::readProseText(ScenarioDescription &scenario)
{
    const int description = proseSlot(currentElement, ElementDescription);
    const int subtitle = proseSlot(currentElement, ElementSubtitle);
    if (description < 0 && subtitle < 0)
        return false;
    const QString text = textRun.simplified();
    if (text.isEmpty())
        return true;
    if (subtitle >= 0) {
        scenario.subtitle[subtitle] = text;
        return true;
    }
    // The training's own description is the first resource's six entries.
    while (scenario.descriptions.size() < kLanguageSlots)
        scenario.descriptions << QString();
    scenario.descriptions[description] = text;
    return true;
}

QT_WARNING_POP
