#include "app/frm_name_main.h"
#include "tests/app/notice_recorder.h"
#include "data/text_file.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace {

struct NameWindowFixture : ::testing::Test {
    FixtureDbs dbs;
    NoticeRecorder recorder;
    QStringList& notices = recorder.notices;

    NameWindowFixture()
    {
        dbs.exec(Db::Velmora, "insert into word (zi, ft, bh, pinyin, wuhang) values ('张', '張', 11, 'zhāng', '火'),"
                              " ('三', '三', 3, 'sān', '金');");
        dbs.exec(Db::KelFile, R"(insert into "81" values (12, '读12。', '（凶）', '示12', ''), (14, '读14。', '（凶）', '示14', ''),
                                 (4, '读4。', '（凶）', '示4', ''), (2, '读2。', '（凶）', '示2', '');)");
    }
};

}  // namespace

TEST_F(NameWindowFixture, OpenedWithANameItShowsTheReportAtOnce)
{
    TFrmNameMain window;
    window.fill("张", "女", "1990", "三", 0, "05", "午 12", "15", "6");
    window.show();
    const QStringList lines = window.RzMemo1->toPlainText().split('\n');
    ASSERT_GT(lines.size(), 30);
    EXPECT_EQ(lines[4], "张三,您今年:" + QString::number(QDate::currentDate().year() - 1990) + "岁");
    EXPECT_EQ(lines[5], "您出生公历: 1990年06月15日12点05分");
    EXPECT_EQ(window.Sex->currentText(), "女");
    EXPECT_EQ(window.windowTitle(), "姓名分析");
    EXPECT_TRUE(notices.isEmpty());
}

TEST_F(NameWindowFixture, EachDatePartIsFollowedByItsUnit)
{
    TFrmNameMain window;
    window.show();
    const struct { QComboBox* box; const char* unit; } parts[] = {
        {window.SYear, "年"}, {window.SMonth, "月"}, {window.Sday, "日"}, {window.Shour, "时"}, {window.RzComboBox8, "分"}};
    for (const auto& p : parts) {
        QLabel* unit = nullptr;
        for (QLabel* l : window.findChildren<QLabel*>())
            if (l->text() == QString::fromUtf8(p.unit)) unit = l;
        ASSERT_NE(unit, nullptr) << p.unit;
        EXPECT_EQ(unit->y() / 10, p.box->y() / 10) << p.unit << ": on the box's row";
        EXPECT_GT(unit->x(), p.box->geometry().right()) << p.unit << ": after the box";
        EXPECT_LT(unit->x() - p.box->geometry().right(), 12) << p.unit << ": right after it";
    }
}

TEST_F(NameWindowFixture, AMissingNameIsToldAndThePaneKeepsItsReport)
{
    TFrmNameMain window;
    window.show();  // empty boxes: nothing is analysed on showing
    EXPECT_TRUE(window.RzMemo1->toPlainText().isEmpty());
    window.NameA->setText("张");
    window.NameB->setText("三");
    QTest::mouseClick(window.RzButton1, Qt::LeftButton);
    const QString report = window.RzMemo1->toPlainText();
    window.NameB->clear();
    QTest::mouseClick(window.RzButton1, Qt::LeftButton);
    EXPECT_EQ(notices, QStringList{"提示:名不能为空!"});
    EXPECT_EQ(window.RzMemo1->toPlainText(), report);

    window.NameB->setText("三");
    window.Sday->setEditText("30");
    window.SMonth->setEditText("2");
    QTest::mouseClick(window.RzButton1, Qt::LeftButton);
    EXPECT_EQ(notices.last(), "错误:'1980-2-30' 不是有效的日期");
    EXPECT_EQ(window.RzMemo1->toPlainText(), report);
}

TEST_F(NameWindowFixture, SavingWritesTheLinesWithCrLfUnderTheStoredName)
{
    QTemporaryDir dir;
    TFrmNameMain window;
    QString proposed;
    window.askSavePath = [&](QWidget*, const QString& name) {
        proposed = name;
        return QDir(dir.path()).filePath(name);
    };
    QTest::mouseClick(window.BitBtnsave, Qt::LeftButton);  // an empty pane saves nothing
    EXPECT_TRUE(proposed.isEmpty());

    window.fill("张", "男", "1980", "三", 0, "0", "子 0", "1", "1");
    window.show();
    window.NameA->setText("李");  // saving uses the analysed name, not the boxes
    QTest::mouseClick(window.BitBtnsave, Qt::LeftButton);
    EXPECT_EQ(proposed, "张三");
    QFile file(QDir(dir.path()).filePath("张三.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = decodeGb18030(file.readAll());
    EXPECT_EQ(text, window.RzMemo1->toPlainText().split('\n').join("\r\n") + "\r\n");
    EXPECT_TRUE(text.contains("\r\n农历:己未(羊年)十一月十四\r\n")) << text.toStdString();
}

TEST_F(NameWindowFixture, AFailedSaveIsTold)
{
    TFrmNameMain window;
    window.askSavePath = [](QWidget*, const QString&) { return QStringLiteral("/no/such/folder/x"); };
    window.fill("张", "男", "1980", "三", 0, "0", "子 0", "1", "1");
    window.show();
    QTest::mouseClick(window.BitBtnsave, Qt::LeftButton);
    ASSERT_EQ(notices.size(), 1);
    EXPECT_TRUE(notices[0].startsWith("提示:保存失败")) << notices[0].toStdString();
}
