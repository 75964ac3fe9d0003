#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRectF>
#include <QSize>

#include <array>

// The window as designed, typed here once more for the tests, apart from
// the program's own table: a slip in that table must fail a test. Places
// are Left, Top, Width, Height in twips.
namespace designed {

// The client area: 6915 x 5625 twips.
inline const QSize WindowPixels(461, 375);
// The zooms that the zoom keys step through.
inline constexpr std::array<double, 7> ZoomSteps{1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0};

inline const QRectF StartButton(2640, 720, 1215, 375);
inline const QRectF StopButton(3960, 720, 1215, 375);
inline const QRectF ClockwiseOption(600, 2880, 1935, 375);
inline const QRectF PeriodList(3360, 1560, 1215, 1200);
inline const QRectF PeriodLabel(3360, 1320, 1215, 300);
inline const QRectF TitleLabel(3960, 240, 2895, 300);
// The target where the window's start-up puts it.
inline const QRectF TargetAtRest(0, 2312.5, 500, 500);

// The client area in pixels at a zoom.
inline QSize windowAt(double zoom)
{
    return (QSizeF(WindowPixels) * zoom).toSize();
}

// The window's colour, which nothing else on a test's screen shows, and
// the target's, which nothing else in the window shows.
inline const QColor Lavender(192, 192, 255);
inline const QColor Yellow(255, 255, 0);

// Where the pixels that match show in a part of a picture.
template <typename Matches>
QRect areaWhere(const QImage &picture, QRect within, Matches matches)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    within &= rgb.rect();
    QRect found;
    for (int y = within.top(); y <= within.bottom(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = within.left(); x <= within.right(); ++x)
            if (matches(row[x]))
                found |= QRect(x, y, 1, 1);
    }
    return found;
}

// Where a colour shows in a picture.
inline QRect areaOf(const QImage &picture, QColor colour)
{
    return areaWhere(picture, picture.rect(), [rgb = colour.rgb()](QRgb pixel) { return pixel == rgb; });
}

// The window's client area in a picture of a screen.
inline QRect windowIn(const QImage &screen)
{
    return areaOf(screen, Lavender);
}

// A place in twips as the pixel at the designed size.
inline QPoint pixelOf(QPointF twips)
{
    return (twips / 15).toPoint();
}

} // namespace designed
