#include "screenroom.h"

#include "platform.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QLibraryInfo>
#include <QScreen>
#include <QVersionNumber>

namespace program {

namespace {

// Whether GNOME's compositor lays the screens out in device pixels, as it
// does unless fractional scaling is turned on: its "layout-mode" is then 2.
bool gnomeLaysOutDevicePixels()
{
    QDBusMessage ask = QDBusMessage::createMethodCall(QStringLiteral("org.gnome.Mutter.DisplayConfig"), QStringLiteral("/org/gnome/Mutter/DisplayConfig"),
        QStringLiteral("org.gnome.Mutter.DisplayConfig"), QStringLiteral("GetCurrentState"));
    const QDBusMessage state = QDBusConnection::sessionBus().call(ask, QDBus::Block, 1000);
    if (state.type() != QDBusMessage::ReplyMessage || state.arguments().size() < 4)
        return false;
    // The properties, a{sv}, are the fourth of the answer's values.
    QVariantMap properties;
    state.arguments().at(3).value<QDBusArgument>() >> properties;
    return properties.value(QStringLiteral("layout-mode")).toUInt() == 2;
}

} // namespace

QSize screenRoom(const QScreen &screen)
{
    const QSize room = screen.availableGeometry().size();
    // Before Qt 6.8, Qt on Wayland takes GNOME's device-pixel layout for
    // the screen's size in pixels, twice the screen at a scale of 2.
    static const bool deviceLayout = ui::onWayland()
        && QLibraryInfo::version() < QVersionNumber(6, 8) && gnomeLaysOutDevicePixels();
    return deviceLayout ? room / screen.devicePixelRatio() : room;
}

} // namespace program
