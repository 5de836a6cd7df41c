#include "app/frm_name_main.h"
#include "app/naming/compare_window.h"
#include "tests/app/notice_recorder.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const std::vector<ShortlistName> kNames = {
    {"王", "明华", "", ""}, {"王", "梓轩", "", ""}, {"王", "子涵", "", ""}, {"王", "关雎", "关关雎鸠，在河之洲。", ""}};

BirthInfo childBirth()
{
    BirthInfo b;
    b.sex = "女";
    b.year = "2024";
    b.month = "5";
    b.day = "1";
    b.hour = "午 12";
    return b;
}

// The names in the order the view shows them.
QStringList shownNames(QTableView* view)
{
    QStringList names;
    for (int r = 0; r < view->model()->rowCount(); ++r) names << view->model()->index(r, 0).data().toString();
    return names;
}

void clickHeader(QTableView* view, ComparisonColumn column)
{
    QHeaderView* header = view->horizontalHeader();
    const int x = header->sectionViewportPosition(int(column)) + header->sectionSize(int(column)) / 2;
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

// Each window test opens the window as the page does and closes it as a user would.
struct CompareWindowTest : ::testing::Test {
    BuiltDbs dbs;
    NoticeRecorder notices;
    QPointer<CompareWindow> window;

    void open(const std::optional<BirthInfo>& birth = childBirth())
    {
        window = openCompareWindow(nullptr, kNames, birth);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
        EXPECT_EQ(QApplication::activeModalWidget(), window.data());
    }
    void expectClosed()
    {
        QTRY_VERIFY(window.isNull());  // deleted on close: nothing else owns it
    }
};

}  // namespace

TEST_F(CompareWindowTest, HeadersSortScoresAndGridsAsNumbersAndTheButtonCloses)
{
    open();
    EXPECT_EQ(window->windowTitle(), "比较已选");
    EXPECT_EQ(shownNames(window->table), (QStringList{"王明华", "王梓轩", "王子涵", "王关雎"})) << "shortlist order first";
    EXPECT_TRUE(window->birthLabel->text().contains("公历2024年05月01日12点0分")) << window->birthLabel->text().toStdString();

    const auto& rows = window->comparison().table.rows;
    for (ComparisonColumn column : {ComparisonColumn::Score, ComparisonColumn::RenGe, ComparisonColumn::ZongGe}) {
        clickHeader(window->table, column);
        const QStringList shown = shownNames(window->table);
        ASSERT_EQ(shown.size(), 4);
        for (int r = 1; r < 4; ++r) {
            auto rowOf = [&](const QString& n) {
                return *std::find_if(rows.begin(), rows.end(), [&](const auto& x) { return x.surname + x.givenName == n; });
            };
            const QVariant before = comparisonSortKey(rowOf(shown[r - 1]), column),
                           after = comparisonSortKey(rowOf(shown[r]), column);
            EXPECT_LE(before.toDouble(), after.toDouble()) << comparisonHeader(column).toStdString() << " row " << r;
        }
    }
    QTest::mouseClick(window->closeButton, Qt::LeftButton);
    expectClosed();
}

TEST_F(CompareWindowTest, DoubleClickOpensTheAnalysisOfTheClickedRowAfterSorting)
{
    open();
    clickHeader(window->table, ComparisonColumn::Score);
    clickHeader(window->table, ComparisonColumn::Score);  // highest score first
    const QString top = shownNames(window->table).front();
    const QRect cell = window->table->visualRect(window->table->model()->index(0, 0));
    QTest::mouseClick(window->table->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(window->table->viewport(), Qt::LeftButton, {}, cell.center());
    QPointer<TFrmNameMain> analysis = qobject_cast<TFrmNameMain*>(QApplication::activeModalWidget());
    ASSERT_FALSE(analysis.isNull());
    EXPECT_EQ(analysis->NameA->text() + analysis->NameB->text(), top);
    EXPECT_EQ(analysis->SYear->currentText(), "2024");
    QTest::mouseClick(analysis->RzBitBtn4, Qt::LeftButton);  // its 退出 button
    QTRY_VERIFY(analysis.isNull());
    EXPECT_EQ(QApplication::activeModalWidget(), window.data()) << "back to the compare window";

    QTest::keyClick(window, Qt::Key_Escape);
    expectClosed();
}

TEST_F(CompareWindowTest, ExportsTheTableAsCsvAndTheComparisonAsPdf)
{
    QTemporaryDir dir;
    open();
    QStringList asked;
    window->askSavePath = [&](QWidget*, const QString& caption, const QString& proposed, const QString&) {
        asked << caption + ":" + proposed;
        return dir.filePath(caption == "导出表格" ? "比较" : "比较.pdf");
    };
    QTest::mouseClick(window->exportTableButton, Qt::LeftButton);
    QTest::mouseClick(window->exportPdfButton, Qt::LeftButton);
    EXPECT_EQ(asked, (QStringList{"导出表格:比较已选.csv", "导出PDF:比较已选.pdf"}));

    QFile csv(dir.filePath("比较.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly)) << "the suffix is added";
    EXPECT_EQ(csv.readAll(), comparisonCsv(window->comparison().table));
    QFile pdf(dir.filePath("比较.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(5), "%PDF-");

    window->askSavePath = [&](QWidget*, const QString&, const QString&, const QString&) {
        return dir.filePath("无此目录/比较.csv");
    };
    QTest::mouseClick(window->exportTableButton, Qt::LeftButton);
    EXPECT_EQ(notices.notices, QStringList{"提示:无法写入文件：" + dir.filePath("无此目录/比较.csv")});
    window->close();
    expectClosed();
}

TEST_F(CompareWindowTest, PrintingGoesThroughThePrintDialog)
{
    QTemporaryDir dir;
    const QString out = dir.filePath("printed.pdf");
    open();
    bool dialogSeen = false;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        dialogSeen = true;
        // As a user prints to a file: the printer "Print to File (PDF)", a file name, then OK.
        auto* fileName = dialog->findChild<QLineEdit*>("filename");
        auto* buttons = dialog->findChild<QDialogButtonBox*>();
        if (!fileName || !buttons) return dialog->reject();
        fileName->setText(out);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    QTest::mouseClick(window->printButton, Qt::LeftButton);
    EXPECT_TRUE(dialogSeen);
    QFile printed(out);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_EQ(printed.read(5), "%PDF-");

    QTimer::singleShot(0, [&] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) dialog->reject();
    });
    QTest::mouseClick(window->printButton, Qt::LeftButton);  // cancelled: nothing happens
    EXPECT_EQ(QApplication::activeModalWidget(), window.data());
    window->close();
    expectClosed();
}
