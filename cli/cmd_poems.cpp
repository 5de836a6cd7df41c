// poems, poem-list, poem and poem-names: the poem browser and the poem naming page, headless.
#include "cli/cmd_poems.h"

#include "cli/cmd_quality.h"
#include "cli/options.h"
#include "data/db_error.h"
#include "naming/poem_library.h"
#include "naming/poem_naming.h"

#include <QFile>
#include <optional>

namespace {

int unreadable(CliStreams io, const DbError& e)
{
    io.err << "a knowledge file cannot be read: " << e.message() << '\n';
    return kExitFailure;
}

// Takes the value-less switch `--name` out of args; true when it was there.
bool takeSwitch(QStringList& args, const QString& name)
{
    return args.removeAll(QStringLiteral("--") + name) > 0;
}

}  // namespace

int runPoems(const QStringList& args, CliStreams io)
{
    const auto options = parseOptions(args, {"search"});
    if (!options) return usage(io, "poems [--search TEXT]", options.error());
    try {
        for (const PoemDynasty& dynasty : BuildPoemTree(options->value("search").trimmed()))
            for (const PoemAuthor& author : dynasty.authors)
                io.out << dynasty.name << '\t' << author.name << '\t' << author.number << '\n';
    } catch (const DbError& e) {
        return unreadable(io, e);
    }
    return kExitOk;
}

int runPoemList(const QStringList& args, CliStreams io)
{
    const char* synopsis = "poem-list --author N [--search TEXT]";
    const auto options = parseOptions(args, {"author", "search"});
    if (!options) return usage(io, synopsis, options.error());
    const auto author = integer(options->value("author"));
    if (!author) return usage(io, synopsis, QStringLiteral("--author must be an integer"));
    try {
        const QString search = options->value("search").trimmed();
        const QList<PoemEntry> poems = AuthorPoems(*author, search);
        // Every author of the tree has poems; none at all means there is no such author.
        if (poems.isEmpty() && search.isEmpty()) return usage(io, synopsis, QStringLiteral("no author %1").arg(*author));
        for (const PoemEntry& poem : poems) io.out << poem.number << '\t' << poem.title << '\n';
    } catch (const DbError& e) {
        return unreadable(io, e);
    }
    return kExitOk;
}

int runPoem(const QStringList& args, CliStreams io)
{
    const char* synopsis = "poem --id N";
    const auto options = parseOptions(args, {"id"});
    if (!options) return usage(io, synopsis, options.error());
    const auto id = integer(options->value("id"));
    if (!id) return usage(io, synopsis, QStringLiteral("--id must be an integer"));
    try {
        const QString text = PoemText(*id);
        if (text.isEmpty()) {
            io.err << "no poem " << *id << '\n';
            return kExitUsage;
        }
        io.out << text << '\n';
    } catch (const DbError& e) {
        return unreadable(io, e);
    }
    return kExitOk;
}

int runPoemNames(const QStringList& arguments, CliStreams io)
{
    const char* synopsis = "poem-names --surname S --sex 男|女 [--length 双字名|单字名] (--text TEXT | --text-file F) "
                           "[--bazi --calendar 公历|农历 --year Y --month M --day D --hour H --minute MI] [--source | --recommend N]";
    QStringList args = arguments;
    const bool bazi = takeSwitch(args, QStringLiteral("bazi"));
    const bool withSource = takeSwitch(args, QStringLiteral("source"));
    const auto options = parseOptions(args, {"surname", "sex", "length", "text", "text-file", "calendar", "year",
                                             "month", "day", "hour", "minute", "recommend"});
    if (!options) return usage(io, synopsis, options.error());
    std::optional<int> recommend;
    if (options->contains("recommend")) {
        if (withSource) return usage(io, synopsis, QStringLiteral("--source and --recommend exclude each other"));
        const auto n = recommendCountOf(options->value("recommend"));
        if (!n) return usage(io, synopsis, n.error());
        recommend = *n;
    }
    if (const QString fault = birthOptionsFault(*options); !fault.isEmpty()) return usage(io, synopsis, fault);

    PoemNamingInput in;
    in.surnameBox = options->value("surname");
    BirthInfo& b = in.birth;
    b.sex = options->value("sex");
    if (b.sex != QStringLiteral("男") && b.sex != QStringLiteral("女"))
        return usage(io, synopsis, QStringLiteral("--sex must be 男 or 女"));
    const QString length = options->value("length", QStringLiteral("双字名"));
    if (length != QStringLiteral("双字名") && length != QStringLiteral("单字名"))
        return usage(io, synopsis, QStringLiteral("--length must be 双字名 or 单字名"));
    in.oneCharacter = length == QStringLiteral("单字名");
    if (options->contains("text") == options->contains("text-file"))
        return usage(io, synopsis, QStringLiteral("give one of --text and --text-file"));
    if (options->contains("text-file")) {
        QFile file(options->value("text-file"));
        if (!file.open(QIODevice::ReadOnly)) return usage(io, synopsis, QStringLiteral("cannot read %1").arg(file.fileName()));
        in.text = QString::fromUtf8(file.readAll());
    } else {
        in.text = options->value("text");
    }
    in.matchChart = bazi;
    b.calendarKind = options->value("calendar", b.calendarKind);
    if (b.calendarKind != QStringLiteral("公历") && b.calendarKind != QStringLiteral("农历"))
        return usage(io, synopsis, QStringLiteral("--calendar must be 公历 or 农历"));
    b.year = options->value("year", b.year);
    b.month = options->value("month", b.month);
    b.day = options->value("day", b.day);
    b.hour = options->value("hour", b.hour);
    // A bare hour number stands for its hour item, as "12" for "午 12".
    if (const auto hour = integer(b.hour); hour && *hour >= 0 && *hour < 24) b.hour = hourItems().value(*hour);
    b.minute = options->value("minute", b.minute);

    const PoemNamingOutcome outcome = RunPoemNaming(in);
    switch (outcome.end) {
    case PoemNamingEnd::Refused:
        io.err << outcome.message << '\n';
        return kExitUsage;
    case PoemNamingEnd::Abandoned:
        io.err << "a knowledge file cannot be read; no names\n";
        return kExitFailure;
    case PoemNamingEnd::NoName:
        io.err << NoPoemNameMessage() << '\n';
        return kExitFailure;
    case PoemNamingEnd::Listed:
        break;
    }
    const PoemNames& names = outcome.names;
    if (recommend) {
        NameCandidates candidates;
        candidates.count = names.size();
        candidates.given = [&](int i) { return names.givenName(i); };
        candidates.score = [&](int i) { return names.score(i); };
        candidates.line = [&](int i) { return names.line(i); };
        return printRecommended(io, in.surnameBox.trimmed(), b.sex == QStringLiteral("男") ? ChildSex::Boy : ChildSex::Girl,
                                QString(), candidates, *recommend);
    }
    for (int i = 0; i < names.size(); ++i) {
        io.out << names.line(i);
        if (withSource) io.out << '\t' << PoemNameSource(in.text, names.givenName(i));
        io.out << '\n';
    }
    return kExitOk;
}
