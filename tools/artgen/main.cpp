// artgen: draws every picture of the application into the resource tree.
//
//   artgen draw   <resources> <frames>        pictures; loader frames to <frames>
//   artgen sheet  <resources> <frames> <png>  contact sheet of the pictures
//   artgen fonts  <fonts>                     family and style of each bundled face
//
// The script scripts/draw-art builds and runs it; see there.
#include "pictures.h"

#include <QDir>
#include <QGuiApplication>
#include <QRawFont>

#include <cstdio>

namespace {

int usage()
{
    std::fprintf(stderr,
        "usage: artgen draw <resources> <frames>\n"
        "       artgen sheet <resources> <frames> <out.png>\n"
        "       artgen fonts <fonts dir>\n");
    return 2;
}

int listFonts(const QString &dir)
{
    const QStringList files = QDir(dir).entryList({ "*.ttf", "*.otf" }, QDir::Files, QDir::Name);
    for (const QString &file : files) {
        const QString family = art::loadFont(dir, file);
        const QRawFont raw(dir + "/" + file, 12);
        std::printf("%s\t%s\t%s\n", qPrintable(file), qPrintable(family), qPrintable(raw.styleName()));
    }
    return files.isEmpty() ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty())
        return usage();
    const QString mode = args.first();
    if (mode == "fonts" && args.size() == 2)
        return listFonts(args[1]);
    if (mode == "sheet" && args.size() == 4)
        return art::drawContactSheet(args[1], args[1] + "/fonts", args[2], args[3]) ? 0 : 1;
    if (mode != "draw" || args.size() != 3)
        return usage();

    art::Output out(args[1]);
    art::drawApplicationLayout(out, args[2]);
    art::drawCommonIcons(out, args[1] + "/fonts");
    art::drawFlags(out);
    art::drawPanels(out);
    art::drawMenuTiles(out);
    art::drawTools(out);
    art::drawExercises(out);
    for (const QString &file : out.written())
        std::printf("%s\n", qPrintable(file));
    return 0;
}
