#include "recommended_names.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <vector>

namespace {

struct Ranked {
    int quality, numerology, index;
};

}  // namespace

QList<RecommendedName> recommendNames(const QualityJudge& judge, const NameCandidates& candidates, int count)
{
    std::vector<Ranked> ranked;
    ranked.reserve(size_t(candidates.count / 2));
    for (int i = 0; i < candidates.count; ++i) {
        const QualityAssessment a = judge.assess(candidates.given(i));
        if (a.recommendable()) ranked.push_back({a.score, candidates.score(i), i});
    }
    std::sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        if (a.quality != b.quality) return a.quality > b.quality;
        if (a.numerology != b.numerology) return a.numerology > b.numerology;
        return a.index < b.index;
    });
    QList<RecommendedName> out;
    QSet<QString> taken;
    QHash<QChar, int> uses;
    for (const Ranked& r : ranked) {
        if (out.size() >= count) break;
        const QString given = candidates.given(r.index);
        if (taken.contains(given)) continue;
        bool overused = false;
        for (QChar c : given) overused = overused || uses.value(c) >= kMaxNamesPerCharacter;
        if (overused) continue;
        taken.insert(given);
        for (QChar c : given) ++uses[c];
        RecommendedName name;
        name.given = given;
        name.line = candidates.line(r.index);
        name.quality = r.quality;
        name.numerology = r.numerology;
        name.reason = judge.judge(given).reason();
        out << name;
    }
    return out;
}

NameCandidates candidatesFromLines(const QString& surname, const QStringList& lines)
{
    const qsizetype cut = surname.size();
    NameCandidates c;
    c.count = int(lines.size());
    c.given = [lines, cut](int i) {
        const QString& line = lines[i];
        const qsizetype open = line.indexOf(u'(');
        return line.mid(cut, (open < 0 ? line.size() : open) - cut).trimmed();
    };
    c.score = [lines](int i) {
        const QString& line = lines[i];
        const qsizetype open = line.indexOf(u'(');
        if (open < 0) return 0;
        int value = 0;
        for (qsizetype k = open + 1; k < line.size() && line[k].isDigit(); ++k) value = value * 10 + line[k].digitValue();
        return value;
    };
    c.line = [lines](int i) { return lines[i].trimmed(); };
    return c;
}

QString recommendedLine(const RecommendedName& name)
{
    return name.line + QStringLiteral(" 音形义%1分").arg(name.quality);
}
