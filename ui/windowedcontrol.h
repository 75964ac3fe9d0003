#pragma once

#include "colour.h"

#include <QPointer>
#include <QWidget>

#include <optional>

namespace ui {

// What every control with a window of its own has: a place in twips and a
// visibility. The control keeps the exact twips written to it and reports
// them back; only its widget is rounded to whole pixels.
class WindowedControl
{
public:
    // The widget goes with its control (or earlier, with the window).
    virtual ~WindowedControl();
    WindowedControl(const WindowedControl &) = delete;
    WindowedControl &operator=(const WindowedControl &) = delete;

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setLeft(float twips);
    void setTop(float twips);
    void setWidth(float twips);
    void setHeight(float twips);
    void move(float left, float top, float width, float height);

    virtual bool Visible() const;
    virtual void setVisible(bool visible);

    // nullopt until a colour is written: the platform's default.
    std::optional<Colour> BackColor() const { return backColor_; }
    void setBackColor(Colour colour);

    // What a screen reader says for the control.
    void setAccessibleName(const QString &name) { widget_->setAccessibleName(name); }

    QWidget *widget() const { return widget_; }

protected:
    // The widget is a child of the window.
    explicit WindowedControl(QWidget *widget);

    // Shows a newly written back colour; the default fills the widget's
    // background with it.
    virtual void showBackColor(const QColor &colour);

    // After the window's zoom changed: the control takes its place and its
    // frame at the new zoom.
    virtual void zoomChanged();

private:
    void place();

    QPointer<QWidget> widget_;
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    float height_ = 0;
    std::optional<Colour> backColor_;
};

} // namespace ui
