// The short status line a naming page shows under its search: whether the search is running and how
// many names it has found so far, and how many names a copy put on the clipboard. Counts carry the
// group separator ("12,345"), so that a long search stays readable at a glance.
#pragma once

#include <QString>

enum class SearchProgress { Running, Ended, Stopped };

// "正在起名… 已找到 12,345 个名字", "已找到 12,345 个名字", "已停止，已找到 12,345 个名字"
QString foundNamesText(qsizetype count, SearchProgress progress);
// "已复制 12 个名字"; "没有可复制的名字" for none
QString copiedNamesText(qsizetype count);
