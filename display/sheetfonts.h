#pragma once

#include <QFont>

namespace kw {

// The fonts of the record sheet, asked for by name; where a name is not installed the
// platform's sans-serif stands in. Sizes are pixels at 96 dpi, so the sheet looks the same on
// any screen and in the exported picture.
QFont windowFont();        // Tahoma 8.25 pt: icons and the display
QFont driveFont();         // MS Sans Serif 8.25 pt: the main drive rating and the tug's "T"
QFont batteryClassFont();  // Small Fonts 7: a beam battery's class
QFont captionFont();       // the streamlining caption, size 7
QFont formDefaultFont();   // MS Sans Serif 8.25 pt: what a window writes in unless told otherwise

// A font made of fixed bitmap sizes cannot be drawn larger; for text drawn at a finer scale a
// smooth font stands in (the font itself when it is smooth).
QFont smoothFont(QFont font);
// The font at a zoom of its size (a pixel at the least), smooth when it is not 100 %.
QFont scaledFont(QFont font, double factor);

// Makes the look-alike fonts that ship with the system available when they are installed
// outside the font path. Safe to call more than once.
void loadSheetFonts();

} // namespace kw
