#include "knowledge_page.h"

#include "app/notice.h"
#include "data/failure.h"
#include "tools/reference/note_article.h"
#include "tools/reference/reference_texts.h"

#include <QBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>

KnowledgePage::KnowledgePage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    RzPanel14 = new QWidget(this);
    RzPanel14->setObjectName(QStringLiteral("RzPanel14"));
    auto* column = new QVBoxLayout(RzPanel14);
    column->setContentsMargins(0, 0, 0, 0);

    const struct { QPushButton** button; const char* name; const char16_t* caption; const char* cid; } topics[] = {
        {&RzBitBtn6, "RzBitBtn6", u"姓名起名原理", "a1"},
        {&RzBitBtn9, "RzBitBtn9", u"什么是八字", "a2"},
        {&RzBitBtn10, "RzBitBtn10", u"八字与起名的重要性", "a6"},
        {&RzBitBtn11, "RzBitBtn11", u"吉祥宝宝起名方法", "a7"},
        {&RzBitBtn12, "RzBitBtn12", u"姓名学与取名", "XM001"},
        {&RzBitBtn13, "RzBitBtn13", u"姓名与命运", "XM002"},
        {&RzBitBtn17, "RzBitBtn17", u"五行与数字", "XM003"},
        {&RzBitBtn28, "RzBitBtn28", u"姓名与性格", "XM010"},
    };
    for (const auto& t : topics) {
        auto* button = new QPushButton(QString::fromUtf16(t.caption), RzPanel14);
        button->setObjectName(QString::fromLatin1(t.name));
        button->setToolTip(QString::fromLatin1(t.cid));  // the hint carries the article's key
        connect(button, &QPushButton::clicked, this, &KnowledgePage::RzBitBtn6Click);
        column->addWidget(button);
        *t.button = button;
    }
    column->addStretch();
    layout->addWidget(RzPanel14);

    MemoBk = new QPlainTextEdit(this);
    MemoBk->setObjectName(QStringLiteral("MemoBk"));
    MemoBk->setReadOnly(true);
    MemoBk->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoBk->setPlainText(KnowledgeIntroduction());
    layout->addWidget(MemoBk, 1);
}

void KnowledgePage::RzBitBtn6Click()
{
    if (auto* button = qobject_cast<QPushButton*>(sender())) showArticle(button->toolTip().trimmed());
}

void KnowledgePage::showArticle(const QString& cid)
{
    if (cid.isEmpty()) return;
    MemoBk->clear();
    runAction(this, [&] {
        // silent abandon: a file that cannot be read leaves the pane empty
        const auto article = abandonOnFailure([&] { return LoadNoteArticle(cid); });
        if (article) MemoBk->setPlainText(article->content);
    });
    MemoBk->moveCursor(QTextCursor::Start);
    MemoBk->ensureCursorVisible();
}
