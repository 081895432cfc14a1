#pragma once

#include "storage/scenariodescription.h"

// How the scenario texts pick the display language's slot and fall back to
// another slot. Shared by the scenario and its resources.

// The mark of a title a scenario lacks in a language.
constexpr auto kMissingTitle = "No title in this language";
// What a getter gives for an index out of range.
constexpr auto kIndexError = "index error";

// A slot holding exactly one space has no text in that language.
extern const QString kNoText;

// The slot of the display language for the scenario's own texts: "en", "pl",
// "de", "ru", "es" and "fr" in slots 0 to 5; any other language reads slot 0.
int displayLanguageSlot();

// The slot of the display language for a video resource's subtitles: the
// language's number, or slot 0 for the languages beyond the six slots.
int languageValueSlot();

// The text of slot, or the first slot's text that is not kNoText, or null
// when every slot is kNoText.
const QString *shownText(const LanguageTexts &texts, int slot);

// The texts with every empty one replaced by kNoText.
LanguageTexts withNoTextForEmpty(const LanguageTexts &texts);

// Whether text carries marker, in any letter case.
bool isMarked(const QString &text, const QString &marker);

// Replaces every text that carries marker by the text of slot source.
void replaceMarked(LanguageTexts &texts, const QString &marker, int source);

// Writes a line to standard error, where the scenario getters report an index
// out of range.
void reportIndexError(const QString &line);
