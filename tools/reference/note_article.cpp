#include "note_article.h"

#include "data/query.h"

std::optional<NoteArticle> LoadNoteArticle(const QString& cid)
{
    Query q(Db::KelBirth);
    q.open(QStringLiteral("select Tite,content from Noter where Cid = ?"), cid);
    if (q.isEmpty()) return std::nullopt;
    return NoteArticle{q.field(0).asText().trimmed(), q.field(1).asText().trimmed()};
}
