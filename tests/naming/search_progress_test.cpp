#include "naming/search_progress.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

TEST(SearchProgress, CountsCarryTheGroupSeparatorAndSayWhetherTheSearchRuns)
{
    const struct { qsizetype count; SearchProgress progress; const char* want; } cases[] = {
        {12345, SearchProgress::Running, "正在起名… 已找到 12,345 个名字"},
        {0, SearchProgress::Running, "正在起名… 已找到 0 个名字"},
        {999, SearchProgress::Ended, "已找到 999 个名字"},
        {1000, SearchProgress::Ended, "已找到 1,000 个名字"},
        {1234567, SearchProgress::Stopped, "已停止，已找到 1,234,567 个名字"},
    };
    for (const auto& c : cases) EXPECT_EQ(foundNamesText(c.count, c.progress), QString::fromUtf8(c.want)) << c.want;
    EXPECT_EQ(copiedNamesText(12345), QString::fromUtf8("已复制 12,345 个名字"));
    EXPECT_EQ(copiedNamesText(0), QString::fromUtf8("没有可复制的名字"));
}
