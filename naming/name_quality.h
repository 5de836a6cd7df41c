// The 音形义 judgement of a name: how its sound, its written form and its meaning serve a child.
// Six checks, each passed or to be noted with one sentence in our words:
//   谐音  the full name's readings (every reading of every character, with and without tones, across
//         the surname and given name and inside the given name) against the ill-sounding word list;
//   声调  the tones: all alike, a weak ending, no mix of 平 and 仄, the surname's sound repeated;
//   字形  rare characters, very many strokes, the surname character repeated, one radical throughout;
//   字义  the gloss and meaning class of each given-name character, and the characters not to choose;
//   重名  the most given names of recent years, and the most common name characters;
//   性别  given-name characters that lean to the other sex.
// The judge is built once from the tables (Velmora.dll) and then works in memory only, so a search
// can judge every one of its hundreds of thousands of names; it is immutable and may be shared by
// threads once built.
#pragma once

#include "naming/naming_options.h"
#include "naming/pinyin_syllable.h"

#include <QHash>
#include <array>
#include <QList>
#include <QString>
#include <QStringView>
#include <memory>
#include <optional>
#include <vector>

class Query;

enum class QualityCheck { Homophone, Tone, Form, Meaning, Popularity, Sex };
inline constexpr int kQualityCheckCount = 6;
// "谐音", "声调", "字形", "字义", "重名", "性别"
QString qualityCheckName(QualityCheck check);

// What keeps a name out of every recommended list.
enum QualityFlag : unsigned {
    kSoundsIll = 1,           // reads like an ill-sounding word
    kRareCharacter = 2,       // a character people do not read and type easily
    kUnsuitableCharacter = 4, // a character marked not to choose, or the surname character again
};

// The score and flags of one name, without its sentences: what ranking needs.
struct QualityAssessment {
    int score = 0;       // 0 … 100
    unsigned flags = 0;  // QualityFlag bits
    bool recommendable() const { return flags == 0; }
};

struct QualityFinding {
    QualityCheck check;
    bool passed;       // 通过; otherwise 注意
    QString sentence;  // one short sentence
};

// One character of the name as the report prints it.
struct CharacterNote {
    QString character;
    QString pinyin;  // the reading the judgement uses, with tone marks; several joined by "/"
    QString gloss;   // our gloss, or empty when the character has none
};

struct QualityJudgement {
    int score = 0;
    unsigned flags = 0;
    QList<QualityFinding> findings;    // one per check, in the order of QualityCheck
    QList<CharacterNote> characters;   // surname first
    QString pinyinLine() const;        // "wáng zǐ xuān"
    // The sentences of the checks to be noted, or of all checks when none is; for a tool tip.
    QString reason() const;
};

class QualityJudge {
public:
    // For a search: the surname's characters, every name character of the dictionary and the
    // extra characters a search may place (a fixed character). Throws DbError.
    static QualityJudge forSearch(const QString& surname, std::optional<ChildSex> sex,
                                  const QString& extraCharacters = {});
    // For one name: only the tables' rows of its own characters. Throws DbError.
    static QualityJudge forName(const QString& surname, const QString& given, std::optional<ChildSex> sex);

    const QString& surname() const { return surname_; }
    std::optional<ChildSex> sex() const { return sex_; }

    QualityAssessment assess(QStringView given) const;
    QualityJudgement judge(QStringView given) const;

    // Facts of one character, as loaded; public for the tests and the report.
    struct CharFacts {
        QString character;
        std::vector<PinyinSyllable> readings;  // the dictionary's order: the common reading first
        std::vector<quint16> syllableIds;      // readings[i] without tone, as an interned number
        bool known = false;                    // the dictionary has the character
        bool levelKnown = false;               // char_level has a row for it
        bool common = true;                    // read and typed easily
        int strokes = 0, radical = 0, px = 0;
        // How many of the popular names hold the character first, second (or alone), by sex.
        std::array<int, 2> inBoysNames{}, inGirlsNames{};
        QString gloss, meaningClass, mark;
        bool dated = false;  // sounds like a name of the parents' generation
        QString sexClass;  // "男", "女", "1" (either) or "0"
        bool forBoys = false, forGirls = false;
    };

private:
    struct IllWord {
        QString word, kind;
        int syllables;
    };
    struct Popular {
        bool boys = false, girls = false;
        int year = 0, rank = 0;  // the most recent report that lists the name; 0 for the project's list
    };
    // The word list and the popular names: the same for every judge of one knowledge file, so they
    // are read once per file and shared.
    struct WordLists {
        std::vector<IllWord> words;
        QHash<quint64, int> toned;     // packed toned syllables → 2 × words index + 1 when exact
        QHash<quint64, int> toneless;  // packed toneless syllables (3 or 4) → words index
        std::vector<quint64> pairs;    // bit a·kSyllableLimit + b: some word starts with syllables a b
        QHash<quint64, Popular> popular;  // nameKey of a given name
        bool startsWord(quint16 a, quint16 b) const;
    };
    struct Notes;  // the sentences, when judge() asks for them

    QualityJudge() = default;
    // Up to three code points of a given name in one key; 0 for a longer name.
    static quint64 nameKey(QStringView given);
    static std::shared_ptr<const WordLists> wordLists(Query& q);
    void loadCharacters(Query& q, const QString& whereClause, const QStringList& values);
    void finishLoading(Query& q);
    const CharFacts* facts(char32_t cp) const;
    int evaluate(QStringView given, unsigned& flags, Notes* notes) const;
    // The reading the tones are judged on: a surname's own reading where it differs (曾 zēng).
    const PinyinSyllable& toneReading(const CharFacts& c, int position) const;

    QString surname_;
    std::optional<ChildSex> sex_;
    std::vector<CharFacts> chars_;
    QHash<char32_t, int> index_;
    std::vector<int> bmpIndex_;  // chars_ index by code point below 0x10000, −1 for none: the hot lookup
    std::vector<const CharFacts*> surnameFacts_;
    std::vector<char32_t> surnameCodePoints_;
    std::vector<PinyinSyllable> surnameReadings_;
    std::shared_ptr<const WordLists> lists_;
};
