#pragma once

#include <QList>
#include <QMap>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include "storage/scenariodescription.h"

// One subtitle of a movie, in every language slot. The two numbers are kept
// as given; nothing here reads them.
struct SubtitleEntry
{
    int movie = 0;
    int param2 = 0;
    int param3 = 0;
    LanguageTexts text;
};

// One training scenario: what its description file says, its place in the
// chooser, its files, descriptions and subtitles. A value: it is copied into
// the session's list and into the chooser's rows. The texts are read in the
// display language and fall back to another language when a slot holds a
// single space, the mark of a text the scenario lacks.
class Scenario : public ScenarioDescription
{
public:
    void SetHeader(const QString &author, const LanguageTexts &titles, int number);
    void SetOldTitle(const LanguageTexts &titles);

    // The title in the display language, or the first title in another, or
    // "<no name>". Only a single space falls back; an empty title is
    // returned as it is.
    const QString &GetTitle() const;
    // The title of slot when it has text; otherwise that slot's title as it
    // is when exact, or GetTitle() when not.
    const QString &GetTitle(int slot, bool exact) const;
    // The six titles quoted, as ('...','...',...): an empty one as a space.
    QString GetFullTitle() const;
    QString GetOldTitle() const;
    // The author's logo: the maker's for its own scenarios, a generic one
    // for the others. Loaded again at every call.
    QPixmap &GetAuthorLogo();
    // The description of a resource in the display language, in English
    // when that has none (empty or a single space), or "index error".
    // Resource 0 is the training itself.
    QString GetDescription(int resource) const;
    // The line under the title in the display language, falling back to
    // English like the description.
    QString GetSubtitleLine() const;
    // The text of a movie's subtitle in the display language (falling back
    // like the title, or "<no subtitle>"), or "index error".
    QString GetSubtitle(int movie, int index) const;
    void AddSubtitle(int movie, int param2, const LanguageTexts &texts);
    void SetTools(const QStringList &list);
    // Slots 4 and 5, which no description fills, and every title marked as
    // missing get the first title that is not.
    void fillMissingLanguages();

    QString getStringListResources() const;
    QString getStringListTools() const;
    QString getStringListMaxDistance() const;
    QString getStringListMaxFFT() const;
    QString getStringListMaxVel() const;
    QString getStringListMaxAcc() const;
    QString getStringListMaxEffVel() const;
    QString getStringListMaxEffCnt() const;
    QString isTrainingSymmetric() const;

    // Checks the tool names and that every file the scenario names exists;
    // logs the first failure. Turns the "\" separators of scenarioPath into
    // "/" on the way.
    bool autoCheck();

    int number = 0;
    QPixmap authorLogo;
    LanguageTexts oldTitle;
    QString cartridgePicturePath;
    // Full paths of the scenario's pictures and videos.
    QStringList resourceFiles;
    // The subtitles of each movie, by movie number.
    QMap<int, QList<SubtitleEntry>> subtitles;
    QString scenarioPath;
};
