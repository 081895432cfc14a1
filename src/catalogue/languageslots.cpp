#include "catalogue/languageslots.h"

#include <cstdio>

#include "core/clientsessioninfo.h"
#include "core/languages.h"

const QString kNoText = QStringLiteral(" ");

namespace {

constexpr bool scenarioSlotsInRange()
{
    for (const LanguageEntry &entry : kLanguages) {
        if (entry.scenarioSlot >= kLanguageSlots)
            return false;
    }
    return true;
}
static_assert(scenarioSlotsInRange(), "every language's scenario slot is one a scenario has");

} // namespace

int displayLanguageSlot()
{
    const int slot = languageEntry(ClientSessionInfo::langEnum).scenarioSlot;
    return slot == kNoScenarioSlot ? 0 : slot;
}

int languageValueSlot()
{
    const int value = ClientSessionInfo::langEnum;
    return value >= 0 && value < kLanguageSlots ? value : 0;
}

const QString *shownText(const LanguageTexts &texts, int slot)
{
    if (texts[slot] != kNoText)
        return &texts[slot];
    for (const QString &text : texts) {
        if (text != kNoText)
            return &text;
    }
    return nullptr;
}

LanguageTexts withNoTextForEmpty(const LanguageTexts &texts)
{
    LanguageTexts result = texts;
    for (QString &text : result) {
        if (text.isEmpty())
            text = kNoText;
    }
    return result;
}

bool isMarked(const QString &text, const QString &marker)
{
    return text.contains(marker, Qt::CaseInsensitive);
}

void replaceMarked(LanguageTexts &texts, const QString &marker, int source)
{
    const QString replacement = texts[source];
    for (QString &text : texts) {
        if (isMarked(text, marker))
            text = replacement;
    }
}

void reportIndexError(const QString &line)
{
    std::fprintf(stderr, "%s\n", qPrintable(line));
}
