#include "naming/list_pager.h"

#include <gtest/gtest.h>
#include <numeric>
#include <set>

namespace {

constexpr int kPage = 500;

}  // namespace

TEST(ListPager, ASmallResultIsShownOnceWholeAndInOrder)
{
    QRandomGenerator random(7);
    ListPager pager(120);
    std::vector<int> expected(120);
    std::iota(expected.begin(), expected.end(), 1);
    EXPECT_EQ(pager.nextPage(kPage, random), expected);
    EXPECT_FALSE(pager.moreToShow());
}

TEST(ListPager, ALargeResultGivesRandomPagesUntilAsManyRowsAsItHasWerePlaced)
{
    QRandomGenerator random(7);
    ListPager pager(1200);
    const auto first = pager.nextPage(kPage, random);
    EXPECT_EQ(first.size(), 500u);
    EXPECT_TRUE(pager.moreToShow());
    EXPECT_EQ(pager.nextPage(kPage, random).size(), 500u);
    EXPECT_TRUE(pager.moreToShow());
    EXPECT_EQ(pager.nextPage(kPage, random).size(), 200u);  // stops when the shown count reaches 1,200
    EXPECT_FALSE(pager.moreToShow());
    for (int row : first) EXPECT_TRUE(row >= 1 && row <= 1200) << row;
    std::vector<int> inOrder(500);
    std::iota(inOrder.begin(), inOrder.end(), 1);
    EXPECT_NE(first, inOrder);
}

TEST(ListPager, ExactlyOnePageOfRowsIsDrawnAtRandomAndThenDone)
{
    QRandomGenerator random(11);
    ListPager pager(500);
    std::vector<int> inOrder(500);
    std::iota(inOrder.begin(), inOrder.end(), 1);
    EXPECT_NE(pager.nextPage(kPage, random), inOrder);
    EXPECT_FALSE(pager.moreToShow());
}

TEST(ListPager, RetriesAgainstRepeatsShrinkAsTheResultGrows)
{
    const struct { int rows, k; } cases[] = {{0, 5}, {10000, 5}, {10001, 3}, {50000, 3}, {50001, 2}, {100000, 2}};
    for (const auto& c : cases) EXPECT_EQ(ListPager(c.rows).retryLimit(), c.k) << c.rows;
    // With retries a page of a large result rarely repeats a row; without them it would often.
    QRandomGenerator random(3);
    ListPager pager(2000);
    const auto page = pager.nextPage(kPage, random);
    const std::set<int> distinct(page.begin(), page.end());
    EXPECT_GE(distinct.size(), 495u);
}

TEST(ListPager, AnEmptyResultHasNoPage)
{
    QRandomGenerator random(1);
    ListPager pager(0);
    EXPECT_FALSE(pager.moreToShow());
    EXPECT_TRUE(pager.nextPage(kPage, random).empty());
}
