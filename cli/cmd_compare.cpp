// compare: the shortlist comparison of the compare window, as tab-separated lines, and optionally
// the same table as the PDF the window exports.
#include "cli/cmd_compare.h"

#include "calendar/missing_elements.h"
#include "cli/options.h"
#include "data/db_error.h"
#include "naming/comparison_document.h"
#include "naming/name_comparison.h"

#include <QRegularExpression>

namespace {

const char* const kCompareUsage =
    "compare --surname S --given G1,G2,… [--sex 男|女] [--calendar 公历|农历] [--year Y] [--month M] [--day D] "
    "[--hour \"午 12\"] [--minute 0] [--pdf FILE]";

const QStringList kBirthKeys = {"sex", "calendar", "year", "month", "day", "hour", "minute"};

bool isHanText(const QString& text)
{
    if (text.isEmpty()) return false;
    for (uint c : text.toUcs4())
        if (QChar::script(char32_t(c)) != QChar::Script_Han) return false;
    return true;
}

// The given names of --given, split at ASCII or full-width commas; the fault when one is no name.
Expected<std::vector<ShortlistName>, QString> namesOf(const QString& surname, const QString& givenList)
{
    std::vector<ShortlistName> names;
    for (const QString& part : givenList.split(QRegularExpression(QStringLiteral("[,，]")))) {
        const QString given = part.trimmed();
        if (!isHanText(given)) return unexpected(QStringLiteral("--given: '%1' is no given name of Chinese characters").arg(given));
        for (const ShortlistName& n : names)
            if (n.givenName == given) return unexpected(QStringLiteral("--given: %1 is given twice").arg(given));
        names.push_back({surname, given, {}, {}});
    }
    return names;
}

}  // namespace

int runCompare(const QStringList& args, CliStreams io)
{
    const auto options = parseOptions(args, QStringList{"surname", "given", "pdf"} + kBirthKeys);
    if (!options) return usage(io, kCompareUsage, options.error());
    const QString surname = options->value("surname").trimmed();
    if (!isHanText(surname)) return usage(io, kCompareUsage, QStringLiteral("--surname is missing or no Chinese surname"));
    if (!options->contains("given")) return usage(io, kCompareUsage, QStringLiteral("--given is missing"));
    const auto names = namesOf(surname, options->value("given"));
    if (!names) return usage(io, kCompareUsage, names.error());
    if (options->contains("pdf") && options->value("pdf").trimmed().isEmpty())
        return usage(io, kCompareUsage, QStringLiteral("--pdf needs a file name"));

    // Without any birth option there is no chart, and the 补缺 column stays empty.
    std::optional<BirthInfo> birth;
    std::optional<QString> missing;
    for (const QString& key : kBirthKeys)
        if (options->contains(key)) birth = birthFromOptions(*options);
    if (birth) {
        if (const QString fault = birthOptionsFault(*options); !fault.isEmpty()) return usage(io, kCompareUsage, fault);
        const auto lacking = ComputeMissingElements(*birth);
        if (!lacking) return usage(io, kCompareUsage, lacking.error());
        missing = *lacking;
    }

    try {
        const auto sex = options->contains("sex") ? childSexOf(options->value("sex")) : std::nullopt;
        const ComparisonTable table = compareNames(*names, missing, sex);
        for (const QString& line : comparisonLines(table, u'\t')) io.out << line << '\n';
        if (options->contains("pdf")) {
            const auto written = writeComparisonPdf(options->value("pdf").trimmed(), {table, birth});
            if (!written) {
                io.err << written.error() << '\n';
                return kExitFailure;
            }
        }
    } catch (const ActionAbandoned&) {
        io.err << "KelFile.dll could not be read\n";
        return kExitFailure;
    } catch (const DbError& e) {
        io.err << e.message() << '\n';
        return kExitFailure;
    }
    return kExitOk;
}
