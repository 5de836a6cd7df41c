#include "frm_note.h"

#include "app/window_exit.h"
#include "app/window_opening.h"
#include "data/db_error.h"
#include "tools/reference/note_article.h"

#include <QBoxLayout>
#include <QTextEdit>

TFrmNote::TFrmNote(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TFrmNote"));
    setWindowTitle(QStringLiteral("算命"));
    resize(652, 466);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    RzMemo1 = new QTextEdit(this);
    RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
    RzMemo1->setReadOnly(true);
    RzMemo1->setAcceptRichText(false);
    RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(RzMemo1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 4, 6, 6);
    buttons->addStretch();
    addCloseButton(this, buttons);
    layout->addLayout(buttons);
    closeOnEscape(this);
}

void ShowNote(const QString& cid, QWidget* launcher)
{
    std::optional<NoteArticle> article;
    try {
        article = LoadNoteArticle(cid.trimmed());
    } catch (const DbError&) {
        return;  // silent abandon: no window
    }
    const int openBefore = visibleWindowsOf<TFrmNote>();
    openOwnedWindow<TFrmNote>(launcher, Qt::NonModal, [&](TFrmNote& window) {
        if (article) {
            window.setWindowTitle(article->title);
            window.RzMemo1->setPlainText(article->content);
        } else {
            window.RzMemo1->clear();
        }
        window.RzMemo1->moveCursor(QTextCursor::Start);
        window.move(cascadedTopLeft(availableAreaFor(launcher), window.size(), openBefore));
    });
}
