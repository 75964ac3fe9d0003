#include "picturebox.h"

#include <QPainter>
#include <qdrawutil.h>

namespace ui {
namespace {

class PictureSurface : public QWidget
{
public:
    explicit PictureSurface(QWidget *parent)
        : QWidget(parent)
    {
        // Opaque: Qt need not paint what lies behind it when it moves.
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFocusPolicy(Qt::TabFocus);
    }

    void setColour(const QColor &colour)
    {
        colour_ = colour;
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QBrush fill(colour_);
        qDrawWinPanel(&painter, rect(), palette(), true, &fill);
    }

private:
    QColor colour_ = Qt::white;
};

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : WindowedControl(new PictureSurface(parent))
{
}

void PictureBox::showBackColor(const QColor &colour)
{
    static_cast<PictureSurface *>(widget())->setColour(colour);
}

} // namespace ui
