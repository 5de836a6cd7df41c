#include "net_name.h"

#include "data/text_file.h"
#include "tools/pinyin_initials.h"

#include <array>

namespace {

// Kept as stored, stray blanks included: the window trims what it shows.
constexpr std::array<const char*, 26> kTraits = {
    "好奇心强，专一",
    "老实，沉默",
    "可爱，较明显的自恋",
    "温柔，乖巧",
    "会拍马屁，攀关系",
    " 有抱负，志气高",
    "大丈夫主义者",
    " 自立，自强，可依靠 ",
    " 有点懒惰",
    " 煽情高手",
    "古怪，求新",
    "圆滑",
    "反复无常，喜欢模仿神秘人物举动的小孩子性格，但是常常被宠爱",
    "不贪图安逸，能想到别人想不到的东西",
    "勤劳肯干，活跃",
    "认为朋友和恋人是最重要的，是他们的特点",
    "超级赶时髦者，无敌扫旧派",
    "固执，略有才气",
    "心胸宽大，有深藏不露的自恋",
    "热爱青春，喜欢活力",
    "不耻下问",
    "好静，有点表里不一",
    "比较糊涂，容易感情用事",
    "有恒心，害怕做重复的事情，哪怕是别人重复他做过的事",
    "乐天派呀！非同一般的乐天",
    "老实，想问题容易兜圈子",
};

constexpr int kMaxSpelling = 255;

// Digits count as letters: 1 → A … 9 → I, 0 → J.
QChar digitAsLetter(QChar c)
{
    if (c < u'0' || c > u'9') return c;
    return c == u'0' ? QChar(u'J') : QChar(u'A' + (c.unicode() - u'1'));
}

}  // namespace

QString NetNameTrait(QChar letter)
{
    const char16_t c = letter.toLower().unicode();
    if (c < u'a' || c > u'z') return QString();
    return QString::fromUtf8(kTraits[c - u'a']);
}

QString NetNamePersonality(const QString& nickname)
{
    if (nickname.isEmpty()) return QString();
    const QString spelled = PinyinInitials(nickname, {.fullSyllables = false, .markUnknown = true}, kMaxSpelling);
    if (spelled.isEmpty()) return QString();
    return NetNameTrait(digitAsLetter(spelled.back()));
}

Expected<NetNameLines, QString> netNameTest(const QString& input)
{
    const QString nickname = input.trimmed();
    if (nickname.isEmpty()) return unexpected(QStringLiteral("请输入你的网名！"));
    NetNameLines lines{QStringLiteral("你的网名：") + nickname, QString()};
    // When the nickname cannot be turned into GBK bytes at all (the system lacks the converter), the
    // user is asked for it again rather than shown an empty trait.
    if (!encodeGb18030(nickname)) {
        lines.personality = QStringLiteral("请重新输入网名，请不要输入特殊字符！");
        return lines;
    }
    lines.personality = QStringLiteral("你的性格：") + NetNamePersonality(nickname).trimmed();
    return lines;
}
