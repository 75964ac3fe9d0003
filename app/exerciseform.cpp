#include "exerciseform.h"

#include "conversions.h"
#include "windowdefinition.h"

#include <QIcon>
#include <QWidget>

#include <algorithm>

using namespace ui;

ExerciseForm::ExerciseForm()
{
    const WindowDefinition &window = windowDefinition();
    form.setCaption(window.caption);
    form.setBackColor(window.backColor);
    form.setClientSize(window.clientWidth, window.clientHeight);
    QFont font(window.fontFamily, window.fontPointSize, window.fontWeight);
    form.setFont(font);
    form.setIcon(QIcon(QStringLiteral(":/eye-trainer.png")));

    createControls();
    exercise.emplace(*Picture1, engine::Rings{engine::Ring(List1[1].items()), engine::Ring(List1[2].items()), engine::Ring(List1[3].items())},
                     bounds, Mode);

    const TimerDefinition &timer = timerDefinition();
    Timer1.setInterval(timer.interval);
    Timer1.setEnabled(timer.enabled);

    List1.setClickHandler([this](qint16 index) { List1_Click(index); });
    Option1.setClickHandler([this](qint16 index) { Option1_Click(index); });
    Command1.setClickHandler([this](qint16 index) { Command1_Click(index); });
    Timer1.setTimerHandler([this] { Timer1_Timer(); });
}

void ExerciseForm::createControls()
{
    QWidget *surface = form.surface();
    std::vector<std::pair<int, QWidget *>> tabOrder;

    for (const ControlDefinition &definition : windowedControls()) {
        WindowedControl *control = nullptr;
        switch (definition.kind) {
        case ControlKind::ListBox: {
            ListBox &list = List1.add(definition.index, std::make_unique<ListBox>(surface));
            list.items().setStringList(definition.texts);
            control = &list;
            break;
        }
        case ControlKind::OptionButton: {
            OptionButton &option = Option1.add(definition.index, std::make_unique<OptionButton>(surface));
            option.setCaption(definition.texts.value(0));
            control = &option;
            break;
        }
        case ControlKind::PictureBox:
            Picture1 = std::make_unique<PictureBox>(surface);
            control = Picture1.get();
            break;
        case ControlKind::CommandButton: {
            CommandButton &button = Command1.add(definition.index, std::make_unique<CommandButton>(surface));
            button.setCaption(definition.texts.value(0));
            control = &button;
            break;
        }
        case ControlKind::TextBox: {
            TextBox &text = Text1.add(definition.index, std::make_unique<TextBox>(surface));
            text.setText(definition.texts.value(0));
            control = &text;
            break;
        }
        }
        const ControlGeometry &g = definition.geometry;
        control->move(g.left, g.top, g.width, g.height);
        if (definition.backColor)
            control->setBackColor(*definition.backColor);
        control->setVisible(definition.visible);
        if (!definition.accessibleName.isEmpty())
            control->setAccessibleName(definition.accessibleName);
        // Each control goes below those before it: the first is in front.
        control->widget()->lower();
        if (definition.visible)
            tabOrder.emplace_back(definition.tabIndex, control->widget());
    }

    std::sort(tabOrder.begin(), tabOrder.end(), [](const auto &a, const auto &b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);

    for (const LabelDefinition &definition : labels()) {
        auto label = std::make_unique<Label>();
        const ControlGeometry &g = definition.geometry;
        label->Left = g.left;
        label->Top = g.top;
        label->Width = g.width;
        label->Height = g.height;
        label->BackColor = definition.backColor;
        label->Caption = definition.caption;
        form.addLabel(Label1.add(definition.index, std::move(label)));
    }
}

void ExerciseForm::show()
{
    form.show();
}

// The user's commands: each changes one setting and returns; the target
// changes only at the next tick.

void ExerciseForm::Command1_Click(qint16 Index)
{
    switch (Index) {
    case 0: // "Започни"
        Timer1.setEnabled(true);
        break;
    case 1: // "Спри"
        Timer1.setEnabled(false);
        break;
    default:
        break;
    }
}

void ExerciseForm::List1_Click(qint16 Index)
{
    if (Index != 0)
        return;
    const int selected = List1[0].ListIndex();
    Timer1.setInterval(toInt32(numericValue(List1[0].List(selected))));
}

void ExerciseForm::Option1_Click(qint16 Index)
{
    Mode = Index;
}

void ExerciseForm::Timer1_Timer()
{
    exercise->tick();
}
