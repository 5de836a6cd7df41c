// The note window: one article of table Noter under its own title, modeless, with a "关闭" button;
// Escape closes it too.
#pragma once

#include <QWidget>

class QTextEdit;

class TFrmNote : public QWidget {
    Q_OBJECT
public:
    explicit TFrmNote(QWidget* parent = nullptr);

    QTextEdit* RzMemo1;
};

// Opens a new note window with the article of cid: captioned with its title, or "算命" with an empty
// pane when there is no such article. Each call opens another window. When KelBirth.dll cannot be
// read no window is shown. The window is deleted when closed, or with the launcher's window; notes
// opened one after another cascade.
void ShowNote(const QString& cid, QWidget* launcher = nullptr);
