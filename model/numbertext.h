#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

namespace kw {

// Whether a field text is a number, and its value. Accepts what a user types as a number:
// optional sign, digits with an optional decimal point, optional exponent ("12", "-4", "12.5",
// ".5", "1e3"). Anything else, or a value too large to hold, is not a number.
std::optional<double> parseNumber(QStringView text);
// The same on 8-bit text as the files hold it; accepts exactly what the text version accepts.
std::optional<double> parseNumber(QByteArrayView text);

// A whole number written in plain decimal as the files hold them ("12", "-3"); nothing else is
// accepted (no blanks, no decimal point). The value must lie within [min, max].
std::optional<qint64> parseWholeNumber(QStringView text, qint64 min, qint64 max);
std::optional<qint64> parseWholeNumber(QByteArrayView text, qint64 min, qint64 max);

// How a figure is shown in a label or written into a field: whole numbers without a decimal
// point, other values with up to 15 significant digits ("4.5", "2.66666666666667").
QString formatNumber(double value);

// A twip position as the ship file stores it: the shortest text that reads back to the same
// single-precision number ("1200", "157.5").
QString formatTwips(float value);
// The same into a character buffer; returns the end of the text written.
char* writeTwips(char* first, char* last, float value);

} // namespace kw

namespace kw {

// Removes blanks (spaces only, as the editor's trim does) from both ends.
QString trimSpaces(const QString& text);
QStringView trimSpaces(QStringView text);

} // namespace kw
