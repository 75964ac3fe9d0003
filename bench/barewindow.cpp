// The floor for the start-up and running figures: the same window built from
// plain Qt widgets the usual way, with no control model, no start-up report
// and no rings. Its start button moves a yellow square between two places
// every 200 ms on a precise timer; its stop button stops that.

#include "windowdefinition.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QTimer>

namespace {

QPalette filled(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setAutoFillBackground(true);
    return palette;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare window  Биология - упражнения за зрение"));
    window.setFixedSize(461, 375);
    window.setPalette(filled(&window, QColor(192, 192, 255)));
    window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    const QColor orange(255, 192, 128);

    for (auto [caption, x, y, w] : {std::tuple{"Тренировка за очите", 264, 16, 193}, std::tuple{"Период", 224, 88, 81}}) {
        auto *label = new QLabel(QString::fromUtf8(caption), &window);
        label->setGeometry(x, y, w, 20);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setPalette(filled(label, orange));
    }
    auto *text = new QPlainTextEdit(design::descriptionText(), &window);
    text->setGeometry(8, 232, 449, 121);
    text->setReadOnly(true);
    auto *hiddenText = new QPlainTextEdit(design::quotationText(), &window);
    hiddenText->setGeometry(48, 232, 449, 121);
    hiddenText->hide();
    const char *exercises[] = {"Ляво-Дясно", "Горе-Долу", "Светофар", "Свещ-яркост", "Перспектива", "Срещу часовата", "По часовата"};
    for (int i = 0; i < 7; ++i) {
        auto *option = new QRadioButton(QString::fromUtf8(exercises[i]), &window);
        option->setGeometry(40, 48 + 24 * i, 129, 25);
        option->setPalette(filled(option, orange));
        option->setChecked(i == 0);
    }
    auto *start = new QPushButton(QStringLiteral("Започни"), &window);
    start->setGeometry(176, 48, 81, 25);
    start->setPalette(filled(start, Qt::green));
    auto *stop = new QPushButton(QStringLiteral("Спри"), &window);
    stop->setGeometry(264, 48, 81, 25);
    stop->setPalette(filled(stop, Qt::red));
    auto *target = new QFrame(&window);
    target->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    target->setLineWidth(2);
    target->setGeometry(0, 154, 33, 33);
    target->setPalette(filled(target, Qt::yellow));
    const QStringList lists[] = {
        {"0", "1", "0", "1"}, {"0", "1", "2", "3", "4", "5"}, {"0", "1", "2", "3"}, {"200", "300", "400", "500", "500", "700", "800", "900"}};
    for (const QStringList &entries : lists) {
        auto *view = new QListView(&window);
        view->setModel(new QStringListModel(entries, view));
        view->setGeometry(224, 104, 81, 80);
        view->setVisible(entries.size() == 8);
    }
    // Stacking as in the real window: the period list over the target.
    target->lower();
    text->lower();

    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(200);
    bool right = false;
    QObject::connect(&timer, &QTimer::timeout, target, [&] {
        right = !right;
        target->move(right ? 424 : 0, 154);
    });
    QObject::connect(start, &QPushButton::clicked, &timer, qOverload<>(&QTimer::start));
    QObject::connect(stop, &QPushButton::clicked, &timer, &QTimer::stop);

    window.show();
    return application.exec();
}
