#include "tool_window.h"

#include "data/gbk_text.h"

#include <QLineEdit>

void limitGbkBytes(QLineEdit* edit, int maxBytes, bool upperCaseLatin)
{
    QObject::connect(edit, &QLineEdit::textEdited, edit, [edit, maxBytes, upperCaseLatin](const QString& typed) {
        QString text = gbkLeft(typed, maxBytes);
        if (upperCaseLatin)
            for (QChar& c : text)
                if (c.unicode() < 0x80) c = c.toUpper();
        if (text == typed) return;
        const int cursor = std::min(edit->cursorPosition(), int(text.size()));
        edit->setText(text);
        edit->setCursorPosition(cursor);
    });
}
