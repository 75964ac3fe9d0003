#pragma once

#include "announcer.h"
#include "colour.h"

#include <QWidget>

#include <memory>

namespace ui {

class FormWindow;

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
    // focus. Nothing happens while no screen reader listens.
    void announce(const QString &text);

    // The window's zoom, a factor of its designed size; every window
    // starts at the designed size.
    qreal zoom() const;
    // The client area in pixels at the designed size.
    QSizeF designedSize() const;
    // The window at the zoom, of the zoomed size and fixed there.
    void setZoom(qreal factor);
    // Asks the desktop to show the window over the whole screen, or to end
    // that. The desktop may refuse, or end full screen by itself, and says
    // so when it pleases; the window's state and size tell what it did.
    void requestFullScreen();
    void requestNormal();
    // Whether full screen is asked for, or was given and not yet ended.
    bool isFullScreen() const;
    // The designed window at the zoom, centred on the window's colour over
    // the window's whole size, which is no longer fixed: what a window
    // given the whole screen shows.
    void fillWindow(qreal factor);
    // Shows the window again as a new one, which the desktop places anew.
    void placeAnew();

    // The parent of every control.
    QWidget *surface() const;

    void show();

private:
    // Lets the window take any size, as one given the whole screen does.
    void unfix();

    std::unique_ptr<FormWindow> surface_;
    Announcer announcer_;
    float clientWidth_ = 0;
    float clientHeight_ = 0;
};

} // namespace ui
