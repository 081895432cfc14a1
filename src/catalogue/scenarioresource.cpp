#include "catalogue/scenarioresource.h"

#include "catalogue/languageslots.h"

namespace {

constexpr auto kMissingDescription = "No description in this language";

// Slot 0, unless it is marked: then the last slot that is not, or slot 0
// again when all are.
void fillFromSlot0OrLast(LanguageTexts &texts, const QString &marker)
{
    int source = 0;
    if (isMarked(texts[0], marker)) {
        for (int slot = kLanguageSlots - 1; slot > 0; --slot) {
            if (!isMarked(texts[slot], marker)) {
                source = slot;
                break;
            }
        }
    }
    replaceMarked(texts, marker, source);
}

bool isBlank(const QString &text)
{
    return text.simplified().isEmpty();
}

} // namespace

void AnalyticResource::fillMissingLanguages()
{
    fillFromSlot0OrLast(title, QLatin1String(kMissingTitle));
    fillFromSlot0OrLast(description, QLatin1String(kMissingDescription));
}

void VideoResource::fillMissingLanguages()
{
    AnalyticResource::fillMissingLanguages();
    for (SubtitleEntry &entry : subtitles) {
        int source = 0;
        if (isBlank(entry.text[0])) {
            source = -1;
            for (int slot = kLanguageSlots - 1; slot > 0 && source < 0; --slot) {
                if (!isBlank(entry.text[slot]))
                    source = slot;
            }
        }
        // An entry blank in every slot has nothing to give.
        if (source < 0)
            continue;
        const QString replacement = entry.text[source];
        for (QString &text : entry.text) {
            if (isBlank(text))
                text = replacement;
        }
    }
}

void VideoResource::AddSubtitle(int movie, int param2, int param3, const LanguageTexts &texts)
{
    subtitles.append(SubtitleEntry { movie, param2, param3, withNoTextForEmpty(texts) });
}

QString VideoResource::GetSubtitle(int index) const
{
    if (index < 0 || index >= subtitles.size()) {
        reportIndexError(
            QStringLiteral(" number of subtitles: %1 current subtitle: %2").arg(subtitles.size()).arg(index));
        return QLatin1String(kIndexError);
    }
    return subtitles.at(index).text[languageValueSlot()];
}
