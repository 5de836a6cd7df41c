#include "cli/cmd_quality.h"

#include "cli/options.h"
#include "data/db_error.h"
#include "naming/name_quality.h"

namespace {

const char* const kQualityUsage = "quality --surname S --given G [--sex 男|女]";

// Han characters only, from one to `most`.
bool isHanText(const QString& text, int most)
{
    const QList<uint> cps = text.toUcs4();
    if (cps.isEmpty() || cps.size() > most) return false;
    for (uint cp : cps)
        if (QChar::script(char32_t(cp)) != QChar::Script_Han) return false;
    return true;
}

}  // namespace

int runQuality(const QStringList& args, CliStreams io)
{
    const auto options = parseOptions(args, {"surname", "given", "sex"});
    if (!options) return usage(io, kQualityUsage, options.error());
    const QString surname = options->value("surname").trimmed(), given = options->value("given").trimmed();
    if (!isHanText(surname, 2)) return usage(io, kQualityUsage, QStringLiteral("--surname takes one or two Chinese characters"));
    if (!isHanText(given, 3)) return usage(io, kQualityUsage, QStringLiteral("--given takes one to three Chinese characters"));
    std::optional<ChildSex> sex;
    if (options->contains("sex")) {
        const QString s = options->value("sex").trimmed();
        if (s == QStringLiteral("男")) sex = ChildSex::Boy;
        else if (s == QStringLiteral("女")) sex = ChildSex::Girl;
        else return usage(io, kQualityUsage, QStringLiteral("--sex must be 男 or 女"));
    }
    try {
        const QualityJudgement j = QualityJudge::forName(surname, given, sex).judge(given);
        io.out << QStringLiteral("音形义评分: %1分").arg(j.score) << '\n';
        for (const QualityFinding& f : j.findings)
            io.out << qualityCheckName(f.check) << '\t' << (f.passed ? QStringLiteral("通过") : QStringLiteral("注意")) << '\t'
                   << f.sentence << '\n';
        for (const CharacterNote& c : j.characters) io.out << c.character << '\t' << c.pinyin << '\t' << c.gloss << '\n';
    } catch (const DbError& e) {
        io.err << e.message() << '\n';
        return kExitFailure;
    }
    return kExitOk;
}

Expected<int, QString> recommendCountOf(const QString& text)
{
    const auto n = integer(text);
    if (!n || *n < 1) return unexpected(QStringLiteral("--recommend must be a number from 1"));
    return *n;
}

int printRecommended(CliStreams io, const QString& surname, std::optional<ChildSex> sex, const QString& extraCharacters,
                     const NameCandidates& candidates, int count)
{
    try {
        const QualityJudge judge = QualityJudge::forSearch(surname, sex, extraCharacters);
        for (const RecommendedName& name : recommendNames(judge, candidates, count))
            io.out << name.line << '\t' << QStringLiteral("音形义%1分").arg(name.quality) << '\n';
    } catch (const DbError& e) {
        io.err << e.message() << '\n';
        return kExitFailure;
    }
    return kExitOk;
}
