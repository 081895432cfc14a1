#include "core/fonts.h"

#include <QDir>
#include <QFont>
#include <QFontDatabase>

namespace {

constexpr auto kFontFolder = ":/fonts";

struct FontStandIn
{
    const char *named;
    const char *freeFamily;
};

// The named families are not free; these free families are bundled instead.
constexpr FontStandIn kStandIns[] = {
    { "Corbel", "Carlito" },
    { "Calibri", "Carlito" },
    { "Arial", "Liberation Sans" },
    { "Arial Rounded MT Bold", "Comfortaa" },
};

} // namespace

void registerApplicationFonts()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;

    const QDir folder(QString::fromLatin1(kFontFolder));
    const QStringList files
        = folder.entryList({ QStringLiteral("*.ttf"), QStringLiteral("*.otf") }, QDir::Files);
    for (const QString &file : files)
        QFontDatabase::addApplicationFont(folder.filePath(file));
    for (const FontStandIn &standIn : kStandIns)
        QFont::insertSubstitution(
            QString::fromLatin1(standIn.named), QString::fromLatin1(standIn.freeFamily));
}
