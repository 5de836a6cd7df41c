#include "tools_page.h"

#include "app/calendar/form_huangdao.h"
#include "app/calendar/frm_date.h"
#include "app/program_links.h"
#include "app/reference/omen_window.h"
#include "app/tools/frm_love.h"
#include "app/tools/frm_servers.h"
#include "app/tools/frm_wangming.h"
#include "app/tools/frm_wuxing.h"
#include "app/tools/number_window.h"
#include "app/tools/tool_window.h"

#include <QPainter>
#include <QPainterPath>
#include <QToolButton>

namespace {

constexpr int kButtonSize = 71;
constexpr int kRowTops[] = {25, 104, 182, 260};
constexpr int kColumnLefts[] = {96, 181, 266, 352, 437, 522, 602};

// One icon of the picture: where it sits, the glyph drawn in it and the label under it.
struct ToolIcon {
    const char* button;
    int row, column;  // 0-based
    const char* glyph;
    const char* label;
    QRgb colour;
};

constexpr ToolIcon kIcons[] = {
    {"RzToolButton19", 0, 0, "缘", "缘分测试", 0xc0392b},
    {"RzToolButton25", 1, 0, "嚏", "打喷嚏", 0x8e6c3a},
    {"RzToolButton26", 1, 1, "面", "面热", 0x8e6c3a},
    {"RzToolButton27", 1, 2, "心", "心惊", 0x8e6c3a},
    {"RzToolButton28", 1, 3, "犬", "犬吠", 0x8e6c3a},
    {"RzToolButton29", 1, 4, "眼", "眼跳", 0x8e6c3a},
    {"RzToolButton30", 1, 5, "耳", "耳热", 0x8e6c3a},
    {"RzToolButton24", 1, 6, "鸣", "耳鸣", 0x8e6c3a},
    {"RzToolButton31", 2, 0, "五", "五行查询", 0x2e7d32},
    {"RzToolButton32", 2, 1, "机", "手机号码", 0x1565c0},
    {"RzToolButton33", 2, 2, "Q", "QQ号码", 0x1565c0},
    {"RzToolButton34", 2, 3, "数", "任意号码", 0x1565c0},
    {"RzToolButton35", 2, 4, "网", "网名性格", 0x6a1b9a},
    {"RzToolButton36", 2, 5, "历", "日历", 0xad5a00},
    {"RzToolButton13", 2, 6, "吉", "黄道吉日", 0xad5a00},
    {"RzToolButton37", 3, 0, "名", "起名服务", 0x5a1e12},
    {"RzToolButton38", 3, 1, "谈", "在线咨询", 0x5a1e12},
    {"RzToolButton39", 3, 2, "信", "联系邮箱", 0x5a1e12},
    {"RzToolButton40", 3, 3, "站", "官方网站", 0x5a1e12},
};

QRect squareOf(const ToolIcon& icon)
{
    return QRect(kColumnLefts[icon.column], kRowTops[icon.row], kButtonSize, kButtonSize);
}

}  // namespace

ToolsPage::ToolsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet9"));

    using Slot = void (ToolsPage::*)();
    const std::pair<QToolButton**, Slot> buttons[] = {
        {&RzToolButton19, &ToolsPage::RzToolButton19Click}, {&RzToolButton25, &ToolsPage::RzToolButton25Click},
        {&RzToolButton26, &ToolsPage::RzToolButton26Click}, {&RzToolButton27, &ToolsPage::RzToolButton27Click},
        {&RzToolButton28, &ToolsPage::RzToolButton28Click}, {&RzToolButton29, &ToolsPage::RzToolButton29Click},
        {&RzToolButton30, &ToolsPage::RzToolButton30Click}, {&RzToolButton24, &ToolsPage::RzToolButton24Click},
        {&RzToolButton31, &ToolsPage::RzToolButton31Click}, {&RzToolButton32, &ToolsPage::RzToolButton32Click},
        {&RzToolButton33, &ToolsPage::RzToolButton33Click}, {&RzToolButton34, &ToolsPage::RzToolButton34Click},
        {&RzToolButton35, &ToolsPage::RzToolButton35Click}, {&RzToolButton36, &ToolsPage::RzToolButton36Click},
        {&RzToolButton13, &ToolsPage::RzToolButton13Click}, {&RzToolButton37, &ToolsPage::RzToolButton37Click},
        {&RzToolButton38, &ToolsPage::RzToolButton38Click}, {&RzToolButton39, &ToolsPage::RzToolButton39Click},
        {&RzToolButton40, &ToolsPage::RzToolButton40Click},
    };
    static_assert(std::size(buttons) == std::size(kIcons));
    for (std::size_t i = 0; i < std::size(kIcons); ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(kIcons[i].button));
        b->setGeometry(squareOf(kIcons[i]));
        b->setAutoRaise(true);
        b->setCursor(Qt::PointingHandCursor);
        b->setToolTip(QString::fromUtf8(kIcons[i].label));
        // Transparent: the picture underneath shows through, only a thin frame on hover.
        b->setStyleSheet(QStringLiteral("QToolButton { background: transparent; border: none; }"
                                        "QToolButton:hover { border: 1px dotted #5a1e12; }"));
        *buttons[i].first = b;
        connect(b, &QToolButton::clicked, this, buttons[i].second);
    }
}

void ToolsPage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0xfb, 0xf3, 0xe4));
    QFont glyphFont = font();
    glyphFont.setPixelSize(24);
    glyphFont.setBold(true);
    QFont labelFont = font();
    labelFont.setPixelSize(12);
    for (const ToolIcon& icon : kIcons) {
        const QRect square = squareOf(icon);
        const QRect tile(square.left() + 14, square.top() + 4, 43, 43);
        QPainterPath path;
        path.addRoundedRect(tile, 9, 9);
        p.fillPath(path, QColor::fromRgb(icon.colour));
        p.setPen(Qt::white);
        p.setFont(glyphFont);
        p.drawText(tile, Qt::AlignCenter, QString::fromUtf8(icon.glyph));
        p.setPen(QColor(0x5a, 0x1e, 0x12));
        p.setFont(labelFont);
        p.drawText(QRect(square.left() - 4, tile.bottom() + 3, square.width() + 8, 18), Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromUtf8(icon.label));
    }
}

void ToolsPage::RzToolButton19Click() { openToolWindow<Tfrmlove>(this); }

// The omen tables arrive with the reference windows; each button knows its caption and page.
void ToolsPage::RzToolButton25Click() { ShowOmenPage(QStringLiteral("打喷嚏占卜吉凶"), 0, this); }
void ToolsPage::RzToolButton26Click() { ShowOmenPage(QStringLiteral("面热测吉凶"), 1, this); }
void ToolsPage::RzToolButton27Click() { ShowOmenPage(QStringLiteral("心惊测吉凶"), 2, this); }
void ToolsPage::RzToolButton28Click() { ShowOmenPage(QStringLiteral("犬吠测吉凶"), 3, this); }
void ToolsPage::RzToolButton29Click() { ShowOmenPage(QStringLiteral("眼跳测吉凶"), 4, this); }
void ToolsPage::RzToolButton30Click() { ShowOmenPage(QStringLiteral("耳热测吉凶"), 5, this); }
void ToolsPage::RzToolButton24Click() { ShowOmenPage(QStringLiteral("耳鸣测吉凶"), 6, this); }

void ToolsPage::RzToolButton31Click() { openToolWindow<TFrmWuxing>(this); }
void ToolsPage::RzToolButton32Click() { openToolWindow<TFrm_SJcs>(this); }
void ToolsPage::RzToolButton33Click() { openToolWindow<TFrmQQhm>(this); }
void ToolsPage::RzToolButton34Click() { openToolWindow<TFrm_onther>(this); }
void ToolsPage::RzToolButton35Click() { openToolWindow<TFrmWangming>(this); }
void ToolsPage::RzToolButton36Click() { openToolWindow<TFRM_Date>(this); }
void ToolsPage::RzToolButton13Click() { openToolWindow<TFormHuangdao>(this); }
void ToolsPage::RzToolButton37Click() { openToolWindow<TFrm_servers>(this); }
void ToolsPage::RzToolButton38Click() { openProgramLink(this, consultationUrl()); }
void ToolsPage::RzToolButton39Click() { openProgramLink(this, feedbackUrl()); }
void ToolsPage::RzToolButton40Click() { openProgramLink(this, officialSiteUrl()); }
