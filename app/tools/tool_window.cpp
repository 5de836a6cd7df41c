#include "tool_window.h"

#include "data/gbk_text.h"

#include <QDialog>
#include <QEvent>
#include <QEventLoop>
#include <QLineEdit>

namespace {

// Ends a local event loop when the watched window is hidden (closed).
class HideWatcher : public QObject {
public:
    explicit HideWatcher(QEventLoop& loop) : loop_(loop) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide) loop_.quit();
        return false;
    }

private:
    QEventLoop& loop_;
};

void showModally(QWidget& window)
{
    if (auto* dialog = qobject_cast<QDialog*>(&window)) {
        dialog->exec();
        return;
    }
    // A tool window that is a plain widget gets the same modal run as a dialog.
    window.setWindowFlag(Qt::Window);
    window.setWindowModality(Qt::ApplicationModal);
    QEventLoop loop;
    HideWatcher watcher(loop);
    window.installEventFilter(&watcher);
    window.show();
    loop.exec();
    window.removeEventFilter(&watcher);
}

}  // namespace

ToolWindowShower& toolWindowShower()
{
    static ToolWindowShower shower = showModally;
    return shower;
}

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
