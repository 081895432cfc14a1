#include "catalogue/languageslots.h"

#include <cstdio>

#include "core/clientsessioninfo.h"

const QString kNoText = QStringLiteral(" ");

int displayLanguageSlot()
{
    static const char *const slotCodes[kLanguageSlots] = { "en", "pl", "de", "ru", "es", "fr" };
    const QString code = ClientSessionInfo::getLanguageString();
    for (int slot = 0; slot < kLanguageSlots; ++slot) {
        if (code == QLatin1String(slotCodes[slot]))
            return slot;
    }
    return 0;
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
