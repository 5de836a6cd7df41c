#include "search_progress.h"

#include <QLocale>

namespace {

QString grouped(qsizetype count)
{
    static const QLocale chinese(QLocale::Chinese, QLocale::China);  // groups of three, with ","
    return chinese.toString(qlonglong(count));
}

}  // namespace

QString foundNamesText(qsizetype count, SearchProgress progress)
{
    const QString found = QStringLiteral("已找到 %1 个名字").arg(grouped(count));
    switch (progress) {
    case SearchProgress::Running: return QStringLiteral("正在起名… ") + found;
    case SearchProgress::Ended: return found;
    case SearchProgress::Stopped: return QStringLiteral("已停止，") + found;
    }
    return found;
}

QString copiedNamesText(qsizetype count)
{
    if (count == 0) return QStringLiteral("没有可复制的名字");
    return QStringLiteral("已复制 %1 个名字").arg(grouped(count));
}
