// The groups of pictures the generator draws, one function per resource folder.
#pragma once

#include "canvas.h"

namespace art {

// graphics/application_layout: background, buttons, check boxes, small icons.
// The loader's frames go to framesDir; the script assembles the GIF from them.
void drawApplicationLayout(Output &out, const QString &framesDir);

// graphics/common_icons: maker's mark, logo, player icons, user, app icon.
void drawCommonIcons(Output &out, const QString &fontsDir);

// graphics/flags: ten flags in colour and greyed.
void drawFlags(Output &out);

// graphics/dialogs, lists, login and operation_form.
void drawPanels(Output &out);

// graphics/menu: the four large menu tiles with pressed variants.
void drawMenuTiles(Output &out);

// graphics/tools: the four instrument icons.
void drawTools(Output &out);

// graphics/exercises: the four built-in exercises' practice fields.
void drawExercises(Output &out);

// The maker's mark (ring with a K), reused by the logo and the app icon.
void paintMark(QPainter &p, const QRectF &box);

// Renders every picture below resRoot onto one sheet for a visual check.
bool drawContactSheet(
    const QString &resRoot, const QString &fontsDir, const QString &framesDir, const QString &outFile);

} // namespace art
