// The fixed reference texts that the program carries inside itself rather than in a knowledge file:
// the introduction of the knowledge page, the seven omen tables, the two introductions of the
// English-name and nickname pages, and the two English-name lists. Their wording lives in
// db/reference/ as plain text.
#pragma once

#include <QString>
#include <QStringList>

// The introduction to name studies shown on the knowledge page before a topic is chosen.
QString KnowledgeIntroduction();

// The omen tables, read against the twelve double-hours: 0 sneezing, 1 a hot face, 2 a startled
// heart, 3 a barking dog, 4 a twitching eye, 5 hot ears, 6 ringing ears.
inline constexpr int kOmenPageCount = 7;
// The text of one omen page, lines separated by empty lines; empty outside 0 … 6.
QString OmenPageText(int page);
// The navy note under the omen pages: "说明：" and the three lines of double-hours.
QString OmenExplanation();

// The built-in texts of the English-name page and of the nickname page.
QString EnglishNamesIntroduction();
QString NicknameIntroduction();

// The English given names of one sex ("女" gives the girls' list, anything else the boys'), one entry
// a line: the name, its usual Chinese transliteration and a short meaning.
QStringList EnglishNameList(const QString& sex);

// The lines of a list resource without its "#" comment lines and without the final line end.
QStringList ReferenceListLines(const QString& resourceName);
