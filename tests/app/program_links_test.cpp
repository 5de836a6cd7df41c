// The program's links: the user guide installed beside the program, opened by 官方网站, and what the
// user is told when a link cannot be opened.
#include "app/frm_index.h"
#include "app/program_links.h"
#include "tests/app/notice_recorder.h"
#include "tests/support/fixture_db.h"
#include "tests/support/qt_printers.h"

#include <QDesktopServices>
#include <QFile>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

const QString kBuiltGuide = QStringLiteral(JIAMING_BIN_DIR "/jiaming-guide.html");

// Records the file links handed to the system, through the system's own route for links.
class FileLinkRecorder : public QObject {
    Q_OBJECT
public:
    FileLinkRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~FileLinkRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> links;

public slots:
    void open(const QUrl& url) { links << url; }
};

struct GuideAt {
    explicit GuideAt(const QString& path) { setUserGuidePath(path); }
    ~GuideAt() { setUserGuidePath(QString()); }
};

}  // namespace

TEST(UserGuide, IsBuiltBesideTheProgramWithEverySectionTheLinksOpen)
{
    QFile file(kBuiltGuide);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << kBuiltGuide.toStdString();
    const QString html = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(html.contains(R"(<html lang="zh-CN">)"));
    EXPECT_TRUE(html.contains(R"(<meta charset="utf-8">)"));
    GuideAt guide(kBuiltGuide);
    for (const QUrl& link : {consultationUrl(), feedbackUrl()}) {
        ASSERT_FALSE(link.fragment().isEmpty());
        EXPECT_TRUE(html.contains(QStringLiteral("id=\"%1\"").arg(link.fragment()))) << link.toString().toStdString();
    }
    // What each page does, how to read a report, and where the data comes from.
    for (const char* heading : {"各页面的用途", "如何阅读报告", "数据从哪里来"})
        EXPECT_TRUE(html.contains(QString::fromUtf8(heading))) << heading;
    for (const char* page : {"宝宝取名", "姓名分析", "八字分析", "英文名字", "宝宝小名", "诗词起名", "起名知识", "民俗工具"})
        EXPECT_TRUE(html.contains(QStringLiteral("<td>%1</td>").arg(QString::fromUtf8(page)))) << page;
}

TEST(UserGuide, TheToolbarsSiteButtonOpensIt)
{
    FixtureDbs dbs;
    NoticeRecorder notices;
    FileLinkRecorder recorder;
    GuideAt guide(kBuiltGuide);
    TFrmIndex window;
    QTest::mouseClick(window.RzToolButton9, Qt::LeftButton);  // 官方网站
    EXPECT_EQ(recorder.links, QList<QUrl>{QUrl::fromLocalFile(kBuiltGuide)});
    EXPECT_TRUE(notices.notices.isEmpty());
}

TEST(UserGuide, ALinkThatCannotBeOpenedIsToldWithItsAddress)
{
    FixtureDbs dbs;
    NoticeRecorder notices;
    TFrmIndex window;
    const QString missing = QStringLiteral("/no/such/folder/jiaming-guide.html");
    const struct { QString guide; const char* says; const char* why; } cases[] = {
        {missing, "找不到使用说明文件", "the guide is not installed"},
        // The offscreen platform has no way to open links, as a system without a browser.
        {kBuiltGuide, "系统没有找到能打开这个链接的程序", "nothing can open it"},
    };
    for (const auto& c : cases) {
        GuideAt guide(c.guide);
        notices.notices.clear();
        QTest::mouseClick(window.RzToolButton9, Qt::LeftButton);
        ASSERT_EQ(notices.notices.size(), 1) << c.why;
        EXPECT_TRUE(notices.notices[0].contains(QString::fromUtf8(c.says))) << notices.notices[0].toStdString();
        EXPECT_TRUE(notices.notices[0].contains(c.guide)) << c.why << ": the address is shown";
    }
}

#include "program_links_test.moc"
