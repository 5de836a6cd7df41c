// number, qq, mobile, love, gbstrokes, initials, netname and wuxing: the folk tools of the tools page.
#include "cli/cmd_tools.h"

#include "data/failure.h"
#include "data/query.h"
#include "tools/five_element_query.h"
#include "tools/name_compatibility.h"
#include "tools/net_name.h"
#include "tools/number_reading.h"
#include "tools/pinyin_initials.h"

namespace {

constexpr int kMaxSpelling = 255;

int refuse(CliStreams io, const QString& message)
{
    io.err << message << '\n';
    return kExitUsage;
}

int printFortune(const Expected<NumberFortune, QString>& fortune, CliStreams io)
{
    if (!fortune) return refuse(io, fortune.error());
    io.out << fortune->state << '\n' << fortune->luck << '\n' << fortune->detail << '\n';
    return kExitOk;
}

int numberCommand(const QStringList& args, CliStreams io, bool qq)
{
    if (args.size() != 1) return refuse(io, qq ? "usage: jiaming-cli qq N" : "usage: jiaming-cli number N");
    return printFortune(numberFortune(args.front(), qq), io);
}

}  // namespace

int runNumber(const QStringList& args, CliStreams io)
{
    return numberCommand(args, io, false);
}

int runQq(const QStringList& args, CliStreams io)
{
    return numberCommand(args, io, true);
}

int runMobile(const QStringList& args, CliStreams io)
{
    if (args.size() != 1) return refuse(io, "usage: jiaming-cli mobile N");
    try {
        return printFortune(mobileFortune(args.front()), io);
    } catch (const ActionAbandoned&) {
        io.err << "dream.dll could not be read\n";
        return kExitFailure;
    }
}

int runLove(const QStringList& args, CliStreams io)
{
    if (args.size() != 2) return refuse(io, "usage: jiaming-cli love MAN WOMAN");
    const auto text = compatibilityTest(args[0], args[1]);
    if (!text) return refuse(io, text.error());
    io.out << *text << '\n';
    return kExitOk;
}

int runGbStrokes(const QStringList& args, CliStreams io)
{
    if (args.size() != 1 || args.front().isEmpty()) return refuse(io, "usage: jiaming-cli gbstrokes TEXT");
    for (char32_t cp : args.front().toUcs4()) {
        const QString ch = QString::fromUcs4(&cp, 1);
        io.out << ch << '\t' << simplifiedStrokes(ch) << '\n';
    }
    return kExitOk;
}

int runInitials(const QStringList& args, CliStreams io)
{
    InitialsOptions options;
    QStringList texts;
    for (const QString& a : args) {
        if (a == "--full") options.fullSyllables = true;
        else if (a == "--unknown") options.markUnknown = true;
        else texts << a;
    }
    if (texts.size() != 1 || texts.front().isEmpty())
        return refuse(io, "usage: jiaming-cli initials TEXT [--full] [--unknown]");
    io.out << PinyinInitials(texts.front(), options, kMaxSpelling) << '\n';
    return kExitOk;
}

int runNetName(const QStringList& args, CliStreams io)
{
    if (args.size() != 1) return refuse(io, "usage: jiaming-cli netname NAME");
    const auto lines = netNameTest(args.front());
    if (!lines) return refuse(io, lines.error());
    io.out << NetNamePersonality(args.front().trimmed()).trimmed() << '\n';
    return kExitOk;
}

int runWuxing(const QStringList& args, CliStreams io)
{
    if (args.size() != 1 || args.front().trimmed().isEmpty()) return refuse(io, "usage: jiaming-cli wuxing TEXT");
    try {
        Query velmora(Db::Velmora);
        io.out << textElements(velmora, args.front()) << '\n';
        return kExitOk;
    } catch (const DbError& e) {
        io.err << e.message() << '\n';
        return kExitFailure;
    }
}
