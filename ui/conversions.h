#pragma once

#include <QString>
#include <QStringView>
#include <QtGlobal>

namespace ui {

// The number that a text spells in decimal: leading blanks, an optional sign,
// digits, an optional fraction and exponent; reading stops at the first
// character that does not fit. A text without digits is 0.
double numericValue(QStringView text);

// Round to the nearest integer, ties to the even one. A value out of the
// target's range, or not a number, is a run-time error.
qint16 toInt16(double value);
qint32 toInt32(double value);

// Narrow to single precision; a value beyond the single range is a run-time
// error, as is any infinity or NaN.
float toSingle(double value);

// A floating-point fault (overflow, invalid operation, division by zero)
// shows as a result that is not finite; make it a run-time error.
double checked(double value);
float checked(float value);

// A number's default text form: whole values without a decimal point,
// others with their significant digits only (up to 7 for a single, 15 for a
// double), in exponent form (1.234568E+07) when too large or too small for
// that. The decimal separator is always '.'.
QString numberText(float value);
QString numberText(double value);
QString numberText(qint16 value);

} // namespace ui
