#include "targetwatch.h"

#include "design.h"
#include "xsession.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QThread>

#include <algorithm>
#include <iterator>

namespace {

// The target's top-left corner at the travel bounds, in pixels.
struct Known
{
    Place place;
    QPoint corner;
};
const Known KnownPlaces[] = {
    {Place::Left, {0, 154}},     // (XL, YS)
    {Place::Right, {424, 154}},  // (XD, YS)
    {Place::Top, {197, 0}},      // (XS, YG)
    {Place::Bottom, {197, 308}}, // (XS, YD)
    {Place::Middle, {197, 154}}, // (XS, YS)
};

} // namespace

const char *nameOf(Place place)
{
    static constexpr const char *Names[]{"left", "right", "top", "bottom", "middle", "hidden", "elsewhere"};
    static_assert(std::size(Names) == std::size_t(Place::Elsewhere) + 1, "a place without a name");
    return Names[std::size_t(place)];
}

std::optional<QPoint> findTarget(const QImage &image)
{
    const QRect yellow = designed::areaOf(image, designed::Yellow);
    return yellow.isNull() ? std::nullopt : std::optional<QPoint>(yellow.topLeft() - QPoint(2, 2));
}

namespace {

Place placeOf(std::optional<QPoint> corner)
{
    if (!corner)
        return Place::Hidden;
    // A focus ring inside the border moves the first yellow pixel by two.
    for (const Known &known : KnownPlaces)
        if ((known.corner - *corner).manhattanLength() <= 4)
            return known.place;
    return Place::Elsewhere;
}

} // namespace

std::vector<Change> watchTarget(XSession &session, int forMs, std::size_t enough)
{
    std::vector<Change> changes;
    QElapsedTimer clock;
    clock.start();
    std::optional<Place> last;
    while (clock.elapsed() < forMs && changes.size() < enough) {
        const QImage image = session.capture();
        const qint64 at = clock.elapsed();
        if (image.isNull())
            continue;
        const Place place = placeOf(findTarget(image));
        if (place != last)
            changes.push_back({at, place});
        last = place;
        QThread::msleep(5);
    }
    return changes;
}

bool staysStill(XSession &session, int periodMs)
{
    // A tick already due as the timer stopped may still land: the target is
    // still once it has held its place for two periods, and then holds it.
    QElapsedTimer clock;
    clock.start();
    std::vector<Change> changes = watchTarget(session, 2 * periodMs);
    while (changes.size() > 1 && clock.elapsed() < 10 * periodMs)
        changes = watchTarget(session, 2 * periodMs);
    if (changes.size() == 1)
        changes = watchTarget(session, 2 * periodMs);
    if (changes.size() == 1)
        return true;
    qWarning("the target still moves: %s", qPrintable(describe(changes)));
    return false;
}

double medianInterval(const std::vector<Change> &changes)
{
    std::vector<qint64> intervals;
    for (std::size_t i = 2; i < changes.size(); ++i)
        intervals.push_back(changes[i].atMs - changes[i - 1].atMs);
    if (intervals.empty())
        return 0;
    std::nth_element(intervals.begin(), intervals.begin() + qsizetype(intervals.size() / 2), intervals.end());
    return double(intervals[intervals.size() / 2]);
}

bool onlyAt(const std::vector<Change> &changes, std::initializer_list<Place> places)
{
    for (std::size_t i = 1; i < changes.size(); ++i)
        if (std::find(places.begin(), places.end(), changes[i].place) == places.end())
            return false;
    return true;
}

QString describe(const std::vector<Change> &changes)
{
    QStringList seen;
    for (const Change &change : changes)
        seen << QStringLiteral("%1 at %2 ms").arg(nameOf(change.place)).arg(change.atMs);
    return seen.join(QStringLiteral(", "));
}
