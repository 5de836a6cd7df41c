#include "frm_servers.h"

#include "app/window_exit.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int kClientWidth = 420, kClientHeight = 273;

struct Offer {
    const char* title;
    const char* description;
    const char* glyph;  // the little picture beside it
};

// The program sells nothing: the "offers" are what it does for everyone, free.
constexpr Offer kOffers[] = {
    {"经典起名　免费", "按姓氏、性别与生辰搜索高分笔画组合，候选名字不限数量。", "名"},
    {"诗词起名　免费", "从古诗词或您选定的任意文字中取字成名，附诗句出处。", "诗"},
    {"姓名测评　免费", "分析五格、三才与八十一数理，给出评分和可保存的详细报告。", "评"},
    {"八字排盘　免费", "排出四柱、大运、十神与纳音，附五行统计和称骨。", "八"},
};

const char* const kHeading = "起名说明:";
const char* const kParagraph =
    "嘉名不提供收费的人工起名服务。下面四项都是软件本身能为您做的事，全部免费，"
    "随时可用；结果是传统文化的参考，名字的取舍还请您自己拿主意。";

// A small round picture with one character.
class Badge : public QWidget {
public:
    Badge(const QString& glyph, QWidget* parent) : QWidget(parent), glyph_(glyph) { setFixedSize(26, 26); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(QColor(0xb0, 0x3a, 0x2e));
        p.setPen(Qt::NoPen);
        p.drawEllipse(rect().adjusted(1, 1, -1, -1));
        p.setPen(Qt::white);
        p.drawText(rect(), Qt::AlignCenter, glyph_);
    }

private:
    QString glyph_;
};

}  // namespace

QStringList TFrm_servers::texts()
{
    QStringList lines = {QString::fromUtf8(kHeading), QString::fromUtf8(kParagraph)};
    for (const Offer& o : kOffers) lines << QString::fromUtf8(o.title) << QString::fromUtf8(o.description);
    return lines;
}

TFrm_servers::TFrm_servers(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("人工起名服务"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    setFixedSize(kClientWidth, kClientHeight);

    auto* panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("RzPanel1"));
    panel->setGeometry(0, 0, kClientWidth, kClientHeight);
    panel->setStyleSheet(QStringLiteral("#RzPanel1 { border: 1px solid #b0a080; border-radius: 8px; background: #fbf3e4; }"));

    const int textLeft = 48, textWidth = kClientWidth - textLeft - 14;
    auto addText = [&](const QString& text, int top, int height, bool bold) {
        auto* label = new QLabel(text, panel);
        label->setGeometry(textLeft, top, textWidth, height);
        label->setWordWrap(true);
        if (bold) label->setStyleSheet(QStringLiteral("font-weight: bold; color: #5a1e12;"));
        return label;
    };
    (new Badge(QStringLiteral("说"), panel))->move(12, 12);
    addText(QString::fromUtf8(kHeading), 14, 20, true);
    addText(QString::fromUtf8(kParagraph), 34, 50, false);
    int top = 88;
    for (const Offer& o : kOffers) {
        auto* badge = new Badge(QString::fromUtf8(o.glyph), panel);
        badge->move(12, top + 6);
        addText(QString::fromUtf8(o.title), top, 18, true);
        addText(QString::fromUtf8(o.description), top + 18, 20, false);
        top += 44;
    }
    addCloseButton(this, nullptr)->setGeometry(kClientWidth - 80, 10, 68, 24);
    // Centred on the screen, not over the launcher.
    if (const QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}
