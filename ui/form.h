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

    // Drawn on the surface in the order added, behind every control.
    void addLabel(const Label &label);

    // The parent of every control.
    QWidget *surface() const;

    void show();

private:
    class Surface;
    std::unique_ptr<Surface> surface_;
};

} // namespace ui
