#include "reference_texts.h"

#include <QFile>

namespace {

// The texts are compiled in, so a missing one is a build fault, not a user's problem.
QString resourceText(const QString& name)
{
    QFile file(QStringLiteral(":/reference/") + name);
    if (!file.open(QIODevice::ReadOnly)) {
        qWarning("reference text missing: %s", qPrintable(name));
        return {};
    }
    QString text = QString::fromUtf8(file.readAll());
    text.remove(u'\r');
    while (text.endsWith(u'\n')) text.chop(1);
    return text;
}

}  // namespace

QString KnowledgeIntroduction()
{
    return resourceText(QStringLiteral("knowledge_intro.txt"));
}

QString OmenPageText(int page)
{
    if (page < 0 || page >= kOmenPageCount) return {};
    return resourceText(QStringLiteral("omen_%1.txt").arg(page));
}

QString OmenExplanation()
{
    return QStringLiteral("说明：\n"
                          "   子时为23点-1点 丑时为1点-3点 寅时为3点-5点 卯时为5点-7点\n"
                          "   辰时为7点-9点 巳时为9点-11点 午时11点-13点 未时13点-15点\n"
                          "   申时15点-17点 酉时17点-19点 戌时19点-21点 亥时为21点-23点");
}

QString EnglishNamesIntroduction()
{
    return resourceText(QStringLiteral("english_names_intro.txt"));
}

QString NicknameIntroduction()
{
    return resourceText(QStringLiteral("nickname_intro.txt"));
}

QStringList ReferenceListLines(const QString& resourceName)
{
    QStringList lines;
    for (const QString& line : resourceText(resourceName).split(u'\n'))
        if (!line.startsWith(u'#')) lines << line;
    return lines;
}

QStringList EnglishNameList(const QString& sex)
{
    return ReferenceListLines(sex.trimmed() == QStringLiteral("女") ? QStringLiteral("english_names_female.txt")
                                                                    : QStringLiteral("english_names_male.txt"));
}
