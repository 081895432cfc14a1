#pragma once

#include <array>

#include <QString>
#include <QStringList>

// A text in each of the six language slots of a scenario. The screens read
// the slots as English, Polish, German, Russian, Spanish and French; the
// description and subtitle elements fill them so, the title elements (for
// older files' sake) otherwise.
constexpr int kLanguageSlots = 6;
using LanguageTexts = std::array<QString, kLanguageSlots>;
// The slots a description file fills with titles; no title element fills
// slots 4 and 5.
enum TitleSlot { SlotEnglish = 0, SlotPolish = 1, SlotChinese = 2, SlotPortuguese = 3 };

// The four values of one group of limits.
using Limits = std::array<double, 4>;

// What a scenario description file says about a training: the fields the
// scenario reader fills, one element at a time. The training scenario of the
// catalogue builds on it; the reader itself needs nothing beyond these.
class ScenarioDescription
{
public:
    // Hooks run after the resources and the cartridge element were read; a
    // scenario needs nothing more from them yet.
    void processResources() { }
    void processCartidgeDescription() { }

    QString author;
    LanguageTexts title;
    QStringList tools;
    QString cartridgeDescription;
    QStringList resources;
    Limits maxFFT {};
    Limits maxAcc {};
    // Stored as the file's value divided by 100.
    Limits maxVel {};
    Limits maxEffVel {};
    Limits maxEffCnt {};
    Limits maxDistance {};
    int maxTime = 0;
    int difficulty = 0;
    int id = 0;
    bool symmetric = false;
    // Six entries, one per display slot, for each resource in turn; the
    // first six are the description of the training itself, which a file
    // may give. Empty when the file gives none.
    QStringList descriptions;
    // The line shown under the title, per display slot; empty where the
    // file gives none.
    LanguageTexts subtitle;
    // The picture of the practice field set up for the training, as the file
    // names it: a resource path, or a path relative to the file's folder.
    QString picture;
};
