// The printable form of a comparison: the child's birth details, the table, and for each name the
// lines of its report that a family reads first (score, the five grids with their readings, 三才).
// The same document goes to a PDF file and to a printer.
#pragma once

#include "data/birth_info.h"
#include "data/expected.h"
#include "naming/name_comparison.h"

#include <QString>
#include <QStringList>
#include <optional>

class QPagedPaintDevice;

struct ComparisonDocumentInput {
    ComparisonTable table;
    std::optional<BirthInfo> birth;  // nothing when no birth moment was given
};

// 出生：公历2024年05月01日12点0分（农历甲辰(龙年)三月廿三），男; 八字五行：缺木水. Empty without a birth.
QStringList birthDetailLines(const std::optional<BirthInfo>& birth, const ComparisonTable& table);

// The report lines of one name printed under the table. Throws as the name reports do when a
// knowledge file cannot be read.
QStringList nameSummaryLines(const ComparisonRow& row);

// The document as HTML, for QTextDocument.
QString comparisonHtml(const ComparisonDocumentInput& in);

// Lays the document out on device's pages (a QPdfWriter or a QPrinter); needs a QGuiApplication.
void paintComparison(const ComparisonDocumentInput& in, QPagedPaintDevice& device);

// Writes an A4 landscape PDF; the error text is ready to show.
Expected<Done, QString> writeComparisonPdf(const QString& path, const ComparisonDocumentInput& in);
