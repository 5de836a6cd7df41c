// Which result rows each page of the list-mode grid shows. A result smaller than a page is shown
// once, whole and in order; a larger one gives pages of rows drawn at random, each draw repeated up
// to k times while it hits a row already shown, until as many rows have been placed as the result
// has (so a large result shows some rows twice and leaves others out).
#pragma once

#include <QRandomGenerator>
#include <vector>

class ListPager {
public:
    explicit ListPager(int totalRows = 0);

    int totalRows() const { return total_; }
    // k: 2 above 50,000 rows, 3 above 10,000, else 5; larger results spend less on avoiding repeats.
    int retryLimit() const { return retries_; }
    int shownCount() const { return shown_; }
    // Whether "继续显示" can draw another page.
    bool moreToShow() const { return shown_ < total_; }

    // The result rows (numbered from 1) of the next page, in page order, and the count of shown
    // rows moved on. Stops early when the shown count reaches the total.
    std::vector<int> nextPage(int pageSize, QRandomGenerator& random);

private:
    int total_;
    int retries_;
    int shown_ = 0;
    std::vector<bool> wasShown_;  // by row number
};
