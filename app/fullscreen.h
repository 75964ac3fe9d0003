#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

#include <chrono>
#include <optional>

namespace ui {
class Form;
}

namespace program {

// Full screen as the window goes through it, whoever changes it: the F11
// key, the desktop's own window menu or a script. The zoom of the window
// before full screen is given back when it ends; full screen shows the
// designed window at the zoom that fills the screen.
class FullScreen : public QObject
{
    Q_OBJECT

public:
    enum class State {
        Normal, // the window at its own zoom
        Asked,  // full screen asked for, the desktop's answer awaited
        Full,   // the window has the screen
    };

    // Made a child of the window, and lives as long as it.
    explicit FullScreen(ui::Form &form);

    State state() const { return state_; }
    // How long a desktop has to answer a request before the window takes
    // its own size back: a desktop may refuse without a word.
    void setAnswerTime(std::chrono::milliseconds time) { answerTime_.setInterval(time); }

    // Asks for full screen, or to end it; nothing while an answer is awaited.
    void toggle();

signals:
    void stateChanged(program::FullScreen::State state);
    // The window's zoom changed on the way in or out.
    void zoomChanged();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setState(State state);
    void fill();
    // The zoom and the place the window had before full screen.
    void giveBack();

    ui::Form &form_;
    State state_ = State::Normal;
    QTimer answerTime_;
    qreal zoomBefore_ = 1;
    std::optional<QPoint> normalPlace_; // the client area's, where the window last was at its own size
};

} // namespace program
