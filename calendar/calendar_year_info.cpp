#include "calendar_year_info.h"

#include <cstdlib>

// Five years a line. Two entries are mended where they disagreed with the astronomical calendar:
// 1989 has a 30-day sixth and a 29-day seventh month (mask A4DD → A55D), so 1 August is 六月三十;
// 2013 has a 29-day fourth and a 30-day fifth month (mask AD55 → AB55), so 8 June is 五月初一.
const std::array<std::uint32_t, kCalendarYearCount> CalendarYearInfo = {
    0x0B52BA00, 0x16A95D00, 0x83A93705, 0x0E749B00, 0x1AB65500,  // 1901
    0x87B55504, 0x1155AA00, 0x1CA6B500, 0x8AA57502, 0x1452BA00,  // 1906
    0x81526E06, 0x0DE93700, 0x18749700, 0x86EA9605, 0x106D5500,  // 1911
    0x1A35AA00, 0x884B6A02, 0x13A56D00, 0x1ED26E07, 0x0BD25E00,  // 1916
    0x17E92E00, 0x84D92D05, 0x0FDA9500, 0x195B5200, 0x8756D404,  // 1921
    0x114ADA00, 0x1CA55D00, 0x89A4BD02, 0x15D25D00, 0x82B25B06,  // 1926
    0x0DB52B00, 0x18BA9500, 0x86B6A505, 0x1056B400, 0x1A4ADA00,  // 1931
    0x8749BA03, 0x13A4BB00, 0x1EB25B07, 0x0B725700, 0x16752B00,  // 1936
    0x846D2A06, 0x0FAD5500, 0x1955AA00, 0x86556C04, 0x12C97600,  // 1941
    0x1C64B700, 0x8AE4AE02, 0x15EA5600, 0x83DA5507, 0x0D5B2A00,  // 1946
    0x18AD5500, 0x85AAD505, 0x10536A00, 0x1BA96D00, 0x88A95D03,  // 1951
    0x13D4AE00, 0x81D4AB08, 0x0CBA5500, 0x165AAA00, 0x8356AA06,  // 1956
    0x0FAAD500, 0x1952DA00, 0x8652BA04, 0x11A95D00, 0x1DD49B00,  // 1961
    0x8A749B03, 0x15B65500, 0x82AD5507, 0x0D55AA00, 0x18A5B500,  // 1966
    0x85A57505, 0x0F52B600, 0x1B693700, 0x89E93704, 0x13749700,  // 1971
    0x81EA9608, 0x0C6D5200, 0x162DAA00, 0x834B6A06, 0x0EA56D00,  // 1976
    0x1AD26E00, 0x87D25E04, 0x12E92E00, 0x1DEC960A, 0x0BDA9500,  // 1981
    0x155B5200, 0x8256D206, 0x0C2ADA00, 0x18A55D00, 0x85A4BD05,  // 1986
    0x10D25D00, 0x1BD92D00, 0x89B52B03, 0x14BA9500, 0x81B59508,  // 1991
    0x0B56B200, 0x162ADA00, 0x8349B605, 0x0E64BB00, 0x19B25B00,  // 1996
    0x876A5704, 0x12752B00, 0x1DB69500, 0x8AAD5502, 0x1555AA00,  // 2001
    0x82556C07, 0x0DC97600, 0x1764B700, 0x86E4AE05, 0x11EA5600,  // 2006
    0x1B6D2A00, 0x885AAA04, 0x14AB5500, 0x81AAD509, 0x0B52EA00,  // 2011
    0x16A96D00, 0x84A95D06, 0x0FD4AE00, 0x1AEA4D00, 0x87BA5504,  // 2016
    0x125AAA00, 0x1DAB5500, 0x8AA6D502, 0x1452DA00, 0x8252BA06,  // 2021
    0x0DA93B00, 0x18B49B00, 0x85749B05, 0x11B54D00, 0x1CD6A900,  // 2026
    0x8835AA03, 0x13A5B500, 0x81A5750B, 0x0B52B600, 0x16693700,  // 2031
    0x84E92F06, 0x10F49700, 0x1A754B00, 0x876D5205, 0x112D6900,  // 2036
    0x1D95B500, 0x8AA56D02, 0x15D26E00, 0x82D25E07, 0x0EE92E00,  // 2041
    0x19EA9600, 0x86DA9505, 0x105B4A00, 0x1CAB6900, 0x882AD803,  // 2046
};

namespace {

// The months of one entry's sequence: their lengths and numbers, a leap month's number negated.
struct MonthSequence {
    static constexpr int kMonths = 16;
    std::array<int, kMonths> length{};
    std::array<int, kMonths> number{};
};

MonthSequence monthSequence(std::uint32_t entry)
{
    const int first = (entry & 0x80000000u) ? 12 : 11;
    const int mask = int((entry >> 8) & 0xFFFF);
    const int leapAfter = int(entry & 0xFF);
    MonthSequence s;
    for (int k = 0; k < MonthSequence::kMonths; ++k) {
        s.length[k] = (mask & (1 << (15 - k))) ? 30 : 29;
        if (k == 0) {
            s.number[k] = first;
        } else if (s.number[k - 1] == leapAfter) {
            s.number[k] = -leapAfter;
        } else {
            const int previous = std::abs(s.number[k - 1]);
            s.number[k] = previous == 12 ? 1 : previous + 1;
        }
    }
    return s;
}

int codeOf(int number, int day) { return number > 0 ? number * 100 + day : number * 100 - day; }

}  // namespace

int CalendarLunarCode(const QDate& date)
{
    if (!date.isValid() || date.year() < kCalendarFirstYear || date.year() > kCalendarLastYear) return 0;
    const std::uint32_t entry = CalendarYearInfo[date.year() - kCalendarFirstYear];
    const MonthSequence s = monthSequence(entry);
    const int firstDay = int((entry >> 24) & 0x7F);
    const int e = date.dayOfYear() - 1;
    int f = s.length[0] - firstDay;
    if (e <= f) {
        // The month in progress on 1 January may be the second half of last year's leap month.
        int number = s.number[0];
        if (date.year() > kCalendarFirstYear && CalendarLunarCode(QDate(date.year() - 1, 12, 31)) < 0) number = -number;
        return codeOf(number, firstDay + e);
    }
    int k = 1;
    while (e > f + s.length[k]) {
        f += s.length[k];
        ++k;
    }
    return codeOf(s.number[k], e - f);
}
