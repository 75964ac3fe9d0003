#pragma once

#include "colour.h"

#include <QWidget>

#include <memory>
#include <vector>

namespace ui {

class Label;

// The window: a fixed client area in which the controls live and on whose
// surface the labels are drawn.
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

    // Drawn on the surface in the order added, behind every control, and
    // named to screen readers.
    void addLabel(const Label &label);

    // What a screen reader reads of the window besides its caption; a change
    // is announced.
    void setAccessibleDescription(const QString &description);

    // The parent of every control.
    QWidget *surface() const;

    void show();

    class Surface;

private:
    std::unique_ptr<Surface> surface_;
};

} // namespace ui
