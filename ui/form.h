#pragma once

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
    void setZoom(qreal factor);
    // The designed window at the zoom over the whole screen, centred on the
    // window's colour; showNormal() gives the window back at a zoom.
    void showFullScreen(qreal factor);
    void showNormal(qreal factor);
    bool isFullScreen() const;

    // The parent of every control.
    QWidget *surface() const;

    void show();

private:
    void zoomTo(qreal factor, QPoint origin);
    QFont zoomedFont(qreal factor) const;

    std::unique_ptr<FormWindow> surface_;
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    // Before Qt 6.8, a screen reader hears of no announcement but as a
    // notification that shows.
    QWidget *announcement_;
#endif
    float clientWidth_ = 0;
    float clientHeight_ = 0;
    QFont designedFont_;
};

} // namespace ui
