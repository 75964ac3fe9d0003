#pragma once

#include <QImage>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

class XSession;

// Where the target shows in a capture of the window, from its pixels.
enum class Place { Left, Right, Top, Bottom, Middle, Hidden, Elsewhere };

const char *nameOf(Place place);

// The yellow target's top-left corner, inside its 2-pixel border; nullopt
// when no yellow shows.
std::optional<QPoint> findTarget(const QImage &image);

struct Change
{
    qint64 atMs;
    Place place;
};

// Captures the window for a while, or until it has seen as many places as
// asked for, and keeps each change of the target's place.
std::vector<Change> watchTarget(XSession &session, int forMs, std::size_t enough = SIZE_MAX);

// Whether the target, once a stopped exercise's last tick has landed,
// stays where it is; where not, it says what it saw.
bool staysStill(XSession &session, int periodMs);

// Whether the target was only at the places given once the watch began;
// the first place seen is where it was before.
bool onlyAt(const std::vector<Change> &changes, std::initializer_list<Place> places);
// The changes, for a failure's message.
QString describe(const std::vector<Change> &changes);

// The median time between changes, leaving out the first, which only ends
// the waiting.
double medianInterval(const std::vector<Change> &changes);
