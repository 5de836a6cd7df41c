// What the naming pages share while they run: the stop flag of the classic search (read by its worker
// thread, hence atomic; set only by the naming page's search), the cells waiting to fill one row of
// the result pane, the elements the last chart lacks, which elements the modes match (the same choice
// for all of them), the page size of the list-mode grid, and the shortlist both pages show.
#pragma once

#include "naming/element_source.h"
#include "naming/shortlist.h"

#include <QString>
#include <QStringList>
#include <atomic>

struct NamingState {
    static constexpr int kListPageSize = 500;

    std::atomic_bool searching{false};  // a running classic search goes on while this is true
    QStringList rowBuffer;              // up to six result cells of the row being built
    int rowBufferCount = 0;
    QString missingElements;
    ElementChoice elementChoice;  // lacking (default), favourable or ticked elements
    int ListPageSize = kListPageSize;
    Shortlist shortlist;
};
