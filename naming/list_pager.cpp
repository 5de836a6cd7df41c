#include "list_pager.h"

#include <algorithm>

ListPager::ListPager(int totalRows)
    : total_(std::max(totalRows, 0)),
      retries_(total_ > 50000 ? 2 : total_ > 10000 ? 3 : 5),
      wasShown_(size_t(total_) + 1, false)
{
}

std::vector<int> ListPager::nextPage(int pageSize, QRandomGenerator& random)
{
    std::vector<int> rows;
    const int n = std::min(pageSize, total_);
    rows.reserve(size_t(n));
    for (int r = 1; r <= n; ++r) {
        int row = r;
        // "Fewer than a page" is strict: a result of exactly one page is drawn at random too.
        if (n >= pageSize) {
            row = random.bounded(1, total_ + 1);
            for (int retry = 0; retry < retries_ && wasShown_[size_t(row)]; ++retry) row = random.bounded(1, total_ + 1);
        }
        rows.push_back(row);
        wasShown_[size_t(row)] = true;
        if (++shown_ == total_) break;
    }
    return rows;
}
