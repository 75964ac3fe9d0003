#include "variant.h"

#include "conversions.h"

namespace ui {

double toNumber(const Variant &value)
{
    return std::visit(
        [](const auto &v) -> double {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::monostate>)
                return 0.0;
            else
                return static_cast<double>(v);
        },
        value);
}

QString toText(const Variant &value)
{
    return std::visit(
        [](const auto &v) -> QString {
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, std::monostate>)
                return QString();
            else
                return numberText(v);
        },
        value);
}

} // namespace ui
