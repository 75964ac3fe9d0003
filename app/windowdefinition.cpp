#include "windowdefinition.h"

using namespace Qt::Literals::StringLiterals;

namespace design {
namespace {

constexpr ui::Colour LightOrange = 0x0080C0FF;
constexpr ui::Colour Yellow = 0x0000FFFF;
constexpr ui::Colour Red = 0x000000FF;
constexpr ui::Colour Green = 0x0000FF00;
constexpr auto Default = std::nullopt;
constexpr bool Visible = true;
constexpr bool Hidden = false;

} // namespace

const WindowDefinition &windowDefinition()
{
    // clang-format off
    static const WindowDefinition window{
        u"eye-trainer.example  Биология - упражнения за зрение"_s,
        0x00FFC0C0, // light lavender
        6915, 5625,
        u"Times New Roman"_s, 12, 400,
    };
    // clang-format on
    return window;
}

QStringList sameMetricFaces()
{
    return {u"Liberation Serif"_s, u"Tinos"_s, u"Nimbus Roman"_s, u"Nimbus Roman No9 L"_s, u"TeX Gyre Termes"_s, u"Times"_s};
}

const std::vector<ControlDefinition> &windowedControls()
{
    using enum ControlKind;
    // clang-format off
    static const std::vector<ControlDefinition> controls{
        // kind         index  left   top   width  height  back colour   caption, text or entries                                   visible  tab  accessible name
        {ListBox,       3, {5640, 1200, 1335, 1200}, Default,     {u"0"_s, u"1"_s, u"2"_s, u"3"_s},                                Hidden,  16, u"Пръстен на ъглите"_s},
        {ListBox,       2, {5160, 1200, 1335, 1200}, Default,     {u"0"_s, u"1"_s, u"2"_s, u"3"_s, u"4"_s, u"5"_s},                Hidden,  15, u"Пръстен на оттенъците"_s},
        {OptionButton,  6, { 600, 2880, 1935,  375}, LightOrange, {u"По часовата"_s},                                              Visible, 14, {}},
        {OptionButton,  5, { 600, 2520, 1935,  375}, LightOrange, {u"Срещу часовата"_s},                                           Visible, 13, {}},
        {OptionButton,  4, { 600, 2160, 1935,  375}, LightOrange, {u"Перспектива"_s},                                              Visible, 12, {}},
        {OptionButton,  3, { 600, 1800, 1935,  375}, LightOrange, {u"Свещ-яркост"_s},                                              Visible, 11, {}},
        {ListBox,       0, {3360, 1560, 1215, 1200}, Default,     {u"200"_s, u"300"_s, u"400"_s, u"500"_s,
                                                                   u"500"_s, u"700"_s, u"800"_s, u"900"_s},                        Visible, 10, u"Период"_s},
        {ListBox,       1, {4680, 1200, 1335, 1200}, Default,     {u"0"_s, u"1"_s, u"0"_s, u"1"_s},                                Hidden,   9, u"Пръстен на страните"_s},
        {PictureBox,    0, {   0, 2600,  500,  500}, Yellow,      {},                                                              Visible,  8, u"наблюдаван обект"_s},
        {CommandButton, 1, {3960,  720, 1215,  375}, Red,         {u"Спри"_s},                                                     Visible,  7, {}},
        {CommandButton, 0, {2640,  720, 1215,  375}, Green,       {u"Започни"_s},                                                  Visible,  6, {}},
        {OptionButton,  2, { 600, 1440, 1935,  375}, LightOrange, {u"Светофар"_s},                                                 Visible,  5, {}},
        {OptionButton,  1, { 600, 1080, 1935,  375}, LightOrange, {u"Горе-Долу"_s},                                                Visible,  4, {}},
        {OptionButton,  0, { 600,  720, 1935,  375}, LightOrange, {u"Ляво-Дясно"_s},                                               Visible,  3, {}},
        {TextBox,       1, { 720, 3480, 6735, 1815}, Default,     {quotationText()},                                               Hidden,   1, u"Цитат"_s},
        {TextBox,       0, { 120, 3480, 6735, 1815}, Default,     {descriptionText()},                                             Visible,  0, u"Описание на упражненията"_s},
    };
    // clang-format on
    return controls;
}

const std::vector<LabelDefinition> &labels()
{
    // clang-format off
    static const std::vector<LabelDefinition> labels{
        // index  left   top   width  height  back colour  caption                       heading  names
        {1, {3360, 1320, 1215, 300}, LightOrange, u"Период"_s,              false,   qint16(0)}, // heads the period list
        {0, {3960,  240, 2895, 300}, LightOrange, u"Тренировка за очите"_s, true,    {}},        // the window's title line
    };
    // clang-format on
    return labels;
}

const TimerDefinition &timerDefinition()
{
    // Enabled as designed; start-up stops it before the window shows.
    static const TimerDefinition timer{200, true};
    return timer;
}

QString quotationText()
{
    return u"Неприятното в това да си първият, направил нещо по правилния начин, е, че никой не оценява колко трудно е било. \r\n"_s;
}

QString descriptionText()
{
    return u"Движението, гимнастиката, упражненията допринасят за повишаване на общия тонус и укрепване на организма.\r\n"
           u"Това е познато отдавна, но съществувава един специфичен проблем - да надвием себе си, това може да се направи само с волеви усилия.\r\n"
           u"По темата подобряване на зрението е писано много.\r\n"
           u"Да се създаде проект създаващ междупредметна връзка Биология и Информатика.\r\n"
           u"Проектът да съдържа функции, които могат да подобрят зрението (поне в известна степен). Прочетете допълнителен материал за гимнастика на очите. В проекта са реализирани следните функции:\r\n"
           u"\r\n"
           u" а) Ляво-Дясно -  преместване хоризонтално на наблюдаван обект.\r\n"
           u" б) Горе-Долу -  преместване вертикално на наблюдаван обект.\r\n"
           u" в) Светофар - \"премигване\" на наблюдаван обект.\r\n"
           u" г) Свещ-яркост промяна оцветяване на наблюдаван обект.\r\n"
           u" д) Перспектива -  промяна размер на наблюдаван обект.\r\n"
           u" е) Срещу часовата -  преместване кръгово(в указаната посока) на наблюдаван обект.\r\n"
           u" ж) По часовата -  преместване кръгово(в указаната посока) на наблюдаван обект.\r\n"
           u"Проектът да съдържа набор от два командни бутона за стартиране/спиране на движението.\r\n"
           u"Честотата на промяна се контролира от потребителя чрез избор от дискретен набор със стойности.\r\n"_s;
}

} // namespace design
