#include "textbox.h"

#include <QPlainTextEdit>

namespace ui {

TextBox::TextBox(QWidget *parent)
    : WindowedControl(new QPlainTextEdit(parent))
{
    QPlainTextEdit *edit = editor();
    edit->setReadOnly(true);
    // Read-only alone allows only the mouse; the keyboard selects too
    // (Ctrl+A, Shift+arrows) and copies (Ctrl+C).
    edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    edit->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    edit->setTabChangesFocus(true);
}

QPlainTextEdit *TextBox::editor() const
{
    return static_cast<QPlainTextEdit *>(widget());
}

void TextBox::setText(const QString &text)
{
    text_ = text;
    QString shown = text;
    shown.replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
    // The last line end opens an empty last line, as in the text itself.
    editor()->setPlainText(shown);
}

} // namespace ui
