#include "quality_section.h"

#include "data/db_error.h"
#include "naming/name_quality.h"

QStringList qualitySectionLines(const QString& surname, const QString& givenName, const QString& sexText)
{
    std::optional<ChildSex> sex;
    if (sexText.trimmed() == QStringLiteral("男")) sex = ChildSex::Boy;
    if (sexText.trimmed() == QStringLiteral("女")) sex = ChildSex::Girl;
    const QString given = givenName.trimmed();
    try {
        const QualityJudgement j = QualityJudge::forName(surname, given, sex).judge(given);
        QStringList lines = {QStringLiteral("【音形义分析】"), QStringLiteral("拼音：") + j.pinyinLine(),
                             QStringLiteral("音形义评分：%1分").arg(j.score)};
        const qsizetype surnameLength = surname.trimmed().toUcs4().size();
        for (qsizetype i = surnameLength; i < j.characters.size(); ++i) {
            const CharacterNote& c = j.characters[i];
            lines << c.character + QStringLiteral("：") + (c.gloss.isEmpty() ? QStringLiteral("暂无释义") : c.gloss);
        }
        for (const QualityFinding& f : j.findings)
            lines << qualityCheckName(f.check) + (f.passed ? QStringLiteral("（通过）：") : QStringLiteral("（注意）：")) +
                         f.sentence;
        return lines;
    } catch (const DbError&) {
        return {};
    }
}
