#include "calendar_tables.h"

#include "calendar/beijing_time.h"
#include "calendar/ganzhi.h"
#include "calendar/nayin.h"
#include "calendar/solar_terms.h"
#include "calendar/ten_gods.h"

namespace {

constexpr int kFirstTermYear = 1900;
constexpr int kLastTermYear = 2100;

Cell cell(const QString& text) { return text.toStdString(); }

}  // namespace

std::vector<std::vector<Cell>> solarTermRows()
{
    std::vector<std::vector<Cell>> rows;
    rows.reserve((kLastTermYear - kFirstTermYear + 1) * kSolarTermCount);
    for (int year = kFirstTermYear; year <= kLastTermYear; ++year)
        for (int index = 0; index < kSolarTermCount; ++index)
            rows.push_back({std::to_string(year), cell(SolarTermName(index)),
                            cell(MomentText(AstronomicalTermMoment(year, index)))});
    return rows;
}

std::vector<std::vector<Cell>> sixtyPairRows()
{
    std::vector<std::vector<Cell>> rows;
    for (int n = 0; n < 60; ++n) rows.push_back({cell(SexagenaryText(n)), cell(NayinName(n)), cell(NayinElement(n))});
    return rows;
}

std::vector<std::vector<Cell>> tenGodRows()
{
    std::vector<std::vector<Cell>> rows;
    for (int day = 0; day < kStemCount; ++day)
        for (int stem = 0; stem < kStemCount; ++stem)
            rows.push_back({cell(StemText(day) + StemText(stem)), cell(TenGodByRule(day, stem))});
    return rows;
}
