#pragma once

#include <QList>
#include <QString>

#include "catalogue/scenario.h"

// A resource of a scenario, with its title and description in every
// language slot.
class AnalyticResource
{
public:
    // Every title marked "No title in this language" and every description
    // marked "No description in this language" gets the text of slot 0, or,
    // when slot 0 is marked itself, of the last slot that is not.
    void fillMissingLanguages();

    LanguageTexts title;
    QString note;
    LanguageTexts description;
};

// A movie resource, with its subtitles in the order added.
class VideoResource : public AnalyticResource
{
public:
    // The resource's own texts as an analytic resource, then every blank
    // subtitle text from the entry's slot 0, or from its last slot with text
    // when slot 0 is blank.
    virtual void fillMissingLanguages();
    virtual ~VideoResource() = default;

    void AddSubtitle(int movie, int param2, int param3, const LanguageTexts &texts);
    // The subtitle's text in the display language, or "index error".
    QString GetSubtitle(int index) const;

    QList<SubtitleEntry> subtitles;
};
