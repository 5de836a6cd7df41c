// The knowledge page (TabSheet10): a column of topic buttons, each carrying the key of a Noter article
// in its hint, and the pane MemoBk that shows the chosen article, or the built-in introduction to name
// studies before any topic is chosen.
#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

class KnowledgePage : public QWidget {
    Q_OBJECT
public:
    explicit KnowledgePage(QWidget* parent = nullptr);

    QWidget* RzPanel14;  // the column of topic buttons
    QPushButton *RzBitBtn6, *RzBitBtn9, *RzBitBtn10, *RzBitBtn11, *RzBitBtn12, *RzBitBtn13, *RzBitBtn17,
        *RzBitBtn28;
    QPlainTextEdit* MemoBk;

public slots:
    // Shared by the eight topic buttons: loads the article whose key is the pressed button's hint.
    void RzBitBtn6Click();

private:
    void showArticle(const QString& cid);
};
