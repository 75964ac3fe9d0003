#include "conversions.h"

#include "runtimeerror.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace ui {
namespace {

const QString overflow = QStringLiteral("препълване");

template <typename Integer>
Integer roundToInteger(double value, const char *typeName)
{
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double rounded = std::nearbyint(value);
    if (!(rounded >= double(std::numeric_limits<Integer>::min()) && rounded <= double(std::numeric_limits<Integer>::max())))
        throw RuntimeError(QStringLiteral("%1 (%2 не се побира в %3)").arg(overflow, QString::number(value, 'g', 17), QString::fromUtf8(typeName)));
    return static_cast<Integer>(rounded);
}

QString generalForm(double value, int significantDigits)
{
    if (value == 0.0)
        return QStringLiteral("0"); // also for -0, which has no sign of its own here
    // %G keeps at most the given significant digits, drops trailing zeros and
    // switches to the exponent form below 1E-04 or from 10^digits on.
    return QString::asprintf("%.*G", significantDigits, value);
}

} // namespace

double numericValue(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    auto isBlank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r'; };
    auto isDigit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    while (i < n && isBlank(text[i]))
        ++i;
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < n && isDigit(text[i]))
        ++i;
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isDigit(text[i]))
            ++i;
    }
    if (i == digitsStart || (i == digitsStart + 1 && text[digitsStart] == u'.'))
        return 0.0;
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    bool ok = false;
    const double value = text.mid(start, i - start).toString().toDouble(&ok);
    if (!ok)
        throw RuntimeError(QStringLiteral("%1 (%2)").arg(overflow, text.toString()));
    return value;
}

qint16 toInt16(double value)
{
    return roundToInteger<qint16>(value, "16-битово цяло число");
}

qint32 toInt32(double value)
{
    return roundToInteger<qint32>(value, "32-битово цяло число");
}

float toSingle(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > double(FLT_MAX))
        throw RuntimeError(QStringLiteral("%1 (%2 не се побира в число с единична точност)").arg(overflow, QString::number(value, 'g', 17)));
    return static_cast<float>(value);
}

double checked(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError(QStringLiteral("грешка при изчисление с плаваща запетая"));
    return value;
}

float checked(float value)
{
    return static_cast<float>(checked(static_cast<double>(value)));
}

QString numberText(float value)
{
    return generalForm(double(value), 7);
}

QString numberText(double value)
{
    return generalForm(value, 15);
}

QString numberText(qint16 value)
{
    return QString::number(value);
}

} // namespace ui
