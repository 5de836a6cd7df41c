#include "number_reading.h"

#include "data/failure.h"
#include "data/query.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kKeyCount = 81;
constexpr int kReducer = 80;
constexpr int kMobileDigits = 11;  // a mainland mobile number

// Four short phrases per key. The folk tradition reads key k as the 81-number k + 1, so the
// phrases follow that number's meaning and agree with the luck word of the key.
constexpr std::array<const char*, kKeyCount> kReadings = {
    "天地初开，元气充盈，诸事顺遂，福禄绵长",          // 0
    "根基不固，摇摇欲坠，一盛一衰，劳而无获",
    "进取如意，阴阳和合，名利双收，前程远大",
    "根基不稳，进退失据，万事难成，辛劳无功",
    "阴阳和顺，福寿双全，家门兴旺，身心康泰",
    "天德庇佑，家业丰隆，安稳富足，福泽深厚",
    "刚毅果断，独立有成，精力充沛，宜和待人",
    "意志坚强，勤勉奋进，历练有成，终得功名",
    "才高运蹇，孤立无援，事多波折，难遂心愿",
    "万事终局，空耗心力，进退皆难，徒劳无获",
    "草木逢春，枯木生花，稳步向前，重振家声",          // 10
    "根基薄弱，力不从心，孤军难行，劳而少成",
    "聪颖多才，智谋过人，学有所成，名利可期",
    "家缘浅淡，离散之象，忧愁多虑，劳心无益",
    "福寿双全，德望兼备，谦和得助，家道兴隆",
    "贵人相助，众望所归，宽厚待人，成就大业",
    "刚强不屈，突破难关，意志坚定，功成名就",
    "有志竟成，排除万难，权威显达，事业有成",
    "风云蔽月，多灾多难，才智虽高，终难如愿",
    "运途空虚，百事难成，进退维艰，宜求安稳",
    "明月当空，独立权威，光风霁月，领袖群伦",          // 20
    "秋草逢霜，志向难伸，困顿失意，宜养心性",
    "旭日东升，气势如虹，壮志凌云，功名显达",
    "白手起家，财源广进，勤俭持家，晚景丰裕",
    "资性英敏，才能出众，刚柔相济，自成大业",
    "波澜起伏，变幻莫测，英雄多难，宜守中道",
    "一成一败，一盛一衰，惟靠谨慎，可守成功",
    "风波不息，遭难之数，离散漂泊，宜多自省",
    "智谋兼备，财力归集，名闻四方，成就可期",
    "吉凶参半，浮沉不定，得失难料，宜求稳健",
    "智勇双全，意志坚定，春日花开，名利双收",          // 30
    "宝马金鞍，贵人提携，顺势而为，福禄自来",
    "旭日升天，家门隆昌，才德兼备，名扬四海",
    "破家之象，灾祸连绵，心力交瘁，宜守安宁",
    "温和平顺，文艺有成，安稳守成，福寿康宁",
    "波澜重叠，侠义多劳，奔波不定，宜量力行",
    "忠实热诚，独立成事，权威显达，声誉日隆",
    "意志薄弱，刻意经营，技艺可成，福禄平平",
    "富贵荣华，财帛丰盈，德泽四方，晚景尤佳",
    "智勇兼备，投机多险，谨慎保安，宜退守之",
    "德高望重，纯阳独秀，事事如意，名利两全",          // 40
    "博识多能，精通一艺，专心可成，贪多则败",
    "外表风光，内里空虚，散财破费，宜守勤俭",
    "烦恼缠身，事多阻滞，心劳力绌，难遂所愿",
    "顺风扬帆，新生泰和，智谋过人，诸事顺达",
    "载宝沉舟，浪里淘金，辛苦难成，宜耐心守",
    "花开结果，权威进取，家业兴隆，合家欢喜",
    "智谋兼备，德望高远，可为师表，荣华终身",
    "吉凶难分，变化无常，得失相随，宜谨言行",
    "一成一败，先吉后凶，盛衰交替，宜早筹谋",
    "盛衰交加，波澜起伏，先苦后甘，谨慎可安",          // 50
    "先见之明，理想可达，把握时机，名利兼收",
    "外观祥和，内藏隐忧，先得后失，宜防不测",
    "劳碌多艰，灾厄频生，石上栽花，难有收成",
    "外美内苦，盛极将衰，刚柔失衡，宜守谦和",
    "历尽艰辛，行舟逆浪，志气消沉，宜养精神",
    "寒雪青松，坚忍不拔，逢时而发，终享荣华",
    "先历坎坷，后见转机，宽宏忍耐，晚景可期",
    "寒蝉悲风，意志衰退，缺乏耐性，事难有成",
    "方向不明，心神不定，暗中摸索，难以成事",
    "名利双收，繁荣富贵，骄矜招忌，宜修心性",          // 60
    "基础虚弱，内外不和，志望难达，宜守本分",
    "万物化育，舟归平海，富贵荣华，子孙昌盛",
    "骨肉分离，孤独悲愁，浮沉不定，宜慎言行",
    "家运隆昌，福寿绵长，事事成就，富贵可期",
    "内外不和，进退维谷，信用难立，宜守诚信",
    "天赋幸运，通达四方，独立自主，事业昌隆",
    "思虑周详，发明有成，智虑过人，名利双收",
    "坐立不安，动荡不宁，病弱多忧，宜安心神",
    "残菊逢霜，寂寞无聊，忧愁难解，宜养身心",
    "石上开花，吉凶参半，勤勉可成，懈怠则败",          // 70
    "先甘后苦，荣华难久，外表风光，内多忧患",
    "志向高远，安分守己，平和顺遂，自有福分",
    "智能不足，虚度光阴，坐食山空，难有作为",
    "守成可安，妄进则败，吉凶相伴，宜知进退",
    "倾覆离散，骨肉分离，内外不和，宜守家园",
    "先得庇荫，后遇波折，乐极生悲，宜早筹谋",
    "早年顺遂，中年发达，晚景渐衰，宜多积蓄",
    "精神不振，前途渺茫，身疲力竭，宜求稳定",
    "辛苦多劳，灾病缠身，修身养性，可转平安",
    "最极之数，还本归元，能得繁荣，发达成功",          // 80
};

enum Luck : unsigned char { Ji, Xiong, JiDaiXiong, XiongDaiJi };
constexpr std::array<const char*, 4> kLuckWords = {"吉", "凶", "吉带凶", "凶带吉"};

constexpr std::array<Luck, kKeyCount> kLuck = {
    Ji,    Xiong, Ji,    Xiong, Ji,    Ji,    Ji,    Ji,    Xiong, Xiong,       // 0-9
    Ji,    Xiong, Ji,    Xiong, Ji,    Ji,    Ji,    Ji,    Xiong, Xiong,       // 10-19
    Ji,    Xiong, Ji,    Ji,    Ji,    Xiong, XiongDaiJi, Xiong, Ji, Xiong,     // 20-29
    Ji,    Ji,    Ji,    Xiong, Ji,    Xiong, Ji,    XiongDaiJi, Ji, JiDaiXiong, // 30-39
    Ji,    JiDaiXiong, JiDaiXiong, Xiong, Ji, Xiong, Ji, Ji, Xiong, JiDaiXiong, // 40-49
    JiDaiXiong, Ji, JiDaiXiong, Xiong, JiDaiXiong, Xiong, Ji, XiongDaiJi, Xiong, Xiong, // 50-59
    JiDaiXiong, Xiong, Ji, Xiong, Ji, Xiong, Ji, Ji, Xiong, Xiong,              // 60-69
    JiDaiXiong, Xiong, Ji, Xiong, JiDaiXiong, Xiong, JiDaiXiong, JiDaiXiong, Xiong, JiDaiXiong, // 70-79
    Ji,                                                                         // 80
};

// The nine personality types; every key of a type shares its description.
struct PersonalityType {
    const char* name;
    const char* description;
};
constexpr std::array<PersonalityType, 9> kTypes = {{
    {"做事喜好凭直觉型",
     "有特强的第六灵感，性格率直无机心，深得朋辈爱戴。感情路上多采多姿。做事喜好凭个人直觉及预感做决定。"},
    {"独断独行/吸引人型",
     "为人独断独行，事事自行作主解决，鲜有求助他人。而这份独立个性，正正就是吸引异性的特质。但其实心底里，"
     "却是渴望有人可让他/她依赖。"},
    {"热情/善变梦想家型",
     "待人热情真诚，脑中常有新奇的想法与计划。兴趣来得快，去得也快，容易见异思迁，若能把一件事坚持到底，"
     "必有所成。感情上浪漫而富于幻想。"},
    {"自我牺牲/性格被动型",
     "心地善良，处处为他人着想，甘愿默默付出。遇事多随他人安排，不善主动争取，有时因此委屈了自己。"
     "感情上宜勇敢说出心意。"},
    {"要面包不要爱情型",
     "做事务实，重视生活的保障，对将来有清楚的打算。感情上较为理性，看重对方的能力与责任心，"
     "认为安稳的日子比一时的浪漫更可靠。"},
    {"不善表达/疑心大型",
     "内心细腻，感受丰富，却不善于用言语表达。对人对事容易多疑，要相处很久才肯放下戒心；"
     "一旦信任了对方，便会真诚相待。"},
    {"大胆行事冲动派型",
     "性格爽直，敢作敢为，遇到机会便立即行动。做事讲求效率，却容易忽略细节，偶尔因一时冲动而后悔。"
     "凡事三思而后行，成就会更大。"},
    {"高度戒备难交心型",
     "处事谨慎，对陌生人保持距离，不轻易吐露心事。朋友不多，交情却很深厚。感情上慢热，"
     "需要对方以耐心换取信任。"},
    {"好奇心旺求知欲强型",
     "对新事物充满兴趣，凡事喜欢追根究底，学习能力很强。思想活跃，涉猎广泛，常能从不同角度看问题。"
     "感情上喜欢与自己有共同话题的伴侣。"},
}};

// The type of every key, as an index into kTypes.
constexpr std::array<unsigned char, kKeyCount> kTypeOfKey = {
    0, 1, 2, 3, 4, 5, 6, 7, 8, 0,   // 0-9
    1, 2, 3, 4, 5, 6, 7, 8, 0, 1,   // 10-19
    2, 3, 4, 5, 6, 8, 0, 8, 0, 1,   // 20-29
    2, 3, 4, 5, 6, 8, 0, 1, 2, 3,   // 30-39
    4, 5, 6, 7, 2, 3, 4, 5, 6, 7,   // 40-49
    8, 0, 1, 2, 4, 5, 6, 7, 8, 0,   // 50-59
    1, 2, 3, 4, 5, 6, 8, 5, 6, 7,   // 60-69
    8, 0, 1, 1, 2, 3, 4, 5, 6, 8,   // 70-79
    0,                              // 80
};

const QString kOutOfTable = QStringLiteral("对不起,此号不在分解之类。");

}  // namespace

QString NumberReading(qint64 number)
{
    if (number > kReducer) {
        number %= kReducer;
        if (number == 0) number = kReducer;
    }
    if (number < 0 || number >= kKeyCount) return kOutOfTable;
    const PersonalityType& type = kTypes[kTypeOfKey[number]];
    return QStringLiteral("%1|%2|主人性格类型：[%3]，其具体表现为：%4")
        .arg(QString::fromUtf8(kReadings[number]), QString::fromUtf8(kLuckWords[kLuck[number]]),
             QString::fromUtf8(type.name), QString::fromUtf8(type.description));
}

Expected<QString, QString> NumberReading(const QString& numberText)
{
    bool ok = false;
    const qint64 n = numberText.trimmed().toLongLong(&ok);
    if (!ok) return unexpected(QStringLiteral("“%1”不是有效的整数。").arg(numberText.trimmed()));
    return NumberReading(n);
}

NumberFortune splitNumberReading(const QString& entry)
{
    const qsizetype first = entry.indexOf(u'|');
    if (first < 0) return {QString(), QString(), entry};
    const QString rest = entry.mid(first + 1);
    const qsizetype second = rest.indexOf(u'|');
    if (second < 0) return {entry.left(first), rest, QString()};
    return {entry.left(first), rest.left(second), rest.mid(second + 1)};
}

Expected<NumberFortune, QString> numberFortune(const QString& input, bool qq)
{
    const QString number = input.trimmed();
    if (number.isEmpty()) return unexpected(qq ? QStringLiteral("请输入你的QQ号码！") : QStringLiteral("请输入你的号码！"));
    const auto entry = NumberReading(number);
    if (!entry) return unexpected(entry.error());
    return splitNumberReading(*entry);
}

QString shoujiinfostr(const QString& number)
{
    if (number.size() < 8) return QString();
    const QString tail = number.mid(7);
    for (QChar c : tail)
        if (!c.isDigit() || c.unicode() > '9') return QString();
    bool ok = false;
    const qint64 x = tail.toLongLong(&ok);
    if (!ok || x % kReducer == 0) return QString();
    return QString::number(x % kReducer);
}

Expected<NumberFortune, QString> mobileFortune(const QString& input)
{
    const QString number = input.trimmed();
    if (number.isEmpty()) return unexpected(QStringLiteral("请输入11位手机号码！"));
    if (!std::all_of(number.begin(), number.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return unexpected(QStringLiteral("手机号码只能由数字组成，请检查后重新输入！"));
    if (number.size() != kMobileDigits)
        return unexpected(QStringLiteral("手机号码是%1位数字，您输入了%2位，请检查后重新输入！").arg(kMobileDigits).arg(number.size()));
    const QString key = shoujiinfostr(number).trimmed();
    if (key.isEmpty()) return NumberFortune{QStringLiteral("超吉"), QStringLiteral("超吉"), QStringLiteral("超吉不做详细评论")};
    return abandonOnFailure([&] {
        Query q(Db::Dream);
        q.open(QStringLiteral("select title, jx, content from shouji where num = ?"), key);
        return NumberFortune{q.field(0).asText().trimmed(), q.field(1).asText().trimmed(),
                             q.field(2).asText().trimmed()};
    });
}
