#include "catalogue/scenario.h"

#include <QDebug>
#include <QFile>

#include "catalogue/languageslots.h"
#include "core/apptext.h"

namespace {

constexpr auto kNoName = "<no name>";
constexpr auto kNoSubtitle = "<no subtitle>";
constexpr auto kMakerAuthor = "Kavrin Training";
constexpr auto kMakerLogo = ":/graphics/common_icons/kavrin_icon.png";
constexpr auto kAuthorLogo = ":/graphics/common_icons/user_icon.png";
constexpr auto kResourcePrefix = "res";
// The only tool names a scenario may use, exactly so.
constexpr const char *kKnownTools[] = { "GRASPER", "DISSECTOR", "SCISSORS", "NEEDLE_HOLDER" };
// The velocity limits are shown in the hundredths they were written in.
constexpr double kVelocityScale = 100.0;
constexpr int kLimitPrecision = 6;

QString quotedList(const LanguageTexts &texts)
{
    QStringList quoted;
    for (const QString &text : texts)
        quoted << QLatin1Char('\'') + (text.isEmpty() ? kNoText : text) + QLatin1Char('\'');
    return QLatin1Char('(') + quoted.join(QLatin1Char(',')) + QLatin1Char(')');
}

QString limitList(const Limits &limits, double scale = 1.0)
{
    QStringList values;
    for (const double value : limits)
        values << QString::number(value * scale, 'g', kLimitPrecision);
    return values.join(QLatin1Char(','));
}

// A description or subtitle line the display language lacks is shown in
// English.
QString orEnglish(const QString &own, const QString &english)
{
    return own.trimmed().isEmpty() ? english : own;
}

bool isKnownTool(const QString &tool)
{
    for (const char *known : kKnownTools) {
        if (tool == QLatin1String(known))
            return true;
    }
    return false;
}

} // namespace

void Scenario::SetHeader(const QString &author, const LanguageTexts &titles, int number)
{
    this->author = author;
    title = titles;
    this->number = number;
}

void Scenario::SetOldTitle(const LanguageTexts &titles)
{
    oldTitle = titles;
}

const QString &Scenario::GetTitle() const
{
    static const QString noName = QLatin1String(kNoName);
    // The title elements fill the slots in English, Polish, Chinese and
    // Portuguese, not in the display languages' order beyond Polish: a German
    // or Russian trainee would read the Chinese or Portuguese title. They
    // read the English one.
    const int slot = displayLanguageSlot();
    const QString *shown = shownText(title, slot <= SlotPolish ? slot : SlotEnglish);
    return shown ? *shown : noName;
}

const QString &Scenario::GetTitle(int slot, bool exact) const
{
    // A slot beyond the six has no title of its own.
    static const QString none;
    const QString &own = slot >= 0 && slot < kLanguageSlots ? title[slot] : none;
    if (!own.isEmpty() && own != kNoText)
        return own;
    return exact ? own : GetTitle();
}

QString Scenario::GetFullTitle() const
{
    return quotedList(title);
}

QString Scenario::GetOldTitle() const
{
    return quotedList(oldTitle);
}

QPixmap &Scenario::GetAuthorLogo()
{
    authorLogo = QPixmap(QLatin1String(author == QLatin1String(kMakerAuthor) ? kMakerLogo : kAuthorLogo));
    return authorLogo;
}

QString Scenario::GetDescription(int resource) const
{
    const qint64 index = displayLanguageSlot() + qint64(resource) * kLanguageSlots;
    if (index < 0 || index >= descriptions.size())
        return QLatin1String(kIndexError);
    return orEnglish(descriptions.at(static_cast<int>(index)), descriptions.at(resource * kLanguageSlots));
}

QString Scenario::GetSubtitleLine() const
{
    return orEnglish(subtitle[displayLanguageSlot()], subtitle[SlotEnglish]);
}

QString Scenario::GetSubtitle(int movie, int index) const
{
    if (movie >= subtitles.size()) {
        reportIndexError(
            QStringLiteral("Current movie: %1 number of subtitles: %2").arg(movie).arg(subtitles.size()));
        return QLatin1String(kIndexError);
    }
    const QList<SubtitleEntry> entries = subtitles.value(movie);
    if (index < 0 || index >= entries.size()) {
        reportIndexError(QStringLiteral("Current movie: %1 number of subtitles: %2 current subtitle: %3")
                             .arg(movie)
                             .arg(entries.size())
                             .arg(index));
        return QLatin1String(kIndexError);
    }
    const QString *shown = shownText(entries.at(index).text, displayLanguageSlot());
    return shown ? *shown : QLatin1String(kNoSubtitle);
}

void Scenario::AddSubtitle(int movie, int param2, const LanguageTexts &texts)
{
    SubtitleEntry entry;
    entry.movie = movie;
    entry.param2 = param2;
    entry.text = withNoTextForEmpty(texts);
    subtitles[movie].append(entry);
}

void Scenario::SetTools(const QStringList &list)
{
    tools = list;
}

void Scenario::fillMissingLanguages()
{
    const QString marker = QLatin1String(kMissingTitle);
    for (int slot = SlotPortuguese + 1; slot < kLanguageSlots; ++slot)
        title[slot] = marker;
    int source = 0;
    for (int slot = 0; slot < kLanguageSlots; ++slot) {
        if (!isMarked(title[slot], marker)) {
            source = slot;
            break;
        }
    }
    replaceMarked(title, marker, source);
}

QString Scenario::getStringListResources() const
{
    QStringList items;
    for (int position = 0; position < resourceFiles.size(); ++position)
        items << QLatin1String(kResourcePrefix) + QString::number(position);
    return items.join(QLatin1Char(','));
}

QString Scenario::getStringListTools() const
{
    return tools.join(QLatin1Char(','));
}

QString Scenario::getStringListMaxDistance() const
{
    return limitList(maxDistance);
}

QString Scenario::getStringListMaxFFT() const
{
    return limitList(maxFFT);
}

QString Scenario::getStringListMaxVel() const
{
    return limitList(maxVel, kVelocityScale);
}

QString Scenario::getStringListMaxAcc() const
{
    return limitList(maxAcc);
}

QString Scenario::getStringListMaxEffVel() const
{
    return limitList(maxEffVel);
}

QString Scenario::getStringListMaxEffCnt() const
{
    return limitList(maxEffCnt);
}

QString Scenario::isTrainingSymmetric() const
{
    return symmetric ? QStringLiteral("yes") : QStringLiteral("no");
}

bool Scenario::autoCheck()
{
    for (const QString &tool : qAsConst(tools)) {
        if (!isKnownTool(tool)) {
            qDebug() << "tools returned false";
            return false;
        }
    }
    scenarioPath.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString base = scenarioPath + QLatin1Char('/');
    if (!QFile::exists(base + cartridgeDescription)) {
        qDebug() << "cartidge return false";
        return false;
    }
    if (!isStringPicturePath(cartridgePicturePath))
        return false;
    if (!QFile::exists(cartridgePicturePath)) {
        qDebug() << "cartidge path return false";
        return false;
    }
    for (const QString &resource : qAsConst(resources)) {
        if (!QFile::exists(base + resource)) {
            qDebug() << "resource files return false";
            return false;
        }
    }
    for (const QString &file : qAsConst(resourceFiles)) {
        if (!isStringPicturePath(file) && !isStringVideoPath(file))
            return false;
        if (!QFile::exists(file)) {
            qDebug() << "Resources return false";
            return false;
        }
    }
    qDebug() << "all tests passed";
    return true;
}
