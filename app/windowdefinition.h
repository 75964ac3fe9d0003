#pragma once

#include "colour.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The window as it is designed: every control, caption, entry, colour and
// place. Lengths are twips, colours 0x00BBGGRR.
namespace design {

enum class ControlKind { ListBox, OptionButton, PictureBox, CommandButton, TextBox };

struct ControlGeometry
{
    float left, top, width, height;
};

struct ControlDefinition
{
    ControlKind kind;
    qint16 index;
    ControlGeometry geometry;
    std::optional<ui::Colour> backColor; // nullopt: the platform's default
    QStringList texts;                   // caption, text or list entries
    bool visible;
    int tabIndex;
    QString accessibleName; // empty: the caption says it
};

struct LabelDefinition
{
    qint16 index;
    ControlGeometry geometry;
    ui::Colour backColor;
    QString caption;
    bool heading;                  // a screen reader reads it as a heading
    std::optional<qint16> listFor; // the List1 it names, if any
};

struct WindowDefinition
{
    QString caption;
    ui::Colour backColor;
    float clientWidth, clientHeight;
    QString fontFamily;
    int fontPointSize;
    int fontWeight;
};

struct TimerDefinition
{
    qint32 interval;
    bool enabled;
};

const WindowDefinition &windowDefinition();

// Faces with the window font's metrics, in the order to try them where the
// font itself is missing.
QStringList sameMetricFaces();

// Front to back: where two controls overlap, the earlier one is drawn over
// the later one.
const std::vector<ControlDefinition> &windowedControls();

const std::vector<LabelDefinition> &labels();

const TimerDefinition &timerDefinition();

// The description shown under the controls, and a quotation kept hidden.
QString descriptionText();
QString quotationText();

} // namespace design
