#include "windowcontrols.h"

#include "windowdefinition.h"

#include <QIcon>
#include <QImageReader>
#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

using namespace ui;

WindowControls::WindowControls()
{
    const design::WindowDefinition &window = design::windowDefinition();
    form.setCaption(window.caption);
    form.setBackColor(window.backColor);
    form.setClientSize(window.clientWidth, window.clientHeight);
    form.setFont(QFont(window.fontFamily, window.fontPointSize, window.fontWeight));
    // Read as the PNG it is: QIcon would probe the file with every image
    // plugin, loading each one at start-up.
    QImageReader icon(QStringLiteral(":/eye-trainer.png"), "png");
    icon.setAutoDetectImageFormat(false);
    form.setIcon(QIcon(QPixmap::fromImage(icon.read())));

    createWindowedControls();
    createLabels();

    const design::TimerDefinition &timer = design::timerDefinition();
    Timer1.setInterval(timer.interval);
    Timer1.setEnabled(timer.enabled);
}

void WindowControls::createWindowedControls()
{
    using design::ControlKind;
    QWidget *surface = form.surface();
    std::vector<std::pair<int, QWidget *>> tabOrder;

    for (const design::ControlDefinition &definition : design::windowedControls()) {
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
        const design::ControlGeometry &g = definition.geometry;
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
}

void WindowControls::createLabels()
{
    for (const design::LabelDefinition &definition : design::labels()) {
        auto label = std::make_unique<Label>(form.surface(), definition.heading ? Label::Role::Heading : Label::Role::Name);
        const design::ControlGeometry &g = definition.geometry;
        label->move(g.left, g.top, g.width, g.height);
        label->setBackColor(definition.backColor);
        label->setCaption(definition.caption);
        if (definition.listFor)
            label->setBuddy(List1[*definition.listFor].widget());
        Label1.add(definition.index, std::move(label));
    }
}
