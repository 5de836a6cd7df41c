#include "name_quality.h"

#include "data/query.h"

#include <QFileInfo>
#include <QDateTime>
#include <mutex>

#include <algorithm>
#include <array>

namespace {

// Surnames whose reading as a surname is not the dictionary's first reading (曾 is zēng as a
// surname, céng otherwise). Only the tones use it; 谐音 tries every reading anyway.
struct SurnameReading {
    char16_t character;
    const char* reading;
};
constexpr std::array<SurnameReading, 36> kSurnameReadings = {{
    {u'单', "shan4"}, {u'曾', "zeng1"}, {u'区', "ou1"},   {u'仇', "qiu2"},  {u'解', "xie4"},  {u'朴', "piao2"},
    {u'查', "zha1"},  {u'盖', "ge3"},   {u'乐', "yue4"},  {u'缪', "miao4"}, {u'覃', "qin2"},  {u'尉', "yu4"},
    {u'翟', "zhai2"}, {u'召', "shao4"}, {u'种', "chong2"}, {u'秘', "bi4"},  {u'折', "she2"},  {u'员', "yun4"},
    {u'华', "hua4"},  {u'燕', "yan1"},  {u'宁', "ning4"}, {u'薄', "bo2"},   {u'曲', "qu1"},   {u'那', "na1"},
    {u'黑', "he4"},   {u'繁', "po2"},   {u'句', "gou1"},  {u'叶', "ye4"},   {u'石', "shi2"},  {u'柏', "bai3"},
    {u'重', "chong2"}, {u'纪', "ji3"},  {u'任', "ren2"},  {u'长', "chang2"}, {u'都', "du1"},  {u'应', "ying1"},
}};

const QString kCharSelect = QStringLiteral(
    "select w.zi, w.pinyin, w.xb, w.nan, w.nv, w.px, l.level, l.common, l.strokes, l.radical, "
    "g.gloss, g.meaning_class, g.mark, l.dated from word w left join char_level l on l.zi = w.zi "
    "left join char_gloss g on g.zi = w.zi where ");

// Up to four syllables of 16 bits each in one key; 0 marks an unused place, so lengths differ.
quint64 packed(const std::array<quint16, 4>& parts, int count)
{
    quint64 key = 0;
    for (int i = 0; i < count; ++i) key |= quint64(parts[size_t(i)]) << (16 * i);
    return key;
}

quint16 tonedPart(quint16 id, int tone)
{
    return quint16(id * 8 + tone);
}

std::vector<char32_t> codePoints(QStringView text)
{
    std::vector<char32_t> out;
    out.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            out.push_back(QChar::surrogateToUcs4(c, text[i + 1]));
            ++i;
        } else {
            out.push_back(c.unicode());
        }
    }
    return out;
}

}  // namespace

quint64 QualityJudge::nameKey(QStringView given)
{
    quint64 key = 0;
    int count = 0;
    for (qsizetype i = 0; i < given.size(); ++i) {
        char32_t cp = given[i].unicode();
        if (given[i].isHighSurrogate() && i + 1 < given.size()) {
            cp = QChar::surrogateToUcs4(given[i], given[i + 1]);
            ++i;
        }
        if (count == 3) return 0;  // longer names are in no list
        key |= quint64(cp) << (21 * count++);
    }
    return key;
}

QString qualityCheckName(QualityCheck check)
{
    switch (check) {
    case QualityCheck::Homophone: return QStringLiteral("谐音");
    case QualityCheck::Tone: return QStringLiteral("声调");
    case QualityCheck::Form: return QStringLiteral("字形");
    case QualityCheck::Meaning: return QStringLiteral("字义");
    case QualityCheck::Popularity: return QStringLiteral("重名");
    case QualityCheck::Sex: return QStringLiteral("性别");
    }
    return {};
}

QString QualityJudgement::pinyinLine() const
{
    QStringList parts;
    for (const CharacterNote& c : characters) parts << c.pinyin;
    return parts.join(u' ');
}

QString QualityJudgement::reason() const
{
    QStringList noted, all;
    for (const QualityFinding& f : findings) {
        const QString line = qualityCheckName(f.check) + QStringLiteral("：") + f.sentence;
        all << line;
        if (!f.passed) noted << line;
    }
    return (noted.isEmpty() ? all : noted).join(u'\n');
}

namespace {

// Syllable letters as small numbers, the same in every judge of the process, so that the shared word
// lists and each judge's characters agree. Only loading interns; judging reads the numbers stored.
constexpr int kSyllableLimit = 2048;  // far above the some 1,300 spellings readings use

quint16 syllableId(const QString& letters)
{
    static std::mutex mutex;
    static QHash<QString, quint16> ids;
    const std::lock_guard<std::mutex> lock(mutex);
    const auto it = ids.constFind(letters);
    if (it != ids.constEnd()) return *it;
    const quint16 id = quint16(std::min<qsizetype>(ids.size() + 1, kSyllableLimit - 1));
    ids.insert(letters, id);
    return id;
}

}  // namespace

bool QualityJudge::WordLists::startsWord(quint16 a, quint16 b) const
{
    const size_t bit = size_t(a) * kSyllableLimit + b;
    return (pairs[bit / 64] >> (bit % 64)) & 1;
}

QualityJudge QualityJudge::forSearch(const QString& surname, std::optional<ChildSex> sex, const QString& extraCharacters)
{
    QualityJudge judge;
    judge.surname_ = surname.trimmed();
    judge.sex_ = sex;
    Query q(Db::Velmora);
    judge.loadCharacters(q, QStringLiteral("w.Aflag is null"), {});
    QStringList extra;
    for (char32_t cp : codePoints(judge.surname_ + extraCharacters)) extra << QString::fromUcs4(&cp, 1);
    judge.loadCharacters(q, QStringLiteral("w.zi = ?"), extra);
    judge.finishLoading(q);
    return judge;
}

QualityJudge QualityJudge::forName(const QString& surname, const QString& given, std::optional<ChildSex> sex)
{
    QualityJudge judge;
    judge.surname_ = surname.trimmed();
    judge.sex_ = sex;
    QStringList all, marks;
    for (char32_t cp : codePoints(judge.surname_ + given.trimmed())) {
        all << QString::fromUcs4(&cp, 1);
        marks << QStringLiteral("?");
    }
    Query q(Db::Velmora);
    if (!all.isEmpty()) judge.loadCharacters(q, QStringLiteral("w.zi in (") + marks.join(u',') + u')', all);
    judge.finishLoading(q);
    return judge;
}

void QualityJudge::loadCharacters(Query& q, const QString& whereClause, const QStringList& values)
{
    const auto visit = [&](const StreamRow& r) {
        const QString zi = r.toText(0);
        const auto cps = codePoints(zi);
        if (cps.size() != 1 || index_.contains(cps[0])) return;
        CharFacts c;
        c.character = zi;
        c.known = true;
        for (const QString& reading : r.toText(1).split(u'、', Qt::SkipEmptyParts))
            if (auto s = syllableFromMarks(reading)) {
                if (std::find(c.readings.begin(), c.readings.end(), *s) != c.readings.end()) continue;
                c.readings.push_back(*s);
                c.syllableIds.push_back(syllableId(s->letters));
            }
        // A name character always takes a full tone: a neutral reading (子 zi as a suffix) is left
        // out when the character has a toned one.
        if (c.readings.size() > 1)
            for (size_t i = c.readings.size(); i-- > 0;)
                if (c.readings[i].tone == 5) {
                    c.readings.erase(c.readings.begin() + qsizetype(i));
                    c.syllableIds.erase(c.syllableIds.begin() + qsizetype(i));
                }
        c.sexClass = r.toText(2);
        c.forBoys = r.toInt(3) == 1;
        c.forGirls = r.toInt(4) == 1;
        c.px = r.toInt(5);
        c.levelKnown = !r.isNull(6);
        c.common = !c.levelKnown || r.toInt(7) == 1;
        c.strokes = r.toInt(8);
        c.radical = r.toInt(9);
        c.gloss = r.toText(10);
        c.meaningClass = r.toText(11);
        c.mark = r.toText(12);
        c.dated = r.toInt(13) == 1;
        index_.insert(cps[0], int(chars_.size()));
        chars_.push_back(std::move(c));
    };
    if (whereClause.contains(QLatin1String(" in ("))) {
        std::vector<SqlParam> params(values.begin(), values.end());
        q.scanWith(kCharSelect + whereClause, params, visit);
        return;
    }
    if (values.isEmpty()) {
        q.scanWith(kCharSelect + whereClause, {}, visit);
        return;
    }
    for (const QString& v : values) q.scanWith(kCharSelect + whereClause, {SqlParam(v)}, visit);
}

std::shared_ptr<const QualityJudge::WordLists> QualityJudge::wordLists(Query& q)
{
    // One copy per knowledge file as it stands: a rebuilt or another file (a test's) reads afresh.
    const QFileInfo file(dbFilePath(Db::Velmora));
    const QString identity = file.absoluteFilePath() + u'|' + QString::number(file.size()) + u'|' +
                             QString::number(file.lastModified().toMSecsSinceEpoch());
    static std::mutex mutex;
    static QString cachedIdentity;
    static std::shared_ptr<const WordLists> cached;
    {
        const std::lock_guard<std::mutex> lock(mutex);
        if (cached && cachedIdentity == identity) return cached;
    }
    auto lists = std::make_shared<WordLists>();
    lists->pairs.assign(size_t(kSyllableLimit) * kSyllableLimit / 64, 0);
    q.scanWith(QStringLiteral("select word, pinyin, kind from ill_sound"), {}, [&](const StreamRow& r) {
        std::vector<PinyinSyllable> syllables;
        for (const QString& part : r.toText(1).split(u' ', Qt::SkipEmptyParts)) {
            const auto s = syllableFromDigits(part);
            if (!s) return;  // a malformed row matches nothing rather than something wrong
            syllables.push_back(*s);
        }
        const int n = int(syllables.size());
        if (n < 2 || n > 4) return;
        const int word = int(lists->words.size());
        lists->words.push_back({r.toText(0), r.toText(2), n});
        std::array<quint16, 4> ids{};
        for (int i = 0; i < n; ++i) ids[size_t(i)] = syllableId(syllables[size_t(i)].letters);
        const size_t bit = size_t(ids[0]) * kSyllableLimit + ids[1];
        lists->pairs[bit / 64] |= quint64(1) << (bit % 64);
        if (n >= 3) lists->toneless.insert(packed(ids, n), word);
        // A neutral tone in the list stands for a syllable said lightly: a name, whose characters
        // all carry full tones, matches it with any tone.
        std::array<quint16, 4> toned{};
        const auto expand = [&](auto&& self, int at) -> void {
            if (at == n) {
                const quint64 key = packed(toned, n);
                // The value tells an exact match (音同) from one through a neutral tone (音近).
                bool exact = true;
                for (int i = 0; i < n; ++i) exact = exact && toned[size_t(i)] % 8 == syllables[size_t(i)].tone;
                if (!lists->toned.contains(key) || exact) lists->toned.insert(key, word * 2 + (exact ? 1 : 0));
                return;
            }
            const int tone = syllables[size_t(at)].tone;
            for (int t = (tone == 5 ? 1 : tone); t <= (tone == 5 ? 5 : tone); ++t) {
                toned[size_t(at)] = tonedPart(ids[size_t(at)], t);
                self(self, at + 1);
            }
        };
        expand(expand, 0);
    });
    q.scanWith(QStringLiteral("select name, sex, year, rank from popular_name"), {}, [&](const StreamRow& r) {
        const quint64 key = nameKey(r.toText(0));
        if (!key) return;
        Popular& p = lists->popular[key];
        const QString sex = r.toText(1);
        p.boys = p.boys || sex == QStringLiteral("男");
        p.girls = p.girls || sex == QStringLiteral("女");
        const int year = r.toInt(2);
        if (year > p.year) {
            p.year = year;
            p.rank = r.toInt(3);
        }
    });
    const std::lock_guard<std::mutex> lock(mutex);
    cachedIdentity = identity;
    cached = std::move(lists);
    return cached;
}

void QualityJudge::finishLoading(Query& q)
{
    lists_ = wordLists(q);
    // The characters in fashion: those of the popular names, each name counted once per sex. A
    // single given name counts as a last character.
    for (auto it = lists_->popular.constBegin(); it != lists_->popular.constEnd(); ++it) {
        const int length = (it.key() >> 21) & 0x1FFFFF ? 2 : 1;
        for (int k = 0; k < length; ++k) {
            const char32_t cp = char32_t((it.key() >> (21 * k)) & 0x1FFFFF);
            const auto at = index_.constFind(cp);
            if (at == index_.constEnd()) continue;
            CharFacts& c = chars_[size_t(*at)];
            const size_t place = k == length - 1 ? 1 : 0;
            c.inBoysNames[place] += it->boys ? 1 : 0;
            c.inGirlsNames[place] += it->girls ? 1 : 0;
        }
    }
    surnameCodePoints_ = codePoints(surname_);
    for (char32_t cp : surnameCodePoints_) {
        if (index_.contains(cp)) continue;
        CharFacts unknown;
        unknown.character = QString::fromUcs4(&cp, 1);
        index_.insert(cp, int(chars_.size()));
        chars_.push_back(unknown);
    }
    // Pointers into chars_ only once it no longer grows.
    for (char32_t cp : surnameCodePoints_) {
        const CharFacts& c = chars_[size_t(index_.value(cp))];
        surnameFacts_.push_back(&c);
        PinyinSyllable reading = c.readings.empty() ? PinyinSyllable{} : c.readings.front();
        if (c.character.size() == 1)
            for (const SurnameReading& s : kSurnameReadings)
                if (c.character[0].unicode() == s.character)
                    if (auto own = syllableFromDigits(QString::fromLatin1(s.reading))) reading = *own;
        surnameReadings_.push_back(reading);
    }
    bmpIndex_.assign(0x10000, -1);
    for (auto it = index_.constBegin(); it != index_.constEnd(); ++it)
        if (it.key() < 0x10000) bmpIndex_[it.key()] = *it;
}

const QualityJudge::CharFacts* QualityJudge::facts(char32_t cp) const
{
    if (cp < 0x10000) {
        const int at = bmpIndex_.empty() ? -1 : bmpIndex_[cp];
        return at < 0 ? nullptr : &chars_[size_t(at)];
    }
    const auto it = index_.constFind(cp);
    return it == index_.constEnd() ? nullptr : &chars_[size_t(*it)];
}

const PinyinSyllable& QualityJudge::toneReading(const CharFacts& c, int position) const
{
    static const PinyinSyllable kNone;
    if (position < int(surnameReadings_.size())) return surnameReadings_[size_t(position)];
    return c.readings.empty() ? kNone : c.readings.front();
}

QualityAssessment QualityJudge::assess(QStringView given) const
{
    QualityAssessment a;
    a.score = evaluate(given, a.flags, nullptr);
    return a;
}
