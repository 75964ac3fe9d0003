#include "textbox.h"

#include "zoom.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextEdit>

namespace ui {

// The text's viewport, a class of its own so that a screen reader can be
// told it is not a second focused object beside the text box.
class TextViewport : public QWidget
{
    Q_OBJECT

public:
    using QWidget::QWidget;
};

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
        setViewport(new TextViewport);
        // The text is measured on the viewport; the one replaced is gone.
        document()->documentLayout()->setPaintDevice(viewport());
        setReadOnly(true);
        // Read-only alone allows only the mouse; the keyboard selects too
        // (Ctrl+A, Shift+arrows) and copies (Ctrl+C).
        setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setLineWrapMode(QPlainTextEdit::WidgetWidth);
        setTabChangesFocus(true);
    }

    // The text keeps its designed distance from the frame at every zoom.
    void zoomMargin() { document()->setDocumentMargin(zoomOf(this).pixels(DesignedMargin)); }

    void setText(const QString &text)
    {
        pending_ = text;
        if (isVisible())
            showPending();
    }

protected:
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

    static constexpr qreal DesignedMargin = 4; // Qt's own, in pixels

    QString pending_;
};

} // namespace

TextBox::TextBox(QWidget *parent)
    : WindowedControl(new LockedTextEdit(parent))
{
}

void TextBox::zoomChanged()
{
    static_cast<LockedTextEdit *>(widget())->zoomMargin();
    WindowedControl::zoomChanged();
}

void TextBox::setText(const QString &text)
{
    text_ = text;
    static_cast<LockedTextEdit *>(widget())->setText(text);
}

} // namespace ui

#include "textbox.moc"
