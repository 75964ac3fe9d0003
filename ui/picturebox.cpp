#include "picturebox.h"

#include <QAccessibleWidget>
#include <QFrame>

namespace ui {
namespace {

const char PictureBoxName[] = "PictureBox";

// A screen reader announces the box as a picture, not as a frame.
QAccessibleInterface *pictureAccessible(const QString &, QObject *object)
{
    if (object && object->isWidgetType() && object->objectName() == QLatin1StringView(PictureBoxName))
        return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Graphic);
    return nullptr;
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : WindowedControl(new QFrame(parent))
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(pictureAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);

    auto *frame = static_cast<QFrame *>(widget());
    frame->setObjectName(QLatin1StringView(PictureBoxName));
    frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setLineWidth(2);
    frame->setAutoFillBackground(true);
    frame->setFocusPolicy(Qt::TabFocus);
}

void PictureBox::showBackColor(const QColor &colour)
{
    // Most steps write the colour the box already has.
    if (widget()->palette().color(QPalette::Window) == colour)
        return;
    WindowedControl::showBackColor(colour);
}

} // namespace ui
