// The articles of table Noter (KelBirth.dll): the knowledge page, the note window and the common
// nicknames read them by their key.
#pragma once

#include <QString>
#include <optional>

struct NoteArticle {
    QString title;    // Tite, trimmed
    QString content;  // content, trimmed; its line breaks are the lines of the article
};

// The article of cid; nullopt when Noter has no such row. Throws DbError when KelBirth.dll cannot be
// read, so that each caller names its own failure convention.
std::optional<NoteArticle> LoadNoteArticle(const QString& cid);
