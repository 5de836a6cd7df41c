#include "english_names_page.h"

#include "tools/reference/reference_texts.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

QPlainTextEdit* hiddenList(QWidget* parent, const char* name, const QString& sex)
{
    auto* list = new QPlainTextEdit(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setPlainText(EnglishNameList(sex).join(u'\n'));
    list->hide();
    return list;
}

}  // namespace

EnglishNamesPage::EnglishNamesPage(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    RzMemo2 = new QPlainTextEdit(this);
    RzMemo2->setObjectName(QStringLiteral("RzMemo2"));
    RzMemo2->setReadOnly(true);
    RzMemo2->setPlainText(EnglishNamesIntroduction());
    layout->addWidget(RzMemo2, 2);

    auto* right = new QVBoxLayout;
    auto* bar = new QHBoxLayout;
    bar->addWidget(new QLabel(QStringLiteral("性别"), this));
    CBEngSex = new QComboBox(this);
    CBEngSex->setObjectName(QStringLiteral("CBEngSex"));
    CBEngSex->addItems({QStringLiteral("男"), QStringLiteral("女")});
    CBEngSex->setCurrentIndex(0);
    bar->addWidget(CBEngSex);
    RzButton3 = new QPushButton(QStringLiteral("分析"), this);
    RzButton3->setObjectName(QStringLiteral("RzButton3"));
    connect(RzButton3, &QPushButton::clicked, this, &EnglishNamesPage::RzButton3Click);
    bar->addWidget(RzButton3);
    bar->addStretch();
    right->addLayout(bar);

    TreeView = new QListWidget(this);
    TreeView->setObjectName(QStringLiteral("TreeView"));
    TreeView->setUniformItemSizes(true);
    TreeView->setStyleSheet(QStringLiteral("QListWidget { color: green; font-weight: bold; font-size: 14px; }"));
    right->addWidget(TreeView, 1);
    layout->addLayout(right, 3);

    nan = hiddenList(this, "nan", QStringLiteral("男"));
    nv = hiddenList(this, "nv", QStringLiteral("女"));
}

void EnglishNamesPage::RzButton3Click()
{
    TreeView->clear();
    const QPlainTextEdit* list = CBEngSex->currentText() == QStringLiteral("女") ? nv : nan;
    QStringList lines = list->toPlainText().split(u'\n');
    for (QString& line : lines) line = line.trimmed();  // empty lines stay as empty entries
    TreeView->addItems(lines);
}
