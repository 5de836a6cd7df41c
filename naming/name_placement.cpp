#include "name_placement.h"

#include "data/gbk_text.h"

QString padNameCell(const QString& line)
{
    const int bytes = gbkByteLength(line);
    return bytes >= kCellBytes ? line : line + QString(kCellBytes - bytes, u' ');
}

int scoreOfLine(const QString& line)
{
    const qsizetype paren = line.indexOf(u'(');
    if (paren < 0) return -1;
    qsizetype end = paren + 1;
    while (end < line.size() && line.at(end).isDigit()) ++end;
    bool ok = false;
    const int score = line.mid(paren + 1, end - paren - 1).toInt(&ok);
    return ok ? score : -1;
}

bool isPickedLine(const QString& line, std::optional<int> pickScore)
{
    if (!pickScore) return false;
    if (line.contains(QStringLiteral("100"))) return true;
    const int score = scoreOfLine(line);
    return score >= 0 && score >= *pickScore;
}

Placement PlaceNameLine(const QString& line, std::optional<int> pickScore, NamingState& state)
{
    Placement out;
    out.line = line.trimmed();
    out.picked = isPickedLine(out.line, pickScore);
    state.rowBuffer << padNameCell(out.line);
    if (++state.rowBufferCount == kCellsPerRow) out.completedRow = takePartialRow(state);
    return out;
}

QString takePartialRow(NamingState& state)
{
    const QString row = state.rowBuffer.join(QString());
    state.rowBuffer.clear();
    state.rowBufferCount = 0;
    return row;
}
