#include "name_compatibility.h"

#include "data/text_file.h"

#include <array>
#include <cstdlib>

namespace {

#include "tools/gb2312_strokes.inc"
static_assert(sizeof(kSimplifiedStrokes) == kGb2312HanziCells);

constexpr unsigned char kFirstRow = 0xB0, kLastRow = 0xF7, kFirstCol = 0xA1, kLastCol = 0xFE;

constexpr std::array<const char*, 26> kRelations = {
    "亲密无间 得分88分",     "永远和你在一起 得分98分", "水火不相容 得分50分",   "知心朋友 得分72分",
    "心上人 得分96分",       "帮你做事的人 得分76分",   "帮你的人 得分60分",     "面和心不合 得分55分",
    "男女关系不正常 得分89分", "情投意合 得分90分",     "关系马虎 得分74分",     "尊敬你的人 得分76分",
    "爱你的人 得分80分",     "适合你的 得分80分",       "说你坏话的人 得分54分", "克星 得分40分",
    "救星 得分80分",         "忠心的人 得分75分",       "狼心狗肺的人 得分40分", "单相思 得分77分",
    "山盟海誓 得分98分",     "情敌 得分59分",           "服从你的人 得分70分",   "永远在一起 得分95分",
    "伴终生 得分96分",       "恨你又爱你 得分99分",
};

bool inHanziArea(unsigned char b1, unsigned char b2)
{
    return b1 >= kFirstRow && b1 <= kLastRow && b2 >= kFirstCol && b2 <= kLastCol;
}

}  // namespace

int SimplifiedStrokeTable(int index)
{
    return index >= 0 && index < kGb2312HanziCells ? kSimplifiedStrokes[index] : 0;
}

int simplifiedStrokes(const QString& character)
{
    const auto bytes = encodeGb18030(character);
    if (!bytes || bytes->size() != 2) return 0;
    return StrokeTotal(*bytes);
}

int StrokeTotal(const QByteArray& gbkName)
{
    int total = 0;
    for (qsizetype i = 0; i < gbkName.size(); ++i) {
        const auto b1 = static_cast<unsigned char>(gbkName[i]);
        if (b1 < kFirstRow || i + 1 >= gbkName.size()) continue;
        const auto b2 = static_cast<unsigned char>(gbkName[++i]);
        if (inHanziArea(b1, b2)) total += kSimplifiedStrokes[(b1 - kFirstRow) * 94 + (b2 - kFirstCol)];
    }
    return total;
}

int StrokeTotal(const QString& name)
{
    const auto bytes = encodeGb18030(name);
    return bytes ? StrokeTotal(*bytes) : 0;
}

QString CompatibilityText(int d)
{
    if (d < 0 || d >= int(kRelations.size())) return QStringLiteral("只有天知道,你的分析不在我们的范围");
    return QString::fromUtf8(kRelations[d]);
}

Expected<QString, QString> compatibilityTest(const QString& manName, const QString& womanName)
{
    // Blanks pass this check on purpose: a name of blanks counts 0 strokes.
    if (manName.isEmpty() || womanName.isEmpty()) return unexpected(QStringLiteral("请输入你们的姓名！"));
    return CompatibilityText(std::abs(StrokeTotal(manName.trimmed()) - StrokeTotal(womanName.trimmed())));
}
