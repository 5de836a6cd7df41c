// The rules of the 音形义 judgement and their sentences. One pass serves both the fast assessment
// of a search (no text at all) and the full judgement of a report (every sentence).
//
// Score = 69 + bonus − penalties, kept within 0 … 100. The bonus (at most 31) rewards what makes a
// name easy to live with and of its time: characters common in given names (8), characters in
// the places they hold in the popular names of recent years (9), characters that suit the child's sex (4), given-name
// characters with a meaning class (4) and a mix of 平 and 仄 ending on a level tone (6). The
// penalties are listed with their rules below; the three that make a name unfit to recommend (a
// 谐音, a rare character, a character not to choose) weigh so much that such a name never ranks
// near a clean one.
#include "name_quality.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kBase = 69;
constexpr int kIllSoundPenalty = 40;
constexpr int kRarePenalty = 30;
constexpr int kSurnameRepeatedPenalty = 30;
constexpr int kMarkedPenalty = 25;
constexpr int kOtherSexPenalty = 12;
constexpr int kManyStrokes = 20;  // simplified strokes from which a character is hard for a child

// Names of the tones as the report says them.
QString toneName(int tone)
{
    static const std::array<QString, 6> kNames = {QString(), QStringLiteral("阴平"), QStringLiteral("阳平"),
                                                  QStringLiteral("上声"), QStringLiteral("去声"),
                                                  QStringLiteral("轻声")};
    return tone >= 1 && tone <= 5 ? kNames[size_t(tone)] : QString();
}

// Points (0 … 8) for how often given names use a character; px ranks them, 1 the most common.
int commonnessPoints(int px)
{
    constexpr int kRanked = 1500;  // from this rank on a character earns nothing
    if (px <= 0 || px >= kRanked) return 0;
    return 8 * (kRanked - px) / kRanked;
}

QString quoted(const QString& text)
{
    return QStringLiteral("「") + text + QStringLiteral("」");
}

QString markSentence(const QString& ch, const QString& mark)
{
    if (mark == QStringLiteral("姓氏")) return quoted(ch) + QStringLiteral("多作姓氏，不宜入名");
    if (mark == QStringLiteral("数字")) return quoted(ch) + QStringLiteral("是数字，入名平淡");
    if (mark == QStringLiteral("平淡")) return quoted(ch) + QStringLiteral("字义平淡，少有人用来起名");
    if (mark == QStringLiteral("怪异")) return quoted(ch) + QStringLiteral("用在名字里显得怪异");
    if (mark == QStringLiteral("生僻")) return quoted(ch) + QStringLiteral("生僻难认，不宜入名");
    return quoted(ch) + QStringLiteral("不宜入名");
}

}  // namespace

struct QualityJudge::Notes {
    std::array<QStringList, kQualityCheckCount> warnings;
    std::array<QString, kQualityCheckCount> good;
    void warn(QualityCheck c, const QString& s) { warnings[size_t(c)] << s; }
    void pass(QualityCheck c, const QString& s) { good[size_t(c)] = s; }
};

int QualityJudge::evaluate(QStringView givenText, unsigned& flags, Notes* notes) const
{
    static const CharFacts kUnknown = [] {
        CharFacts c;
        c.common = false;
        return c;
    }();
    flags = 0;
    constexpr int kMaxChars = 8;
    std::array<const CharFacts*, kMaxChars> f{};
    std::array<char32_t, kMaxChars> cps{};
    int n = 0;
    for (size_t k = 0; k < surnameFacts_.size() && n < 4; ++k) {
        f[size_t(n)] = surnameFacts_[k];
        cps[size_t(n)] = surnameCodePoints_[k];
        ++n;
    }
    const int surnameCount = n;
    for (qsizetype i = 0; i < givenText.size() && n < kMaxChars; ++i) {
        char32_t cp = givenText[i].unicode();
        if (givenText[i].isHighSurrogate() && i + 1 < givenText.size()) {
            cp = QChar::surrogateToUcs4(givenText[i], givenText[i + 1]);
            ++i;
        }
        const CharFacts* c = facts(cp);
        f[size_t(n)] = c ? c : &kUnknown;
        cps[size_t(n)] = cp;
        ++n;
    }
    const int givenCount = n - surnameCount;
    if (givenCount == 0 || surnameCount == 0) return 0;
    const auto text = [&](int i) { return QString::fromUcs4(&cps[size_t(i)], 1); };
    const auto span = [&](int from, int count) {
        QString s;
        for (int i = from; i < from + count; ++i) s += text(i);
        return s;
    };
    int penalty = 0, bonus = 0;

    // 谐音: every window of two to four characters that reaches into the given name, every
    // combination of the readings of its characters. Two syllables must agree in tone too; from
    // three on the letters alone make the likeness.
    {
        int foundWord = -1, foundAt = 0, foundLength = 0;
        bool foundToned = false;
        for (int length = std::min(4, n); length >= 2 && foundWord < 0; --length) {
            for (int at = 0; at + length <= n; ++at) {
                if (at + length <= surnameCount) continue;  // the compound surname itself
                bool readable = true;
                for (int k = at; k < at + length; ++k) readable = readable && !f[size_t(k)]->readings.empty();
                if (!readable) continue;
                // Most windows start no word at all: their first two syllables tell at once.
                bool starts = false;
                for (quint16 a : f[size_t(at)]->syllableIds)
                    for (quint16 b : f[size_t(at + 1)]->syllableIds) starts = starts || lists_->startsWord(a, b);
                if (!starts) continue;
                std::array<int, 4> choice{};
                for (int combos = 0; combos < 256; ++combos) {
                    std::array<quint16, 4> toneless{}, toned{};
                    for (int k = 0; k < length; ++k) {
                        const CharFacts& c = *f[size_t(at + k)];
                        const size_t r = size_t(choice[size_t(k)]);
                        toneless[size_t(k)] = c.syllableIds[r];
                        toned[size_t(k)] = quint16(c.syllableIds[r] * 8 + c.readings[r].tone);
                    }
                    quint64 key = 0, plain = 0;
                    for (int k = 0; k < length; ++k) {
                        key |= quint64(toned[size_t(k)]) << (16 * k);
                        plain |= quint64(toneless[size_t(k)]) << (16 * k);
                    }
                    if (auto it = lists_->toned.constFind(key); it != lists_->toned.constEnd()) {
                        foundWord = *it / 2, foundAt = at, foundLength = length, foundToned = *it % 2 == 1;
                        if (foundToned) break;
                    }
                    if (length >= 3 && foundWord < 0)
                        if (auto it = lists_->toneless.constFind(plain); it != lists_->toneless.constEnd())
                            foundWord = *it, foundAt = at, foundLength = length;
                    // the next combination of readings
                    int k = length - 1;
                    while (k >= 0 && ++choice[size_t(k)] == int(f[size_t(at + k)]->readings.size())) choice[size_t(k--)] = 0;
                    if (k < 0) break;
                }
                if (foundWord >= 0) break;
            }
        }
        if (foundWord >= 0) {
            flags |= kSoundsIll;
            penalty += kIllSoundPenalty;
            if (notes)
                notes->warn(QualityCheck::Homophone,
                            span(foundAt, foundLength) + (foundToned ? QStringLiteral(" 音同 ") : QStringLiteral(" 音近 ")) +
                                lists_->words[size_t(foundWord)].word + QStringLiteral("，容易被人取笑"));
        } else if (notes) {
            notes->pass(QualityCheck::Homophone, QStringLiteral("未发现不雅的谐音"));
        }
    }

    // 声调
    {
        std::array<const PinyinSyllable*, kMaxChars> tones{};
        bool readable = true;
        for (int i = 0; i < n; ++i) {
            tones[size_t(i)] = &toneReading(*f[size_t(i)], i);
            readable = readable && !tones[size_t(i)]->letters.isEmpty();
        }
        const auto t = [&](size_t i) -> const PinyinSyllable& { return *tones[i]; };
        if (!readable) {
            if (notes) notes->pass(QualityCheck::Tone, QStringLiteral("有字读音不详，未判断声调"));
        } else {
            bool allSame = t(0).tone != 5, hasLevel = false, hasOblique = false;
            for (int i = 0; i < n; ++i) {
                allSame = allSame && t(size_t(i)).tone == t(0).tone;
                hasLevel = hasLevel || t(size_t(i)).level();
                hasOblique = hasOblique || t(size_t(i)).oblique();
            }
            const PinyinSyllable& last = t(size_t(n - 1));
            if (allSame) {
                penalty += n >= 3 ? 8 : 5;
                if (notes)
                    notes->warn(QualityCheck::Tone, QStringLiteral("全名%1个字都读%2，声调单一，读来平板")
                                                        .arg(n).arg(toneName(t(0).tone)));
            } else if (n >= 3 && !(hasLevel && hasOblique)) {
                penalty += 4;
                if (notes)
                    notes->warn(QualityCheck::Tone, hasLevel ? QStringLiteral("全名都是平声，缺少起伏")
                                                             : QStringLiteral("全名都是仄声，读来费力"));
            }
            if (last.tone == 5) {
                penalty += 6;
                if (notes) notes->warn(QualityCheck::Tone, QStringLiteral("末字读轻声，名字收尾不清"));
            } else if (last.tone == 3 && t(size_t(n - 2)).tone == 3) {
                penalty += 5;
                if (notes) notes->warn(QualityCheck::Tone, QStringLiteral("末两字都是上声，连读时前一字要变调，不易读清"));
            } else if (last.tone == 3) {
                penalty += 2;  // a falling-rising ending carries less far than a level one
            }
            // The surname's sound again: the same syllable, or every character on one initial or final.
            const PinyinSyllable& s = t(size_t(surnameCount - 1));
            bool sameSyllable = false;
            for (int i = surnameCount; i < n; ++i)
                if (t(size_t(i)).letters == s.letters && cps[size_t(i)] != cps[size_t(surnameCount - 1)]) sameSyllable = true;
            if (sameSyllable) {
                penalty += 8;
                if (notes) notes->warn(QualityCheck::Tone, QStringLiteral("名字与姓同音，读来重复"));
            }
            if (n >= 3) {
                const int il = s.initialLength();
                const QStringView initial = QStringView(s.letters).left(il), final = QStringView(s.letters).mid(il);
                bool sameInitial = il > 0, sameFinal = true;
                for (int i = 0; i < n; ++i) {
                    const PinyinSyllable& x = t(size_t(i));
                    const int xl = x.initialLength();
                    sameInitial = sameInitial && QStringView(x.letters).left(xl) == initial;
                    sameFinal = sameFinal && QStringView(x.letters).mid(xl) == final;
                }
                if (sameInitial) {
                    penalty += 6;
                    if (notes) notes->warn(QualityCheck::Tone, QStringLiteral("各字声母都是%1，读来拗口").arg(initial));
                }
                if (sameFinal) {
                    penalty += 6;
                    if (notes) notes->warn(QualityCheck::Tone, QStringLiteral("各字韵母都是%1，读来拗口").arg(final));
                }
            }
            if (hasLevel && hasOblique) bonus += last.level() ? 6 : last.tone == 4 ? 4 : 1;
            if (notes) {
                QStringList names;
                for (int i = 0; i < n; ++i) names << toneName(t(size_t(i)).tone);
                notes->pass(QualityCheck::Tone, QStringLiteral("声调依次为") + names.join(u'、') +
                                                    (hasLevel && hasOblique ? QStringLiteral("，平仄相间，读来有起伏")
                                                                            : QString()));
            }
        }
    }

    // 字形
    {
        int strokes = 0;
        bool manyStrokes = false;
        for (int i = surnameCount; i < n; ++i) {
            const CharFacts& c = *f[size_t(i)];
            strokes += c.strokes;
            if (!c.known || !c.common) {
                flags |= kRareCharacter;
                penalty += kRarePenalty;
                if (notes)
                    notes->warn(QualityCheck::Form, quoted(text(i)) + (c.known ? QStringLiteral("是生僻字，不易读写")
                                                                                : QStringLiteral("不在字库之中，难以读写")));
            }
            if (c.strokes >= kManyStrokes) {
                manyStrokes = true;
                penalty += 4;
                if (notes)
                    notes->warn(QualityCheck::Form, quoted(text(i)) + QStringLiteral("有%1画，孩子书写吃力").arg(c.strokes));
            }
            for (int k = 0; k < surnameCount; ++k)
                if (cps[size_t(k)] == cps[size_t(i)]) {
                    flags |= kUnsuitableCharacter;
                    penalty += kSurnameRepeatedPenalty;
                    if (notes) notes->warn(QualityCheck::Form, QStringLiteral("名中又用了姓字") + quoted(text(i)));
                }
        }
        if (!manyStrokes && givenCount >= 2 && strokes >= 36) {
            penalty += 3;
            if (notes) notes->warn(QualityCheck::Form, QStringLiteral("名字共%1画，书写繁难").arg(strokes));
        }
        bool oneRadical = f[0]->radical > 0;
        for (int i = 1; i < n; ++i) oneRadical = oneRadical && f[size_t(i)]->radical == f[0]->radical;
        if (oneRadical) {
            penalty += n >= 3 ? 6 : 3;
            if (notes) notes->warn(QualityCheck::Form, QStringLiteral("各字同属一个部首，字形单调"));
        }
        if (notes) notes->pass(QualityCheck::Form, QStringLiteral("用字常见易写，笔画适中，字形有变化"));
    }

    // 字义
    {
        int points = 0;
        QStringList good;
        for (int i = surnameCount; i < n; ++i) {
            const CharFacts& c = *f[size_t(i)];
            if (!c.mark.isEmpty()) {
                flags |= kUnsuitableCharacter;
                penalty += kMarkedPenalty;
                if (notes) notes->warn(QualityCheck::Meaning, markSentence(text(i), c.mark));
            } else if (c.meaningClass == QStringLiteral("其他")) {
                penalty += 3;
                if (notes) good << quoted(text(i)) + QStringLiteral("字义平常");
            } else if (!c.meaningClass.isEmpty()) {
                points += 4;
                if (notes) good << quoted(text(i)) + QStringLiteral("取") + c.meaningClass + QStringLiteral("之义");
            } else if (notes) {
                good << quoted(text(i)) + QStringLiteral("暂无释义");
            }
        }
        bonus += points / givenCount;
        if (notes) notes->pass(QualityCheck::Meaning, good.join(u'，'));
    }

    // 重名
    {
        int points = 0;
        for (int i = surnameCount; i < n; ++i) points += commonnessPoints(f[size_t(i)]->px);
        bonus += points / givenCount;
        // In fashion: the character stands in that place in popular names of the child's sex
        // (3 points a name, at most 9), or at least in the other place (1).
        int fashion = 0;
        for (int i = surnameCount; i < n; ++i) {
            const CharFacts& c = *f[size_t(i)];
            const size_t place = i == n - 1 ? 1 : 0;
            std::array<int, 2> uses = !sex_ ? std::array<int, 2>{c.inBoysNames[0] + c.inGirlsNames[0],
                                                                 c.inBoysNames[1] + c.inGirlsNames[1]}
                                      : *sex_ == ChildSex::Boy ? c.inBoysNames : c.inGirlsNames;
            fashion += uses[place] > 0 ? 3 * std::min(uses[place], 3) : uses[1 - place] > 0 ? 1 : 0;
        }
        bonus += fashion / givenCount;
        int dated = 0;
        for (int i = surnameCount; i < n; ++i)
            if (f[size_t(i)]->dated) {
                dated += 6;
                if (notes) notes->warn(QualityCheck::Popularity, quoted(text(i)) + QStringLiteral("多见于上一代人的名字，显得老派"));
            }
        penalty += dated / givenCount;
        const auto it = lists_->popular.constFind(nameKey(givenText));
        const bool listed = it != lists_->popular.constEnd() &&
                            (!sex_ || (*sex_ == ChildSex::Boy ? it->boys : it->girls));
        if (listed) {
            penalty += 6;
            if (notes) {
                const QString who = it->boys && !it->girls ? QStringLiteral("男孩") : it->girls && !it->boys ? QStringLiteral("女孩") : QString();
                notes->warn(QualityCheck::Popularity,
                            it->year > 0 && it->rank > 0
                                ? quoted(givenText.toString()) + QStringLiteral("在%1年新生儿%2名字中排第%3位，重名多")
                                                                     .arg(it->year).arg(who).arg(it->rank)
                                : quoted(givenText.toString()) + QStringLiteral("是近年最常见的%1名字之一，重名多").arg(who));
            }
        } else if (givenCount >= 2) {
            bool allTop = true;
            for (int i = surnameCount; i < n; ++i) allTop = allTop && f[size_t(i)]->px > 0 && f[size_t(i)]->px <= 30;
            if (allTop) {
                penalty += 2;
                if (notes) notes->warn(QualityCheck::Popularity, QStringLiteral("两字都是起名最常用的字，重名可能较多"));
            }
        }
        if (notes) notes->pass(QualityCheck::Popularity, QStringLiteral("不在近年最常见的名字之列，重名较少"));
    }

    // 性别: a character of the child's own sex earns the full 4, one for either sex 1.
    if (!sex_) {
        bonus += 4;
        if (notes) notes->pass(QualityCheck::Sex, QStringLiteral("未指定性别，不作判断"));
    } else {
        const bool boy = *sex_ == ChildSex::Boy;
        const QString own = boy ? QStringLiteral("男") : QStringLiteral("女");
        int points = 0;
        for (int i = surnameCount; i < n; ++i) {
            const CharFacts& c = *f[size_t(i)];
            points += c.sexClass == own ? 4 : (boy ? c.forBoys : c.forGirls) ? 1 : 0;
        }
        bonus += points / givenCount;
        for (int i = surnameCount; i < n; ++i) {
            const CharFacts& c = *f[size_t(i)];
            if (!c.known || c.sexClass == QStringLiteral("0")) continue;
            if (boy ? c.forBoys : c.forGirls) continue;
            penalty += kOtherSexPenalty;
            if (notes) notes->warn(QualityCheck::Sex, quoted(text(i)) + (boy ? QStringLiteral("多用于女孩名")
                                                                             : QStringLiteral("多用于男孩名")));
        }
        if (notes) notes->pass(QualityCheck::Sex, boy ? QStringLiteral("用字与男孩相合") : QStringLiteral("用字与女孩相合"));
    }

    return std::clamp(kBase + bonus - penalty, 0, 100);
}

QualityJudgement QualityJudge::judge(QStringView given) const
{
    QualityJudgement j;
    Notes notes;
    j.score = evaluate(given, j.flags, &notes);
    for (int c = 0; c < kQualityCheckCount; ++c) {
        const QStringList& w = notes.warnings[size_t(c)];
        j.findings << QualityFinding{QualityCheck(c), w.isEmpty(),
                                     (w.isEmpty() ? notes.good[size_t(c)] : w.join(QStringLiteral("；"))) + u'。'};
    }
    const QString all = surname_ + given.toString();
    int i = 0;
    for (char32_t cp : all.toUcs4()) {
        const CharFacts* c = facts(cp);
        CharacterNote note;
        note.character = QString::fromUcs4(&cp, 1);
        if (c) {
            const PinyinSyllable& reading = toneReading(*c, i);
            note.pinyin = reading.letters.isEmpty() ? QString() : markedText(reading);
            note.gloss = c->gloss;
        }
        j.characters << note;
        ++i;
    }
    return j;
}
