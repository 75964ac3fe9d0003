#include "exercise.h"

#include "conversions.h"

#include <array>
#include <optional>

using namespace ui;

namespace engine {
namespace {

constexpr Colour Yellow = 0x0000FFFF;
constexpr float FullSize = 500;

// The texts a head is compared with, in order; a head equal to none of them
// matches nothing.
constexpr std::array<QStringView, 6> HeadTexts{u"0", u"1", u"2", u"3", u"4", u"5"};

template <std::size_t N>
std::optional<std::size_t> matchHead(const QString &head)
{
    static_assert(N <= HeadTexts.size(), "a head is compared with more texts than there are");
    for (std::size_t i = 0; i < N; ++i)
        if (head == HeadTexts[i])
            return i;
    return std::nullopt;
}

// Candle brightness: the colour for each shade head, pale yellow through
// yellow to dark olive.
constexpr std::array<Colour, 6> CandleColours{
    0x00C0FFFF, // "0"
    0x0080FFFF, // "1"
    0x0000FFFF, // "2"
    0x0000C0C0, // "3"
    0x00008080, // "4"
    0x00004040, // "5"
};

} // namespace

Exercise::Exercise(PictureBox &target, const Rings &rings)
    : target_(target)
    , rings_(rings)
{
}

// Each exercise writes the target's properties in its own order (visibility
// before or after the reset, the place before or after the size), and the
// order shows on screen as the frames between the writes: it is deliberate,
// and tested, not an inconsistency to tidy.
void Exercise::tick(const Variant &mode, const TravelBounds &bounds)
{
    static constexpr Bound XL = &TravelBounds::XL, XD = &TravelBounds::XD, XS = &TravelBounds::XS;
    static constexpr Bound YG = &TravelBounds::YG, YD = &TravelBounds::YD, YS = &TravelBounds::YS;
    // By the toggle head: "0", or any other text.
    static constexpr Position LeftRight[2] = {{XL, YS}, {XD, YS}};
    static constexpr Position UpDown[2] = {{XS, YG}, {XS, YD}};
    static constexpr Position Middle = {XS, YS};
    // By the corner head "0" .. "3".
    static constexpr std::array<Position, 4> CounterClockwise = {{{XL, YS}, {XS, YD}, {XD, YS}, {XS, YG}}};
    static constexpr std::array<Position, 4> Clockwise = {{{XS, YG}, {XD, YS}, {XS, YD}, {XL, YS}}};

    const QString toggle = rings_.toggle.head();
    const QString shade = rings_.shade.head();
    const QString corner = rings_.corner.head();
    const int side = toggle == HeadTexts[0] ? 0 : 1;
    const double exercise = toNumber(mode); // empty counts as 0

    if (exercise == 0) { // "Ляво-Дясно"
        ResetTarget();
        target_.setVisible(true);
        place(LeftRight[side], bounds);
    } else if (exercise == 1) { // "Горе-Долу"
        target_.setVisible(true);
        ResetTarget();
        place(UpDown[side], bounds);
    } else if (exercise == 2) { // "Светофар": hidden at toggle "0"
        place(Middle, bounds);
        ResetTarget();
        target_.setVisible(side != 0);
    } else if (exercise == 3) { // "Свещ-яркост"
        target_.setVisible(true);
        target_.setHeight(FullSize);
        target_.setWidth(FullSize);
        const auto step = matchHead<CandleColours.size()>(shade);
        const Colour colour = step ? CandleColours[*step] : Yellow;
        place(Middle, bounds);
        target_.setBackColor(colour);
    } else if (exercise == 4) { // "Перспектива": visibility stays as it was
        place(Middle, bounds);
        target_.setBackColor(Yellow);
        target_.setHeight(toSingle(perspectiveSize()));
        target_.setWidth(toSingle(perspectiveSize()));
    } else if (exercise == 5) { // "Срещу часовата"
        ResetTarget();
        target_.setVisible(true);
        if (const auto i = matchHead<CounterClockwise.size()>(corner))
            place(CounterClockwise[*i], bounds);
    } else if (exercise == 6) { // "По часовата"
        ResetTarget();
        target_.setVisible(true);
        if (const auto i = matchHead<Clockwise.size()>(corner))
            place(Clockwise[*i], bounds);
    }

    rings_.toggle.rotate();
    rings_.shade.rotate();
    rings_.corner.rotate();
}

void Exercise::ResetTarget()
{
    target_.setHeight(FullSize);
    target_.setWidth(FullSize);
    target_.setBackColor(Yellow);
}

// Each bound is converted to a single as it is written.
void Exercise::place(Position position, const TravelBounds &bounds)
{
    target_.setLeft(toSingle(toNumber(bounds.*position.left)));
    target_.setTop(toSingle(toNumber(bounds.*position.top)));
}

// 500 / (k + 1) with k the shade ring's third entry, two ticks ahead of its
// head; read afresh each time it is asked for.
double Exercise::perspectiveSize() const
{
    return checked(FullSize / (numericValue(rings_.shade.entry(2)) + 1.0));
}

} // namespace engine
