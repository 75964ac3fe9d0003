#pragma once

#include <QString>
#include <QtGlobal>

#include <variant>

namespace ui {

// A form-level value: empty, or a number that keeps its type. The type sets
// the precision of the arithmetic and how the value prints.
using Variant = std::variant<std::monostate, qint16, float, double>;

// Empty counts as 0.
double toNumber(const Variant &value);

// Empty prints as an empty text; numbers in their default text form.
QString toText(const Variant &value);

} // namespace ui
