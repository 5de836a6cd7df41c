// The note window: one article of table Noter under its own title, modeless, released when closed.
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
// read no window is shown.
void ShowNote(const QString& cid);
