// One start of the poem and text naming, from the page's inputs to the names: the two input checks,
// the elements the chart lacks when the parent asks for them, the preferred elements and the search.
// The page and jiaming-cli both run it and only show what comes back.
#pragma once

#include "poem_names.h"

#include "data/birth_info.h"
#include "naming/element_source.h"

#include <QString>

struct PoemNamingInput {
    QString surnameBox;          // as typed; trimmed here
    QString text;                // the selection text, untrimmed
    bool oneCharacter = false;   // "单字名"
    bool matchChart = false;     // "根据八字五行匹配取名"
    BirthInfo birth;             // sex always; the date only with matchChart
    QString missingElements;     // the shared value as it stands before this start
    ElementChoice elements;      // which elements matchChart looks for, as the naming page chose
};

enum class PoemNamingEnd {
    Refused,    // an input check failed: message to show, no search
    Abandoned,  // a knowledge file could not be read: nothing to show
    NoName,     // the search found nothing: show NoPoemNameMessage() under NoPoemNameCaption()
    Listed,     // names to list
};

struct PoemNamingOutcome {
    PoemNamingEnd end = PoemNamingEnd::Abandoned;
    QString message;               // for Refused
    bool focusSurname = false;     // the refusal is about the surname box
    QString missingElements;       // the shared value after this start (unchanged without matchChart)
    PoemNames names;
};

PoemNamingOutcome RunPoemNaming(const PoemNamingInput& in);

QString NoPoemNameCaption();  // "起名提示"
QString NoPoemNameMessage();  // "提示：起名要符合多个条件，请添加更多诗词或文字内容方可起出更多名字！"
