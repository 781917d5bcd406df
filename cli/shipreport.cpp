#include "cli/shipreport.h"

#include "editor/shipeditor.h"
#include "model/numbertext.h"
#include "model/shipchoices.h"

#include <QJsonArray>
#include <QLocale>
#include <QTextStream>

namespace kw {

namespace {

// Twips as the model holds them, without the noise a float gains on its way to a double.
double twipsValue(float twips)
{
    return formatTwips(twips).toDouble();
}

double number(const QString& text)
{
    return parseNumber(text).value_or(0.0);
}

qint64 whole(const QString& text)
{
    return static_cast<qint64>(number(text));
}

template <typename Container>
QJsonArray intArray(const Container& values)
{
    QJsonArray array;
    for (int v : values)
        array.append(v);
    return array;
}

} // namespace

QJsonObject shipReportJson(const ShipEditor& editor)
{
    const ShipRecord& s = editor.ship();
    const EditorFields& f = editor.fields();
    const EditorFigures& fig = editor.figures();
    QJsonObject o;
    o[QStringLiteral("name")] = f.name;
    o[QStringLiteral("class")] = s.Class;
    o[QStringLiteral("side")] = editor.loadedSide();
    o[QStringLiteral("type")] = shipTypeTexts().value(f.shipType);
    o[QStringLiteral("hullIntegrity")] = hullIntegrityTexts().value(f.hullIndex);
    o[QStringLiteral("ftl")] = s.FTL;
    o[QStringLiteral("streamLining")] = s.StreamLining;
    o[QStringLiteral("massField")] = whole(f.number(NumericField::TMF));
    o[QStringLiteral("tmf")] = s.TMF;
    o[QStringLiteral("tmfUsed")] = number(fig.tmfUsed);
    o[QStringLiteral("tmfAvailable")] = number(fig.tmfAvailable);
    o[QStringLiteral("npv")] = s.NPV;
    o[QStringLiteral("crew")] = whole(fig.crew);
    o[QStringLiteral("hullPoints")] = s.HullPoints;
    o[QStringLiteral("hullField")] = whole(f.number(NumericField::Hull));
    o[QStringLiteral("classes")] = QJsonArray::fromStringList(f.classes);
    QJsonObject systems;
    for (int i = 0; i < kSystemLabelCount; ++i) {
        QJsonObject figure;
        figure[QStringLiteral("mass")] = number(fig.mass[i]);
        figure[QStringLiteral("cost")] = number(fig.cost[i]);
        systems[systemLabelName(static_cast<SystemLabel>(i))] = figure;
    }
    o[QStringLiteral("systems")] = systems;
    o[QStringLiteral("weaponsMass")] = whole(fig.weaponsMass);
    o[QStringLiteral("weaponsCost")] = whole(fig.weaponsCost);
    o[QStringLiteral("warning")] = editor.lastWarning() ? QJsonValue(*editor.lastWarning()) : QJsonValue();
    QJsonObject track;
    track[QStringLiteral("rows")] = intArray(s.HullTrack);
    track[QStringLiteral("crewBoxes")] = intArray(s.CrewBoxes);
    track[QStringLiteral("crewStart")] = intArray(s.CrewStart);
    track[QStringLiteral("crewLine")] = intArray(s.CrewLine);
    track[QStringLiteral("crewFactor")] = s.CrewFactor;
    o[QStringLiteral("track")] = track;
    QJsonObject display;
    display[QStringLiteral("width")] = static_cast<qint64>(editor.display().sheet.display.width);
    display[QStringLiteral("height")] = static_cast<qint64>(editor.display().sheet.display.height);
    o[QStringLiteral("display")] = display;
    QJsonArray icons;
    for (const SystemIcon& icon : editor.display().icons()) {
        QJsonObject i;
        i[QStringLiteral("index")] = icon.index;
        i[QStringLiteral("code")] = icon.tag;
        i[QStringLiteral("left")] = twipsValue(icon.left);
        i[QStringLiteral("top")] = twipsValue(icon.top);
        i[QStringLiteral("width")] = twipsValue(icon.width);
        i[QStringLiteral("height")] = twipsValue(icon.height);
        i[QStringLiteral("placed")] = icon.placed();
        icons.append(i);
    }
    o[QStringLiteral("icons")] = icons;
    return o;
}

QString shipReportTable(const ShipEditor& editor)
{
    const ShipRecord& s = editor.ship();
    const EditorFields& f = editor.fields();
    const EditorFigures& fig = editor.figures();
    QString text;
    QTextStream out(&text);
    auto row = [&out](const QString& label, const QString& value) {
        out << label.leftJustified(18, QLatin1Char(' ')) << value << '\n';
    };
    row(QStringLiteral("Name"), f.name);
    row(QStringLiteral("Class"), s.Class);
    row(QStringLiteral("Side"), editor.loadedSide());
    row(QStringLiteral("Type"), shipTypeTexts().value(f.shipType));
    row(QStringLiteral("Hull integrity"), hullIntegrityTexts().value(f.hullIndex));
    row(QStringLiteral("Mass (TMF)"), f.number(NumericField::TMF));
    row(QStringLiteral("TMF Used"), fig.tmfUsed);
    row(QStringLiteral("TMF Available"), fig.tmfAvailable);
    row(QStringLiteral("NPV Cost"), fig.npv);
    row(QStringLiteral("Crew Units"), fig.crew);
    row(QStringLiteral("Hull points"), QString::number(s.HullPoints));
    row(QStringLiteral("FTL"), s.FTL);
    row(QStringLiteral("Streamlining"), s.StreamLining);
    out << "\nSystem              Mass      Cost\n";
    for (int i = 0; i < kSystemLabelCount; ++i) {
        if (number(fig.mass[i]) == 0 && number(fig.cost[i]) == 0)
            continue;
        out << systemLabelName(static_cast<SystemLabel>(i)).leftJustified(18, QLatin1Char(' '))
            << fig.mass[i].rightJustified(6, QLatin1Char(' ')) << fig.cost[i].rightJustified(10, QLatin1Char(' ')) << '\n';
    }
    out << QStringLiteral("Weapons").leftJustified(18, QLatin1Char(' ')) << fig.weaponsMass.rightJustified(6, QLatin1Char(' '))
        << fig.weaponsCost.rightJustified(10, QLatin1Char(' ')) << '\n';
    out << "\nDamage track      " << s.HullTrack[0] << ", " << s.HullTrack[1] << ", " << s.HullTrack[2] << ", "
        << s.HullTrack[3] << '\n';
    if (editor.lastWarning())
        out << "\nWarning: " << QString(*editor.lastWarning()).replace(QStringLiteral("\r\n"), QStringLiteral(" ")).replace(QLatin1Char(0x0D), QLatin1Char(0x20)) << '\n';
    int placed = 0;
    for (const SystemIcon& icon : editor.display().icons())
        placed += icon.placed() ? 1 : 0;
    out << "Icons             " << editor.display().iconCount() << " (" << placed << " placed)\n";
    return text;
}

QString jsonScalarText(const QJsonValue& value)
{
    switch (value.type()) {
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Bool:
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    case QJsonValue::Double:
        if (value.toVariant().typeId() == QMetaType::LongLong)
            return QString::number(value.toInteger());
        if (!qIsFinite(value.toDouble()))
            return QStringLiteral("null");
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    default:
        return QStringLiteral("null");
    }
}

} // namespace kw
