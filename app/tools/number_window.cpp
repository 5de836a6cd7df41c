#include "number_window.h"

#include "app/notice.h"
#include "app/tools/tool_input_row.h"
#include "tools/number_reading.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr int kWindowWidth = 420;

struct WindowTexts {
    const char* caption;
    const char* inputLabel;
    const char* numberLabel;
    int maxLength;
};

WindowTexts textsOf(NumberWindow::Kind kind)
{
    switch (kind) {
    case NumberWindow::Kind::QQ: return {"QQ号码测试", "QQ号码：", "qq号码是：", 18};
    case NumberWindow::Kind::Mobile: return {"手机号码测算", "输入号码：", "手机号码是：", 11};
    case NumberWindow::Kind::AnyNumber: return {"任意号码分析", "任意号码：", "输入号码是：", 18};
    }
    return {};
}

QLabel* resultLabel(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

NumberWindow::NumberWindow(Kind kind, QWidget* parent) : QDialog(parent), kind_(kind)
{
    const WindowTexts texts = textsOf(kind);
    setWindowTitle(QString::fromUtf8(texts.caption));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    auto* page = new QVBoxLayout(this);

    const ToolInputRow input = addToolInputRow(this, page, QString::fromUtf8(texts.inputLabel));
    edtmun = input.edtmun;
    RzBitBtn1 = input.RzBitBtn1;
    RzBitBtn2 = input.RzBitBtn2;
    edtmun->setMaxLength(texts.maxLength);
    edtmun->installEventFilter(this);
    connect(RzBitBtn1, &QPushButton::clicked, this, &NumberWindow::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &NumberWindow::RzBitBtn2Click);
    if (kind == Kind::Mobile) page->addWidget(new QLabel(QStringLiteral("请注意：手机号码是11位，请正确输入。"), this));

    auto* results = new QGroupBox(QStringLiteral("测算结果"), this);
    auto* grid = new QGridLayout(results);
    RzLabel11 = resultLabel(results, "RzLabel11");
    RzLabel10 = resultLabel(results, "RzLabel10");
    RzLabel9 = resultLabel(results, "RzLabel9");
    RzLabel9->setStyleSheet(QStringLiteral("color: red;"));
    RzLabel8 = resultLabel(results, "RzLabel8");
    RzLabel8->setWordWrap(true);
    RzLabel8->setMinimumHeight(80);
    RzLabel8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QString captions[] = {QString::fromUtf8(texts.numberLabel), QStringLiteral("状态："),
                                QStringLiteral("吉凶："), QStringLiteral("具体表现：")};
    QLabel* values[] = {RzLabel11, RzLabel10, RzLabel9, RzLabel8};
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(new QLabel(captions[row], results), row, 0, Qt::AlignTop);
        grid->addWidget(values[row], row, 1);
    }
    grid->setColumnStretch(1, 1);
    page->addWidget(results);
    if (kind == Kind::Mobile) {
        auto* note = new QLabel(QStringLiteral(
            "注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响运势命运的意义是一样的。"
            "虽然这只是一个号码，但是它与您的生活息息相关，也代表您与所有人的沟通桥梁！"), this);
        note->setObjectName(QStringLiteral("mobileNote"));
        note->setWordWrap(true);
        page->addWidget(note);
    }
    // A window's own size ignores how tall wrapped labels need to be at its width; ask the layout,
    // so the last line of the note is not cut off.
    const int height = page->hasHeightForWidth() ? page->totalHeightForWidth(kWindowWidth) : page->totalSizeHint().height();
    setFixedSize(kWindowWidth, std::max(height, page->totalMinimumSize().height()));
}

void NumberWindow::showFortune(const QString& number, const NumberFortune& fortune)
{
    for (QLabel* l : {RzLabel11, RzLabel10, RzLabel9, RzLabel8}) l->clear();
    RzLabel11->setText(number);
    RzLabel10->setText(fortune.state);
    RzLabel9->setText(fortune.luck);
    RzLabel8->setText(fortune.detail);
}

void NumberWindow::RzBitBtn1Click()
{
    runAction(this, [&] {
        const QString number = edtmun->text().trimmed();
        const auto fortune = kind_ == Kind::Mobile ? mobileFortune(number) : numberFortune(number, kind_ == Kind::QQ);
        if (!fortune) {
            // A refused number gets its message and no reading, not the last number's.
            for (QLabel* l : {RzLabel11, RzLabel10, RzLabel9, RzLabel8}) l->clear();
            showNotice(this, fortune.error());
            return;
        }
        showFortune(number, *fortune);
    });
}

void NumberWindow::RzBitBtn2Click()
{
    close();
}

bool NumberWindow::edtmunKeyPress(int key, const QString& text)
{
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        RzBitBtn1Click();
        return true;
    }
    if (key == Qt::Key_Backspace || key == Qt::Key_Escape || text.isEmpty()) return false;  // Escape closes
    // Only digits reach the box; every other typed character is dropped.
    return !(text.size() == 1 && text[0] >= u'0' && text[0] <= u'9');
}

bool NumberWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edtmun && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Paste) || key->modifiers() & Qt::ControlModifier) return false;
        return edtmunKeyPress(key->key(), key->text());
    }
    return QDialog::eventFilter(watched, event);
}

void NumberWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous()) FormShow();
}

void NumberWindow::FormShow()
{
    if (kind_ == Kind::Mobile && !edtmun->text().isEmpty()) RzBitBtn1Click();
}
