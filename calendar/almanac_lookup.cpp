#include "almanac_lookup.h"

#include "data/date_text.h"
#include "data/query.h"

Expected<AlmanacRequest, QString> CheckAlmanacDate(const QString& year, const QString& month, const QString& day)
{
    const QString y = year.trimmed(), m = month.trimmed(), d = day.trimmed();
    if (y.isEmpty()) return unexpected(QStringLiteral("请选择年!"));
    if (m.isEmpty()) return unexpected(QStringLiteral("请选择月!"));
    if (d.isEmpty()) return unexpected(QStringLiteral("请选择日!"));
    const QString text = y + u'-' + m + u'-' + d;
    const auto date = parseDateText(text);
    if (!date) return unexpected(QStringLiteral("请选择有效的日期!"));
    return AlmanacRequest{text, *date};
}

std::optional<AlmanacPage> LookupAlmanac(const AlmanacRequest& request)
{
    Query q(Db::KelBirth);
    // gn holds zero-padded text, so "2008-1-5" typed into the boxes finds the row of 2008-01-05.
    q.open("select nn, suici, tszf, wuhang, cong, pzbj, jsyq, yi, xsyq, ji from huangdao where gn = ? limit 1",
           dateText(request.date));
    if (q.isEmpty()) return std::nullopt;

    const struct { const char16_t* label; const char* column; } items[] = {
        {u"岁次:", "suici"}, {u"每日胎神占方:", "tszf"}, {u"五行:", "wuhang"}, {u"冲:", "cong"}, {u"彭祖百忌:", "pzbj"},
        {u"吉神宜趋:", "jsyq"}, {u"宜:", "yi"}, {u"凶神宜忌:", "xsyq"}, {u"忌:", "ji"},
    };
    AlmanacPage page;
    page.label = request.text + QStringLiteral("  ") + q.field(QStringLiteral("nn")).asText().trimmed();
    for (const auto& item : items) {
        if (!page.lines.isEmpty()) page.lines << QString();
        page.lines << QString::fromUtf16(item.label) + q.field(QString::fromLatin1(item.column)).asText().trimmed();
    }
    return page;
}

QStringList AlmanacGlossary()
{
    return {
        QStringLiteral("嫁娶 ：男娶女嫁，举行结婚大典的吉日 "),
        QStringLiteral("祭祀 ：祭拜祖先、供奉神明，或到庙宇寺观上香行礼"),
        QStringLiteral("安葬 ：把逝者的棺木或骨灰埋入墓穴，举行下葬仪式"),
        QStringLiteral("出行 ：指外出旅行、观光游览 "),
        QStringLiteral("祈福 ：向神明祷告，祈求平安、福气与心愿达成"),
        QStringLiteral("动土 ：建筑时、第一次动起锄头挖土 "),
        QStringLiteral("安床 ：新婚、乔迁或换床时，选定位置安放床铺"),
        QStringLiteral("开光 ：新塑或新请的神像、佛像经仪式点睛，正式供奉"),
        QStringLiteral("纳采 ：旧时订婚礼俗，男方托媒人向女方送礼求亲，今多指送聘礼"),
        QStringLiteral("入殓 ：把逝者的遗体放进棺木"),
        QStringLiteral("移徙 ：搬家迁居，把家当从旧居搬往新居"),
        QStringLiteral("破土 ：专指为修建坟墓而开挖地面，与建房的“动土”不同"),
        QStringLiteral("解除 ：清扫房屋、除去灾厄，也指解除旧约或冲洗器物"),
        QStringLiteral("入宅 ：迁入新建或新买的住宅，正式开始居住"),
        QStringLiteral("修造 ：修缮或营造房屋、宅院等建筑"),
        QStringLiteral("栽种 ：播种、插秧、移栽花木等农事"),
        QStringLiteral("开市 ：新店开张营业，或年节过后商铺重新开门做生意"),
        QStringLiteral("移柩 ：出殡前把灵柩移出停放之处"),
        QStringLiteral("订盟 ：订立盟约，旧时多指订婚，今也泛指签订合同契约"),
        QStringLiteral("拆卸 ：拆除旧房、围墙等建筑物"),
        QStringLiteral("立卷 ：订立买卖田地、房屋等的契约凭据"),
        QStringLiteral("交易 ：买卖往来、洽谈生意或签订商业合同"),
        QStringLiteral("求嗣 ：向神明祈求子嗣，盼望早生贵子"),
        QStringLiteral("上梁 ：建房时把主梁安放到屋顶上，是营建中的重要仪式"),
        QStringLiteral("纳财 ：收账、进货、购置产业等使钱财入门的事"),
        QStringLiteral("起基 ：建房时开挖并砌筑地基"),
        QStringLiteral("斋醮 ：设坛祭神、诵经礼忏的法事，"),
        QStringLiteral("      多为消灾、超度或祈福而办"),
        QStringLiteral("赴任 ：官员走马上任，今也指到新的单位就职"),
        QStringLiteral("冠笄 ：古代的成年礼，男子二十加冠，女子十五插笄，"),
        QStringLiteral("      表示已经成人"),
        QStringLiteral("安门 ：安装房屋的大门"),
        QStringLiteral("修坟 ：修整、培土或重修坟墓"),
        QStringLiteral("挂匾 ：悬挂牌匾，多用于店铺开张或新居落成"),
    };
}
