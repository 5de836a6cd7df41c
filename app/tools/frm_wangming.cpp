#include "frm_wangming.h"

#include "app/notice.h"
#include "app/tools/tool_input_row.h"
#include "app/tools/tool_window.h"
#include "tools/net_name.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kMaxNicknameBytes = 18;  // nine Chinese characters

}  // namespace

TFrmWangming::TFrmWangming(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("网名与性格"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    auto* page = new QVBoxLayout(this);
    const ToolInputRow input = addToolInputRow(this, page, QStringLiteral("输入网名："));
    edtmun = input.edtmun;
    RzBitBtn1 = input.RzBitBtn1;
    RzBitBtn2 = input.RzBitBtn2;
    limitGbkBytes(edtmun, kMaxNicknameBytes, true);
    edtmun->installEventFilter(this);

    auto* results = new QGroupBox(QStringLiteral("测算结果"), this);
    auto* lines = new QVBoxLayout(results);
    RzLabel11 = new QLabel(results);
    RzLabel11->setObjectName(QStringLiteral("RzLabel11"));
    RzLabel11->setStyleSheet(QStringLiteral("color: green;"));
    RzLabel8 = new QLabel(results);
    RzLabel8->setObjectName(QStringLiteral("RzLabel8"));
    RzLabel8->setStyleSheet(QStringLiteral("color: navy;"));
    RzLabel8->setWordWrap(true);
    RzLabel8->setMinimumHeight(48);
    RzLabel8->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lines->addWidget(RzLabel11);
    lines->addWidget(RzLabel8);
    page->addWidget(results);
    setFixedWidth(380);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TFrmWangming::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TFrmWangming::RzBitBtn2Click);
}

void TFrmWangming::RzBitBtn1Click()
{
    const auto lines = netNameTest(edtmun->text());
    if (!lines) {
        showNotice(this, lines.error());
        return;
    }
    RzLabel11->setText(lines->name);
    RzLabel8->setText(lines->personality);
}

bool TFrmWangming::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edtmun && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {  // edtmunKeyPress: Enter runs the test
            RzBitBtn1Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
