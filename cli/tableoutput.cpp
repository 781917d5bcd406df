#include "cli/tableoutput.h"

#include <algorithm>

namespace kw {

namespace {

QString csvField(const QString& text)
{
    const bool quoted = std::any_of(text.begin(), text.end(), [](QChar c) {
        return c == QLatin1Char(',') || c == QLatin1Char('"') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
    });
    if (!quoted)
        return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

QString oneLine(QString text)
{
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control)
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

QString csvText(const TextRows& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                text += QLatin1Char(',');
            text += csvField(row[i]);
        }
        text += QLatin1String("\r\n");
    }
    return text;
}

QString alignedText(const TextRows& rows, const QList<bool>& rightAligned)
{
    TextRows cells;
    QList<qsizetype> widths;
    for (const QStringList& row : rows) {
        QStringList shown;
        for (const QString& cell : row) {
            shown << oneLine(cell);
            if (widths.size() < shown.size())
                widths << 0;
            widths[shown.size() - 1] = std::max(widths[shown.size() - 1], shown.last().size());
        }
        cells << shown;
    }
    if (!cells.isEmpty()) {
        QStringList rule;
        for (qsizetype width : widths)
            rule << QString(width, QLatin1Char('-'));
        cells.insert(1, rule);
    }
    QString text;
    for (const QStringList& row : cells) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0)
                line += QLatin1String("  ");
            const bool right = i < rightAligned.size() && rightAligned[i];
            line += right ? row[i].rightJustified(widths[i]) : row[i].leftJustified(widths[i]);
        }
        // Padding after the last column would only trail.
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        text += line + QLatin1Char('\n');
    }
    return text;
}

} // namespace kw
