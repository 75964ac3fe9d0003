#pragma once

#include "runtimeerror.h"

#include <QtGlobal>

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace ui {

// Controls that share a name, told apart by an index; their events carry the
// index of the control that raised them.
template <typename Control>
class ControlArray
{
public:
    using ClickHandler = std::function<void(qint16 index)>;

    ControlArray() = default;
    ControlArray(const ControlArray &) = delete;
    ControlArray &operator=(const ControlArray &) = delete;

    // An index used twice is a mistake in the window's definition: replacing
    // the first control would free a widget that the tab order still holds,
    // so it is refused.
    Control &add(qint16 index, std::unique_ptr<Control> control)
    {
        if (controls_.contains(index))
            throw std::logic_error("two controls of one control array share the index " + std::to_string(index));
        Control &added = *control;
        if constexpr (requires { added.setClickHandler(std::function<void()>()); })
            added.setClickHandler([this, index] {
                if (click_)
                    click_(index);
            });
        controls_.emplace(index, std::move(control));
        return added;
    }

    Control &operator[](qint16 index) { return find(index); }
    const Control &operator[](qint16 index) const { return find(index); }

    void setClickHandler(ClickHandler handler) { click_ = std::move(handler); }

private:
    Control &find(qint16 index) const
    {
        const auto found = controls_.find(index);
        if (found == controls_.end())
            throw RuntimeError(QStringLiteral("няма елемент с номер %1 в масива от елементи").arg(index));
        return *found->second;
    }

    std::map<qint16, std::unique_ptr<Control>> controls_;
    ClickHandler click_;
};

} // namespace ui
