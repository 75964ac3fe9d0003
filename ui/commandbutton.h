#pragma once

#include "windowedcontrol.h"

#include <functional>

namespace ui {

// A push button whose face shows its back colour.
class CommandButton : public WindowedControl
{
public:
    explicit CommandButton(QWidget *parent);

    void setCaption(const QString &caption);

    void setClickHandler(std::function<void()> handler) { click_ = std::move(handler); }

protected:
    void showBackColor(const QColor &colour) override;

private:
    std::function<void()> click_;
};

} // namespace ui
