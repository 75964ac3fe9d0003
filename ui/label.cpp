#include "label.h"

#include "fittedcaption.h"

#include <QEvent>
#include <QLabel>

#include <algorithm>

namespace ui {

class CaptionLabel : public QLabel
{
    Q_OBJECT
    // A screen reader reads a heading label as a heading, not as a name.
    Q_PROPERTY(bool heading MEMBER heading CONSTANT)

public:
    CaptionLabel(QWidget *surface, bool isHeading)
        : QLabel(surface)
        , heading(isHeading)
    {
        setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        setWordWrap(true);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        lower();
    }

    const bool heading;

protected:
    // Fitted when the window is laid out and about to show, once the
    // controls in front of it are all in place, and again when a zoom gives
    // it another size.
    bool event(QEvent *event) override
    {
        if (event->type() == QEvent::Polish)
            fit();
        return QLabel::event(event);
    }

    void resizeEvent(QResizeEvent *event) override
    {
        QLabel::resizeEvent(event);
        if (testAttribute(Qt::WA_WState_Polished))
            fit();
    }

private:
    void fit() { fitCaption(*this, text(), QSize(width(), shownHeight())); }

    // Of its height, only the part above the first control in front of it
    // shows.
    int shownHeight() const
    {
        int shown = height();
        for (const QObject *object : parentWidget()->children())
            if (const auto *control = qobject_cast<const QWidget *>(object);
                control && control != this && !qobject_cast<const QLabel *>(control) && !control->isHidden() && control->geometry().intersects(geometry()))
                shown = std::min(shown, std::max(0, control->y() - y()));
        return shown;
    }
};

Label::Label(QWidget *surface, Role role)
    : WindowedControl(new CaptionLabel(surface, role == Role::Heading))
{
}

QString Label::Caption() const
{
    return static_cast<QLabel *>(widget())->text();
}

void Label::setCaption(const QString &caption)
{
    static_cast<QLabel *>(widget())->setText(caption);
}

void Label::setBuddy(QWidget *control)
{
    static_cast<QLabel *>(widget())->setBuddy(control);
}

} // namespace ui

#include "label.moc"
