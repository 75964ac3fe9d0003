#pragma once

#include <QImage>
#include <QPoint>

#include <cstdint>
#include <optional>
#include <vector>

class XSession;

// Where the target shows in a capture of the window, from its pixels.
enum class Place { Left, Right, Top, Bottom, Middle, Hidden, Elsewhere };

const char *nameOf(Place place);

// The yellow target's top-left corner, inside its 2-pixel border; nullopt
// when no yellow shows.
std::optional<QPoint> findTarget(const QImage &image);

Place placeOf(std::optional<QPoint> corner);

struct Change
{
    qint64 atMs;
    Place place;
};

// Captures the window for a while, or until it has seen as many places as
// asked for, and keeps each change of the target's place.
std::vector<Change> watchTarget(XSession &session, int forMs, std::size_t enough = SIZE_MAX);

// The median time between changes, leaving out the first, which only ends
// the waiting.
double medianInterval(const std::vector<Change> &changes);
