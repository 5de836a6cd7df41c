// The omen window: seven folk omen tables read against the twelve double-hours, one page per table.
// The pages' tab row is hidden; the caller chooses the page. Modeless, with a "关闭" button; Escape
// closes it too.
#pragma once

#include <QList>
#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QTabWidget;

class TFormOnther : public QWidget {
    Q_OBJECT
public:
    explicit TFormOnther(QWidget* parent = nullptr);

    QTabWidget* RzPageControl1;
    QList<QPlainTextEdit*> pages;  // Memo0 … Memo6, the texts of the seven tables
    QLabel* Label1;                // "说明：" and the double-hours
};

// Opens a new omen window captioned caption on page 0 … 6 (0 sneezing, 1 hot face, 2 startled heart,
// 3 barking dog, 4 twitching eye, 5 hot ears, 6 ringing ears). The window is deleted when closed, or
// with the launcher's window; omen windows opened one after another cascade.
void ShowOmenPage(const QString& caption, int page, QWidget* launcher = nullptr);
