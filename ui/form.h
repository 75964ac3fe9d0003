#pragma once

#include "colour.h"

#include <QWidget>

#include <memory>

namespace ui {

// The window: a fixed client area in which the controls and the labels live.
class Form
{
public:
    Form();
    ~Form();
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    void setCaption(const QString &caption);
    void setBackColor(Colour colour);
    void setFont(const QFont &font);
    void setIcon(const QIcon &icon);
    // The client area, in twips; the user cannot resize it.
    void setClientSize(float width, float height);

    // The outer size in twips: the client area with the frame and the caption
    // bar, as the platform reports it.
    float Width() const;
    float Height() const;

    // What a screen reader reads of the window besides its caption; a change
    // is not announced.
    void setAccessibleDescription(const QString &description);

    // Has a screen reader say the text at once, for a change that moves no
    // focus: a notification that appears in the window and stays until the
    // next one. Nothing happens while no screen reader listens.
    void announce(const QString &text);

    // The user's zoom, a factor of the designed size. Ctrl+Plus (or Ctrl+=,
    // Ctrl+keypad plus) takes the next larger step the screen has room for,
    // Ctrl+Minus the next smaller, Ctrl+0 the designed size; a screen
    // reader hears the new zoom. Every run starts at the designed size.
    void setZoom(qreal factor);

    // F11: the designed window over the whole screen, at the largest zoom
    // that fits it and centred on the window's colour; F11 or Escape goes
    // back to the zoom before.
    void toggleFullScreen();

    // The parent of every control.
    QWidget *surface() const;

    void show();

private:
    void zoomBy(int steps);
    void zoomTo(qreal factor, QPoint origin);
    QFont zoomedFont(qreal factor) const;
    // The client area in pixels at the designed size.
    QSizeF designedSize() const;
    void announceZoom();
    bool fitsTheScreen(qreal factor) const;

    std::unique_ptr<QWidget> surface_;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Before Qt 6.8, a screen reader hears of no announcement but as a
    // notification that shows.
    QWidget *announcement_;
#endif
    float clientWidth_ = 0;
    float clientHeight_ = 0;
    QFont designedFont_;
    qreal zoomBeforeFullScreen_ = 1;
};

} // namespace ui
