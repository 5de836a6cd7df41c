#include "cli/cmd_reference.h"

#include "cli/options.h"
#include "data/db_error.h"
#include "tools/reference/nicknames.h"
#include "tools/reference/note_article.h"
#include "tools/reference/reference_texts.h"

namespace {

bool isSex(const QString& sex)
{
    return sex == QStringLiteral("男") || sex == QStringLiteral("女");
}

}  // namespace

int runArticle(const QStringList& args, CliStreams io)
{
    const char* synopsis = "article CID";
    if (args.size() != 1 || args.front().trimmed().isEmpty()) return usage(io, synopsis);
    try {
        const auto article = LoadNoteArticle(args.front().trimmed());
        if (!article) return kExitFailure;  // no such article: nothing to print
        io.out << article->title << '\n' << article->content << '\n';
        return kExitOk;
    } catch (const DbError& e) {
        io.err << e.message() << '\n';
        return kExitFailure;
    }
}

int runOmen(const QStringList& args, CliStreams io)
{
    const char* synopsis = "omen PAGE (0 sneezing, 1 hot face, 2 startled heart, 3 barking dog, 4 twitching eye, "
                           "5 hot ears, 6 ringing ears)";
    bool ok = false;
    const int page = args.size() == 1 ? args.front().trimmed().toInt(&ok) : -1;
    if (!ok || page < 0 || page >= kOmenPageCount) return usage(io, synopsis, QStringLiteral("PAGE must be 0 … 6"));
    io.out << OmenPageText(page) << '\n';
    return kExitOk;
}

int runEnglishNames(const QStringList& args, CliStreams io)
{
    const char* synopsis = "english-names [--sex 男|女]";
    const auto options = parseOptions(args, {"sex"});
    if (!options) return usage(io, synopsis, options.error());
    const QString sex = options->value("sex", QStringLiteral("男")).trimmed();
    if (!isSex(sex)) return usage(io, synopsis, QStringLiteral("--sex must be 男 or 女"));
    for (const QString& line : EnglishNameList(sex)) io.out << line.trimmed() << '\n';
    return kExitOk;
}

int runNicknames(const QStringList& args, CliStreams io)
{
    const char* synopsis = "nicknames [--sex 男|女] [--pattern 宝宝型|小宝型|阿宝型|宝儿型|宝娃型] [--calendar 公历|农历] "
                           "[--year Y] [--month M] [--day D] [--hour H] [--minute MI]";
    const auto options =
        parseOptions(args, {"sex", "pattern", "calendar", "year", "month", "day", "hour", "minute"});
    if (!options) return usage(io, synopsis, options.error());
    if (const QString fault = birthOptionsFault(*options); !fault.isEmpty()) return usage(io, synopsis, fault);
    const BirthInfo b = birthFromOptions(*options);
    if (!isSex(b.sex.trimmed()))
        return usage(io, synopsis, QStringLiteral("--sex must be 男 or 女"));
    const auto pattern = NicknamePatternOf(options->value("pattern", QStringLiteral("宝宝型")));
    if (!pattern) return usage(io, synopsis, QStringLiteral("--pattern must be 宝宝型, 小宝型, 阿宝型, 宝儿型 or 宝娃型"));
    if (b.calendarKind != QStringLiteral("公历") && b.calendarKind != QStringLiteral("农历"))
        return usage(io, synopsis, QStringLiteral("--calendar must be 公历 or 农历"));

    const auto nicknames = NicknamesForBirth(b, *pattern);
    if (!nicknames) {
        io.err << nicknames.error() << '\n';
        return kExitUsage;
    }
    for (const Nickname& n : *nicknames) io.out << n.line() << '\n';
    return kExitOk;
}
