#pragma once

#include <array>

#include "core/enums.h"

// What the application knows of each of its ten display languages, in one
// place: the screens, the configuration file, the translations and the
// scenario texts all look a language up here.
struct LanguageEntry
{
    Language language;
    // Written to the configuration file and naming the translation
    // (":/qm/pl.qm"); the first-run dialog's flag button is named after it
    // too ("pl_label").
    const char *code;
    // The coloured flag the settings list shows beside the name.
    const char *flag;
    // As the settings list shows it, and as it passes the choice on.
    const char *displayName;
    // Where a scenario keeps its texts in this language; kNoScenarioSlot for
    // the languages scenarios have no texts in, which read the first slot.
    int scenarioSlot;
};

constexpr int kNoScenarioSlot = -1;

// In the order the settings list shows them.
inline constexpr std::array<LanguageEntry, LangItalian + 1> kLanguages { {
    { LangPolish, "pl", ":/graphics/flags/pl.png", "PL", 1 },
    { LangEnglish, "en", ":/graphics/flags/en.png", "EN", 0 },
    { LangGerman, "de", ":/graphics/flags/de.png", "DE", 2 },
    { LangFrench, "fr", ":/graphics/flags/fr.png", "FR", 5 },
    { LangSpanish, "es", ":/graphics/flags/es.png", "ES", 4 },
    { LangJapanese, "jp", ":/graphics/flags/jp.png", "JP", kNoScenarioSlot },
    { LangChinese, "cn", ":/graphics/flags/cn.png", "CN", kNoScenarioSlot },
    { LangPortuguese, "pt", ":/graphics/flags/pt.png", "PT", kNoScenarioSlot },
    { LangRussian, "ru", ":/graphics/flags/ru.png", "RU", 3 },
    { LangItalian, "it", ":/graphics/flags/it.png", "IT", kNoScenarioSlot },
} };

// The entry of a Language value; English's for a value outside the list.
constexpr const LanguageEntry &languageEntry(int language)
{
    for (const LanguageEntry &entry : kLanguages) {
        if (entry.language == language)
            return entry;
    }
    return languageEntry(LangEnglish);
}
