#include "compare_window.h"

#include "app/frm_name_main.h"
#include "app/naming/comparison_model.h"
#include "app/notice.h"
#include "app/window_opening.h"
#include "calendar/missing_elements.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QTableView>

namespace {

const QString kCaption = QStringLiteral("比较已选");

}  // namespace

CompareWindow::CompareWindow(QWidget* parent)
    : QDialog(parent), model_(new ComparisonModel(this)), sorted_(new QSortFilterProxyModel(this))
{
    setWindowTitle(kCaption);
    resize(1000, 420);
    auto* column = new QVBoxLayout(this);

    birthLabel = new QLabel(this);
    birthLabel->setObjectName(QStringLiteral("birthLabel"));
    column->addWidget(birthLabel);

    sorted_->setSourceModel(model_);
    sorted_->setSortRole(ComparisonModel::kSortRole);
    table = new QTableView(this);
    table->setObjectName(QStringLiteral("comparisonTable"));
    table->setModel(sorted_);
    table->setSortingEnabled(true);
    table->sortByColumn(-1, Qt::AscendingOrder);  // shortlist order until a header is clicked
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    connect(table, &QTableView::doubleClicked, this, &CompareWindow::openAnalysisOfRow);
    column->addWidget(table, 1);

    auto* buttons = new QHBoxLayout;
    column->addLayout(buttons);
    buttons->addStretch(1);
    auto add = [&](const char* name, const QString& caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        buttons->addWidget(button);
        return button;
    };
    exportTableButton = add("exportTableButton", QStringLiteral("导出表格"));
    exportPdfButton = add("exportPdfButton", QStringLiteral("导出PDF"));
    printButton = add("printButton", QStringLiteral("打印"));
    closeButton = add("closeButton", QStringLiteral("关闭"));
    connect(exportTableButton, &QPushButton::clicked, this, &CompareWindow::exportTable);
    connect(exportPdfButton, &QPushButton::clicked, this, &CompareWindow::exportPdf);
    connect(printButton, &QPushButton::clicked, this, &CompareWindow::printComparison);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);
}

void CompareWindow::setComparison(const std::vector<ShortlistName>& names, const std::optional<BirthInfo>& birth)
{
    std::optional<QString> missing;
    if (birth)
        if (const auto lacking = ComputeMissingElements(*birth)) missing = *lacking;
    document_.birth = birth;
    const auto sex = birth ? childSexOf(birth->sex) : std::nullopt;
    runAction(this, [&] { document_.table = compareNames(names, missing, sex); });
    model_->setTable(document_.table);
    table->resizeColumnsToContents();
    birthLabel->setText(birthDetailLines(birth, document_.table).join(QStringLiteral("　")));
}

void CompareWindow::exportTable()
{
    QString path = askSavePath(this, QStringLiteral("导出表格"), kCaption + QStringLiteral(".csv"),
                               QStringLiteral("CSV 表格 (*.csv)"));
    if (path.isEmpty()) return;
    path = withSuffix(path, QStringLiteral(".csv"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(comparisonCsv(document_.table)) < 0 || !file.commit())
        showNotice(this, QStringLiteral("无法写入文件：") + path);
}

void CompareWindow::exportPdf()
{
    QString path = askSavePath(this, QStringLiteral("导出PDF"), kCaption + QStringLiteral(".pdf"),
                               QStringLiteral("PDF 文件 (*.pdf)"));
    if (path.isEmpty()) return;
    path = withSuffix(path, QStringLiteral(".pdf"));
    runAction(this, [&] {
        if (const auto written = writeComparisonPdf(path, document_); !written) showNotice(this, written.error());
    });
}

void CompareWindow::printComparison()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(kCaption);
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("打印"));
    if (dialog.exec() != QDialog::Accepted) return;
    runAction(this, [&] { paintComparison(document_, printer); });
}

void CompareWindow::openAnalysisOfRow(const QModelIndex& index)
{
    if (!index.isValid()) return;
    const int row = sorted_->mapToSource(index).row();
    if (row < 0 || row >= int(document_.table.rows.size())) return;
    const ComparisonRow& name = document_.table.rows[size_t(row)];
    const BirthInfo birth = document_.birth.value_or(BirthInfo{});
    TFrmNameMain::ShowNameAnalysis(this, name.surname, birth.sex.trimmed(), birth.year, name.givenName,
                                   birth.isLunar() ? 1 : 0, birth.minute, birth.hour, birth.day, birth.month);
}

CompareWindow* openCompareWindow(QWidget* launcher, const std::vector<ShortlistName>& names,
                                 const std::optional<BirthInfo>& birth)
{
    return openOwnedWindow<CompareWindow>(launcher, Qt::ApplicationModal,
                                          [&](CompareWindow& window) { window.setComparison(names, birth); });
}
