#include "bone_weight.h"

#include "data/failure.h"
#include "data/query.h"

#include <cmath>

namespace {

// Weights are stored in 两 with one decimal. Adding them as doubles can give 2.0999…, whose printed
// form would pick the wrong digit, so each is taken as a whole number of 钱 before the sum.
int weightInQian(Query& q, const QString& sql, const QString& key)
{
    q.open(sql, key);
    return int(std::lround(q.field(0).asDouble() * 10));
}

}  // namespace

QString WeightCode(int totalQian)
{
    // The shortest decimal text of the total in 两: 4.2, 5.
    const QString text = totalQian % 10 == 0 ? QString::number(totalQian / 10)
                                             : QStringLiteral("%1.%2").arg(totalQian / 10).arg(totalQian % 10);
    if (text.size() == 1) return text + u'0';
    return QString(text[0]) + (text.size() > 2 ? QString(text[2]) : QString());
}

std::optional<QString> BoneWeightLine(const QString& year, const QString& month, const QString& day,
                                      const QString& hour, int part)
{
    return abandonOnFailure([&]() -> std::optional<QString> {
        Query q(Db::Dream);
        // The keys are bound as text; the engine gives it the integer form where the column is one.
        const int total = weightInQian(q, QStringLiteral("select weight from chenggu1 where year = ?"), year) +
                          weightInQian(q, QStringLiteral("select weight from chenggu2 where month2 = ?"), month) +
                          weightInQian(q, QStringLiteral("select weight from chenggu3 where day2 = ?"), day) +
                          weightInQian(q, QStringLiteral("select weight from chenggu4 where time = ?"), hour);
        const QString code = WeightCode(total);
        q.open(QStringLiteral("select content, content2 from chenggu where weight = ?"), code);
        if (q.isEmpty()) return std::nullopt;
        switch (part) {
        case 0: {
            QString line = QStringLiteral("你的骨重为：") + code[0] + u'两';
            if (code.size() > 1 && code[1] != u'0') line += code[1] + QStringLiteral("钱");
            return line;
        }
        case 1: return QStringLiteral("骨重诗评：") + q.field(0).asText().trimmed();
        case 2: return QStringLiteral("骨重解评：") + q.field(1).asText().trimmed();
        default: return std::nullopt;
        }
    });
}
