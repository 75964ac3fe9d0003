#include "textbox.h"

#include "fieldframe.h"
#include "focusring.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <QPlainTextEdit>

namespace ui {
namespace {

// Lays out a text only when it is to be seen: start-up rewrites the
// description line by line before the window shows, and the quotation is
// never shown at all.
class LockedTextEdit : public QPlainTextEdit
{
public:
    explicit LockedTextEdit(QWidget *parent)
        : QPlainTextEdit(parent)
    {
        setReadOnly(true);
        // Read-only alone allows only the mouse; the keyboard selects too
        // (Ctrl+A, Shift+arrows) and copies (Ctrl+C).
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setLineWrapMode(QPlainTextEdit::WidgetWidth);
        setTabChangesFocus(true);
    }

    void setText(const QString &text)
    {
        pending_ = text;
        if (isVisible())
            showPending();
    }

protected:
    // The frame is painted here, the text in the viewport. A caret alone is
    // too small a sign of focus.
    bool event(QEvent *event) override
    {
        const bool handled = QPlainTextEdit::event(event);
        if (event->type() == QEvent::Paint) {
            paintFieldFrame(*this);
            if (hasFocus()) {
                QPainter painter(this);
                drawFocusRing(painter, rect());
            }
        }
        return handled;
    }

    void showEvent(QShowEvent *event) override
    {
        showPending();
        QPlainTextEdit::showEvent(event);
    }

private:
    void showPending()
    {
        if (pending_.isNull())
            return;
        QString shown = pending_;
        shown.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
        // The last line end opens an empty last line, as in the text itself.
        setPlainText(shown);
        pending_ = QString();
    }

    QString pending_;
};

// The text's viewport passes its focus on to the text box, and Qt reports
// both as focused; a screen reader must hear of one focused object.
class ViewportAccessible : public QAccessibleWidget
{
public:
    using QAccessibleWidget::QAccessibleWidget;

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.focused = false;
        return state;
    }
};

QAccessibleInterface *viewportAccessible(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (widget && dynamic_cast<LockedTextEdit *>(widget->parentWidget()) && static_cast<LockedTextEdit *>(widget->parentWidget())->viewport() == widget)
        return new ViewportAccessible(widget);
    return nullptr;
}

} // namespace

TextBox::TextBox(QWidget *parent)
    : WindowedControl(new LockedTextEdit(parent))
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(viewportAccessible);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void TextBox::setText(const QString &text)
{
    text_ = text;
    static_cast<LockedTextEdit *>(widget())->setText(text);
}

} // namespace ui
