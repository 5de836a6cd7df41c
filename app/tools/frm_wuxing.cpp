#include "frm_wuxing.h"

#include "app/notice.h"
#include "app/tools/tool_window.h"
#include "data/query.h"
#include "tools/five_element_query.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

constexpr int kMaxInputBytes = 10;  // five Chinese characters

}  // namespace

TFrmWuxing::TFrmWuxing(QWidget* parent) : QDialog(parent), ADOQuery1(std::make_unique<Query>(Db::Velmora))
{
    setWindowTitle(QStringLiteral("五行查询(最多可以输入5个字)"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    auto* grid = new QGridLayout(this);
    Wuxing = new QLineEdit(this);
    Wuxing->setObjectName(QStringLiteral("Wuxing"));
    limitGbkBytes(Wuxing, kMaxInputBytes);
    Reswu = new QLineEdit(this);
    Reswu->setObjectName(QStringLiteral("Reswu"));
    RzBitBtn1 = new QPushButton(QStringLiteral("查看"), this);
    RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    RzBitBtn2 = new QPushButton(QStringLiteral("关闭"), this);
    RzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));
    for (QPushButton* b : {RzBitBtn1, RzBitBtn2}) b->setAutoDefault(false);
    grid->addWidget(new QLabel(QStringLiteral("输入字："), this), 0, 0);
    grid->addWidget(Wuxing, 0, 1);
    grid->addWidget(RzBitBtn1, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("查看结果："), this), 1, 0);
    grid->addWidget(Reswu, 1, 1);
    grid->addWidget(RzBitBtn2, 1, 2);
    setFixedWidth(360);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TFrmWuxing::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TFrmWuxing::RzBitBtn2Click);
}

TFrmWuxing::~TFrmWuxing() = default;

void TFrmWuxing::RzBitBtn1Click()
{
    const QString text = Wuxing->text().trimmed();
    if (text.isEmpty()) return;
    // A reported failure: the engine's text is shown and the window stays open.
    runAction(this, [&] { Reswu->setText(textElements(*ADOQuery1, text)); });
}
