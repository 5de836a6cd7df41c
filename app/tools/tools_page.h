// TabSheet9, the tools page: a drawn picture of tool icons with a transparent 71 × 71 button over
// each. A button opens a tool window afresh and modally, an omen table, or a section of the user
// guide (the links of app/program_links.h).
#pragma once

#include <QWidget>

class QToolButton;

class ToolsPage : public QWidget {
    Q_OBJECT
public:
    explicit ToolsPage(QWidget* parent = nullptr);

    QToolButton *RzToolButton19, *RzToolButton25, *RzToolButton26, *RzToolButton27, *RzToolButton28,
        *RzToolButton29, *RzToolButton30, *RzToolButton24, *RzToolButton31, *RzToolButton32, *RzToolButton33,
        *RzToolButton34, *RzToolButton35, *RzToolButton36, *RzToolButton13, *RzToolButton37, *RzToolButton38,
        *RzToolButton39, *RzToolButton40;

public slots:
    void RzToolButton19Click();  // 缘分测试
    void RzToolButton25Click();  // omen tables, pages 0 … 6
    void RzToolButton26Click();
    void RzToolButton27Click();
    void RzToolButton28Click();
    void RzToolButton29Click();
    void RzToolButton30Click();
    void RzToolButton24Click();
    void RzToolButton31Click();  // 五行查询
    void RzToolButton32Click();  // 手机号码测算
    void RzToolButton33Click();  // QQ号码测试
    void RzToolButton34Click();  // 任意号码分析
    void RzToolButton35Click();  // 网名与性格
    void RzToolButton36Click();  // 日历
    void RzToolButton13Click();  // 黄道吉日
    void RzToolButton37Click();  // 人工起名服务
    void RzToolButton38Click();  // 在线咨询: the guide's common questions
    void RzToolButton39Click();  // 联系邮箱: the guide's section on reporting a problem
    void RzToolButton40Click();  // 官方网站: the guide

protected:
    void paintEvent(QPaintEvent* event) override;
};
