#include "announcer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace ui {

#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

Announcer::Announcer(QWidget *window)
    : speaker_(window)
{
}

void Announcer::announce(const QString &text) const
{
    if (!QAccessible::isActive())
        return;
    QAccessibleAnnouncementEvent event(speaker_, text);
    QAccessible::updateAccessibility(&event);
}

#else

// Before Qt 6.8, a screen reader hears of no announcement but as a
// notification that shows: one with no size of its own, heard, not seen. A
// class of its own, so that a screen reader learns that it is one.
class Announcement : public QWidget
{
    Q_OBJECT

public:
    explicit Announcement(QWidget *window)
        : QWidget(window)
    {
        // Qt installs a factory only once, however often it is asked to.
        QAccessible::installFactory(accessible);
        setFocusPolicy(Qt::NoFocus);
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(0, 0, 0, 0);
        hide();
    }

private:
    static QAccessibleInterface *accessible(const QString &className, QObject *object)
    {
        return className == QLatin1String("ui::Announcement") ? new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Notification) : nullptr;
    }
};

Announcer::Announcer(QWidget *window)
    : speaker_(new Announcement(window))
{
}

void Announcer::announce(const QString &text) const
{
    if (!QAccessible::isActive())
        return;
    // A screen reader speaks a notification as it comes to show.
    speaker_->hide();
    speaker_->setAccessibleName(text);
    speaker_->show();
}

#include "announcer.moc"

#endif

} // namespace ui
