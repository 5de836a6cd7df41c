#include "frm_love.h"

#include "app/notice.h"
#include "app/window_exit.h"
#include "tools/name_compatibility.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

Tfrmlove::Tfrmlove(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("缘分测试 "));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);
    auto* grid = new QGridLayout(this);
    auto label = [this](const char* name, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    Label1 = label("Label1", QStringLiteral("男方姓名："));
    eYourName = edit("eYourName");
    Label2 = label("Label2", QStringLiteral("女方姓名："));
    eotherName = edit("eotherName");
    Label3 = label("Label3", QStringLiteral("你们的缘分："));
    lbl1 = label("lbl1", QString());
    lbl1->setStyleSheet(QStringLiteral("color: red;"));
    Label4 = label("Label4", QStringLiteral("注意：本功能纯属娱乐，愿天下有情人终成眷属。使用中不承担任何承担。"));
    Label4->setWordWrap(true);
    RzBitBtn1 = new QPushButton(QStringLiteral("测算"), this);
    RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    RzBitBtn2 = new QPushButton(QStringLiteral("重测"), this);
    RzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));

    grid->addWidget(Label1, 0, 0);
    grid->addWidget(eYourName, 0, 1, 1, 3);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(eotherName, 1, 1, 1, 3);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(lbl1, 2, 1, 1, 3);
    grid->addWidget(Label4, 3, 0, 1, 4);
    grid->addWidget(RzBitBtn1, 4, 1);
    grid->addWidget(RzBitBtn2, 4, 2);
    grid->addWidget(addCloseButton(this, nullptr), 4, 3);
    setFixedWidth(340);

    connect(RzBitBtn1, &QPushButton::clicked, this, &Tfrmlove::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &Tfrmlove::RzBitBtn2Click);
    for (QWidget* w : {static_cast<QWidget*>(eYourName), static_cast<QWidget*>(eotherName),
                       static_cast<QWidget*>(RzBitBtn1), static_cast<QWidget*>(RzBitBtn2)})
        w->installEventFilter(this);
    RzBitBtn1->setAutoDefault(false);
    RzBitBtn2->setAutoDefault(false);
}

void Tfrmlove::btncountClick()
{
    const auto result = compatibilityTest(eYourName->text(), eotherName->text());
    if (!result) {
        showNotice(this, result.error(), QStringLiteral("提示"), false);
        eYourName->setFocus();
        return;
    }
    lbl1->setText(*result);
}

void Tfrmlove::RzBitBtn2Click()
{
    eYourName->clear();
    eotherName->clear();
    lbl1->clear();
    eYourName->setFocus();
}

bool Tfrmlove::FormKeyPress(int key)
{
    if (key != Qt::Key_Return && key != Qt::Key_Enter) return false;
    focusNextChild();
    return true;
}

bool Tfrmlove::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && FormKeyPress(static_cast<QKeyEvent*>(event)->key())) return true;
    return QDialog::eventFilter(watched, event);
}
