#include "command.h"

#include "cli/cmd_calendar.h"
#include "cli/cmd_compare.h"
#include "cli/cmd_day_calendar.h"
#include "cli/cmd_dbinfo.h"
#include "cli/cmd_dictionary.h"
#include "cli/cmd_naming.h"
#include "cli/cmd_quality.h"
#include "cli/cmd_numerology.h"
#include "cli/cmd_places.h"
#include "cli/cmd_tools.h"
#include "cli/cmd_poems.h"
#include "cli/cmd_reference.h"

#include <QCoreApplication>

const std::vector<Command>& commands()
{
    static const std::vector<Command> all = {
        {"dbinfo", "", "list every table of the five knowledge files with its row count", runDbInfo},
        {"strokes", "TEXT", "each character: strokes, reading, element", runStrokes},
        {"grids", "SURNAME GIVEN", "the five grids: 天格 人格 地格 总格 外格", runGrids},
        {"score", "SURNAME GIVEN", "the overall score of a name (92, 88.5)", runScore},
        {"analyse", "--surname S --given G [--calendar 公历|农历] [--year Y] [--month M] [--day D] [--hour \"午 12\"] [--minute 0]",
         "the report of the name analysis window", runAnalyse},
        {"name-report", "--surname S --given G [--sex 男|女] [birth options of analyse]",
         "the report of the detailed name analysis page", runNameReport},
        {"lunar", "YYYY-MM-DD", "lunar year, month, day, leap flag (0/1) and text of a solar day", runLunar},
        {"solar", "YEAR MONTH DAY [leap]", "the solar day of a lunar date (status 2 when there is none)", runSolar},
        {"sign", "YYYY-MM-DD", "the Western zodiac sign of a solar day", runSign},
        {"bone", "YEAR MONTH DAY HOUR", "the bone-weight lines of a lunar date and clock hour", runBone},
        {"terms", "YEAR", "the 24 solar terms of a year, 小寒 … 冬至, with their moments", runTerms},
        {"pillars", "--date YYYY-MM-DD [--hour H] [--minute M] [--sex 男|女] [--place P] [--longitude DEG] [--zi late|early]",
         "four pillars, luck direction, start age, luck pillars, conception pillar (and 真太阳时 with a place)", runPillars},
        {"bazi", "--surname S --given G [--sex 男|女] [--calendar 公历|农历] [--year Y] [--month M] [--day D] "
                 "[--hour \"午 12\"] [--minute 0] [--place P] [--longitude DEG] [--zi late|early]",
         "the report of the bazi page, line by line (and 真太阳时 with a place)", runBazi},
        {"places", "TEXT", "birthplaces whose name or pinyin begins with TEXT: name, where, longitude, latitude", runPlaces},
        {"strength", "[--sex 男|女] [--calendar 公历|农历] [--year Y] [--month M] [--day D] [--hour \"午 12\"] "
                     "[--minute 0] [--place P] [--longitude DEG] [--zi late|early]",
         "shares of 木 火 土 金 水 in percent, the day master 强|弱 and the favourable elements (喜用)", runStrength},
        {"number", "N", "fortune of any number: 状态, 吉凶, 具体表现, one per line", runNumber},
        {"qq", "N", "fortune of a QQ number: 状态, 吉凶, 具体表现, one per line", runQq},
        {"mobile", "N", "fortune of a mobile number: 状态, 吉凶, 具体表现, one per line", runMobile},
        {"love", "MAN WOMAN", "the compatibility of two names", runLove},
        {"gbstrokes", "TEXT", "each character with its simplified stroke count (0 outside GB2312 hanzi)", runGbStrokes},
        {"initials", "TEXT [--full] [--unknown]", "the text spelled in pinyin first letters (--full: syllables)", runInitials},
        {"netname", "NAME", "the personality of a net name (an empty line when none applies)", runNetName},
        {"wuxing", "TEXT", "the elements of up to five characters, as the five-element window shows them", runWuxing},
        {"calendar-day", "FROM [TO]", "the calendar window's annotations of each day FROM … TO (YYYY-MM-DD)", runCalendarDay},
        {"calendar", "YYYY-MM", "one month as the calendar window draws it", runCalendarMonth},
        {"almanac", "YYYY-MM-DD", "the almanac entry of a day, as the almanac window shows it", runAlmanac},
        {"poems", "[--search TEXT]", "the dynasty/author tree: dynasty, author, au_num", runPoems},
        {"poem-list", "--author N [--search TEXT]", "an author's poems in the list's order: d_num, title", runPoemList},
        {"poem", "--id N", "the text of a poem", runPoem},
        {"poem-names", "--surname S --sex 男|女 [--length 双字名|单字名] (--text TEXT | --text-file F) [--bazi "
                       "--calendar 公历|农历 --year Y --month M --day D --hour H --minute MI] [--source | --recommend N]",
         "the names of the poem naming page, lowest score first", runPoemNames},
        {"article", "CID", "the title and text of a knowledge article (a1, XM018 …); status 1 when there is none", runArticle},
        {"omen", "PAGE", "the omen table of page 0 … 6 (sneezing, hot face, startled heart, barking dog, "
                         "twitching eye, hot ears, ringing ears)", runOmen},
        {"english-names", "[--sex 男|女]", "the English given names of one sex: name, transliteration, meaning", runEnglishNames},
        {"nicknames", "[--sex 男|女] [--pattern 宝宝型|小宝型|阿宝型|宝儿型|宝娃型] [--calendar 公历|农历] [--year Y] "
                      "[--month M] [--day D] [--hour H] [--minute MI]",
         "nicknames of a pattern for a child, those of the elements the chart lacks first", runNicknames},
        {"plans", "--surname S [--length 双字名|单字名] [--fixed C] [--position 第二字|第三字] [--min N | --no-min]",
         "the stroke plans of the naming page, \"电脑全自动\" first", runPlans},
        {"names", "--surname S --sex 男|女 [options of plans] [--plan ITEM] [--pick N | --no-pick] "
                  "[--elements 木水] [--picked | --recommend N]",
         "the classic search: every name line in the order produced", runNames},
        {"list-names", "--surname S --sex 男|女 [--mode list|idiom] [--length 双字名|单字名] [--plan ITEM] [--fixed C] "
                       "[--position 第二字|第三字] [--min N | --no-min] [--elements 木水] [--page K | --all | --recommend N]",
         "a page of the list or idiom mode's grid (or --all rows), nine tab-separated columns", runListNames},
        {"idioms", "", "the idiom list of the idiom mode, one idiom a line", runIdioms},
        {"compare", "--surname S --given G1,G2,… [--sex 男|女] [birth options of analyse] [--pdf FILE]",
         "shortlisted names side by side, tab-separated with a header line (--pdf: the printable comparison)",
         runCompare},
        {"quality", "--surname S --given G [--sex 男|女]",
         "the 音形义 judgement of a name: its score, each check and each character's reading and gloss", runQuality},
    };
    return all;
}

namespace {

void printHelp(QTextStream& out)
{
    out << "jiaming-cli: the command-line front door of 嘉名 (names, scores and birth charts)\n\n"
           "usage: jiaming-cli COMMAND [ARGUMENTS]\n"
           "       jiaming-cli --help | --version\n\n"
           "commands:\n";
    for (const Command& c : commands()) {
        const QString synopsis = QString::fromLatin1(c.name) + (*c.usage ? " " + QString::fromUtf8(c.usage) : QString());
        out << "  " << synopsis << "\n      " << QString::fromUtf8(c.summary) << '\n';
    }
    out << "\nThe knowledge files are read from the folder of the executable.\n"
           "Exit status: 0 done, 1 a file could not be read, 2 bad arguments or refused input.\n";
}

}  // namespace

int runCli(const QStringList& args, CliStreams io)
{
    if (args.isEmpty()) {
        printHelp(io.err);
        return kExitUsage;
    }
    const QString& first = args.front();
    if (first == "--help" || first == "-h" || first == "help") {
        printHelp(io.out);
        return kExitOk;
    }
    if (first == "--version") {
        io.out << "jiaming-cli " << QCoreApplication::applicationVersion() << '\n';
        return kExitOk;
    }
    for (const Command& c : commands())
        if (first == QLatin1String(c.name)) return c.run(args.mid(1), io);
    io.err << "unknown command: " << first << " (see jiaming-cli --help)\n";
    return kExitUsage;
}
