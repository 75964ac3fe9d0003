#include "gnomelayout.h"

#include "platform.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QLibraryInfo>
#include <QVersionNumber>

namespace program {

void askGnomeDeviceLayout(QObject *context, std::function<void(bool)> answered)
{
    if (!ui::onWayland() || QLibraryInfo::version() >= QVersionNumber(6, 8))
        return;
    const QDBusMessage ask = QDBusMessage::createMethodCall(QStringLiteral("org.gnome.Mutter.DisplayConfig"),
        QStringLiteral("/org/gnome/Mutter/DisplayConfig"), QStringLiteral("org.gnome.Mutter.DisplayConfig"), QStringLiteral("GetCurrentState"));
    auto *watcher = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(ask), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context, [watcher, answered = std::move(answered)] {
        watcher->deleteLater();
        const QDBusMessage state = watcher->reply();
        if (state.type() != QDBusMessage::ReplyMessage || state.arguments().size() < 4)
            return;
        // The properties, a{sv}, are the fourth of the answer's values; a
        // "layout-mode" of 2 lays out in device pixels, as GNOME does unless
        // fractional scaling is turned on.
        QVariantMap properties;
        state.arguments().at(3).value<QDBusArgument>() >> properties;
        answered(properties.value(QStringLiteral("layout-mode")).toUInt() == 2);
    });
}

} // namespace program
