#include "display/sheetfonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>

namespace kw {

void loadSheetFonts()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    const char* const files[] = {"tahoma.ttf", "tahomabd.ttf", "ms_sans_serif.ttf", "small_fonts.ttf"};
    for (const char* file : files) {
        const QString path = QStringLiteral("/usr/share/wine/fonts/") + QLatin1String(file);
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

namespace {

QFont namedFont(const char* family, int pixelSize)
{
    loadSheetFonts();
    QFont font(QString::fromLatin1(family));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    return font;
}

} // namespace

QFont smoothFont(QFont font)
{
    const QFontInfo shown(font);
    if (!QFontDatabase::isSmoothlyScalable(shown.family(), shown.styleName())) {
        const QFontInfo smooth(windowFont());
        font.setFamily(QFontDatabase::isSmoothlyScalable(smooth.family(), smooth.styleName())
                           ? smooth.family()
                           : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    }
    return font;
}

QFont scaledFont(QFont font, double factor)
{
    if (qFuzzyCompare(factor, 1.0))
        return font;
    font = smoothFont(font);
    if (font.pixelSize() > 0)
        font.setPixelSize(qMax(1, qRound(font.pixelSize() * factor)));
    else
        font.setPointSizeF(qMax(1.0, font.pointSizeF() * factor));
    return font;
}

QFont windowFont()
{
    static const QFont font = namedFont("Tahoma", 11);
    return font;
}

QFont driveFont()
{
    return formDefaultFont();
}

QFont batteryClassFont()
{
    static const QFont font = namedFont("Small Fonts", 9);
    return font;
}

QFont captionFont()
{
    static const QFont font = namedFont("Tahoma", 9);
    return font;
}

QFont formDefaultFont()
{
    static const QFont font = namedFont("MS Sans Serif", 11);
    return font;
}

} // namespace kw
