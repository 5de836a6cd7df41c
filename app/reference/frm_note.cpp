#include "frm_note.h"

#include "data/db_error.h"
#include "tools/reference/note_article.h"

#include <QBoxLayout>
#include <QGuiApplication>
#include <QScreen>
#include <QTextEdit>

TFrmNote::TFrmNote(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TFrmNote"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("算命"));
    resize(652, 466);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    RzMemo1 = new QTextEdit(this);
    RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
    RzMemo1->setReadOnly(true);
    RzMemo1->setAcceptRichText(false);
    RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(RzMemo1);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void ShowNote(const QString& cid)
{
    std::optional<NoteArticle> article;
    try {
        article = LoadNoteArticle(cid.trimmed());
    } catch (const DbError&) {
        return;  // silent abandon: no window
    }
    auto* window = new TFrmNote;
    if (article) {
        window->setWindowTitle(article->title);
        window->RzMemo1->setPlainText(article->content);
    } else {
        window->RzMemo1->clear();
    }
    window->RzMemo1->moveCursor(QTextCursor::Start);
    window->show();
}
