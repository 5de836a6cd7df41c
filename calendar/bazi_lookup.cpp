#include "bazi_lookup.h"

#include "data/failure.h"
#include "data/query.h"

QString TenGodOf(const QString& dayStem, const QString& stem)
{
    return quietLookup(QString(), [&] {
        Query q(Db::Tgcode);
        return q.scalarText(QStringLiteral("select ShiShen from Shishen where jiazi = ? limit 1"), dayStem + stem)
            .trimmed();
    });
}

QString NayinOf(const QString& pillar)
{
    return quietLookup(QString(), [&] {
        Query q(Db::Tgcode);
        return q.scalarText(QStringLiteral("select layin from jiazi where jiazi = ? limit 1"), pillar).trimmed();
    });
}
