#pragma once

#include "colour.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class QPainter;

namespace ui {

// A caption drawn on the window's own surface, behind every control that has
// a window of its own. It takes no input. Writing a property repaints it.
// A QObject only so that the window's paint list and a screen reader's view
// of it learn when it is gone.
class Label : public QObject
{
public:
    explicit Label(QWidget *surface);

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void move(float left, float top, float width, float height);

    Colour BackColor() const { return backColor_; }
    void setBackColor(Colour colour);

    QString Caption() const { return caption_; }
    void setCaption(const QString &caption);

    // What a screen reader is told: a heading, or the name of the control
    // it heads.
    bool isHeading() const { return heading_; }
    void setHeading(bool heading) { heading_ = heading; }
    QWidget *buddy() const { return buddy_; }
    void setBuddy(QWidget *control) { buddy_ = control; }

    // In pixels on the window's surface.
    QRect area() const;

    // Centred across the width, from the top; of its height, only the part
    // above the first control in front of it shows.
    void paint(QPainter &painter, int shownHeight) const;

private:
    // Repaints what the label covered before the change and what it covers
    // after it.
    template <typename Change>
    void change(Change &&apply)
    {
        const QRect before = area();
        apply();
        if (surface_)
            surface_->update(before.united(area()));
    }

    QPointer<QWidget> surface_;
    float left_ = 0;
    float top_ = 0;
    float width_ = 0;
    float height_ = 0;
    Colour backColor_ = 0x00FFFFFF;
    QString caption_;
    bool heading_ = false;
    QPointer<QWidget> buddy_;
};

} // namespace ui
