#pragma once

#include "windowedcontrol.h"

namespace ui {

// A multi-line, locked text box with a vertical scroll bar: the user can
// scroll, select and copy its text but not change it.
class TextBox : public WindowedControl
{
public:
    explicit TextBox(QWidget *parent);

    // The whole text, exactly as written, CR LF line ends included.
    QString Text() const { return text_; }
    void setText(const QString &text);

protected:
    void zoomChanged() override;

private:
    QString text_;
};

} // namespace ui
