// What the naming pages share while they run: the stop flag of a running search (read by the worker
// thread, hence atomic), the cells waiting to fill one row of the result pane, the elements the last
// chart lacks, which elements the modes match (the same choice for all of them), and the page size
// of the list-mode grid.
#pragma once

#include "naming/element_source.h"

#include <QString>
#include <QStringList>
#include <atomic>

struct NamingState {
    static constexpr int kListPageSize = 500;

    std::atomic_bool searching{false};  // a running search goes on while this is true
    QStringList rowBuffer;              // up to six result cells of the row being built
    int rowBufferCount = 0;
    QString missingElements;
    ElementChoice elementChoice;  // lacking (default), favourable or ticked elements
    int ListPageSize = kListPageSize;
};
