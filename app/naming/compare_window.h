// The window "比较已选": the shortlisted names side by side in a table sortable by any column, with
// the child's birth details above it. Double-clicking a row opens the name analysis window for that
// name; the buttons export the table as CSV, the printable comparison as PDF, or print it.
#pragma once

#include "app/file_path_asker.h"
#include "data/birth_info.h"
#include "naming/comparison_document.h"
#include "naming/shortlist.h"

#include <QDialog>
#include <optional>
#include <vector>

class ComparisonModel;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

class CompareWindow : public QDialog {
    Q_OBJECT
public:
    explicit CompareWindow(QWidget* parent = nullptr);

    // Builds the table; the chart's lacking elements come from birth (none when it cannot be cast).
    void setComparison(const std::vector<ShortlistName>& names, const std::optional<BirthInfo>& birth);
    const ComparisonDocumentInput& comparison() const { return document_; }

    FilePathAsker askSavePath = defaultSaveFileAsker();

    QLabel* birthLabel;
    QTableView* table;
    QPushButton *exportTableButton, *exportPdfButton, *printButton, *closeButton;

public slots:
    void exportTable();        // 导出表格
    void exportPdf();          // 导出PDF
    void printComparison();    // 打印
    void openAnalysisOfRow(const QModelIndex& index);

private:

    ComparisonModel* model_;
    QSortFilterProxyModel* sorted_;
    ComparisonDocumentInput document_;
};

// Opens a new compare window over the launcher's window, application-modal and deleted when closed,
// as every window opens; returns it shown.
CompareWindow* openCompareWindow(QWidget* launcher, const std::vector<ShortlistName>& names,
                                 const std::optional<BirthInfo>& birth);
