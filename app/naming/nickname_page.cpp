#include "nickname_page.h"

#include "app/notice.h"
#include "app/reference/frm_note.h"
#include "tools/reference/reference_texts.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

NicknamePage::NicknamePage(QWidget* parent) : QWidget(parent)
{
    auto* page = new QVBoxLayout(this);
    auto* bar = new QHBoxLayout;
    bar->setSpacing(4);
    bar->addWidget(new QLabel(QStringLiteral("基本信息："), this));
    birthRow5 = addBirthRow(this, bar,
                            {QString(), QString(), QStringLiteral("XSex"), QStringLiteral("Xdate"),
                             QStringLiteral("Xyear"), QStringLiteral("Xmonth"), QStringLiteral("Xday"),
                             QStringLiteral("XShour"), QStringLiteral("Xfen")});
    bar->addStretch();
    page->addLayout(bar);
    auto addButton = [&](QPushButton** button, const char* name, const QString& caption, void (NicknamePage::*click)()) {
        *button = new QPushButton(caption, this);
        (*button)->setObjectName(QString::fromLatin1(name));
        connect(*button, &QPushButton::clicked, this, click);
        bar->addWidget(*button);  // beside the birth row, so the five patterns have a row of their own
    };
    addButton(&RzButton4, "RzButton4", QStringLiteral("分析"), &NicknamePage::RzButton4Click);
    addButton(&RzButton5, "RzButton5", QStringLiteral("常见小名"), &NicknamePage::RzButton5Click);

    auto* patterns = new QHBoxLayout;
    patterns->addWidget(new QLabel(QStringLiteral("小名模式："), this));
    const struct { QRadioButton** button; const char* name; const char16_t* caption; } radios[] = {
        {&RzRadioButton1, "RzRadioButton1", u"宝宝型(如:明明)"},
        {&RzRadioButton2, "RzRadioButton2", u"小宝型(如:小明)"},
        {&RzRadioButton3, "RzRadioButton3", u"阿宝型(如:阿明)"},
        {&RzRadioButton4, "RzRadioButton4", u"宝儿型(如:明儿)"},
        {&RzRadioButton5, "RzRadioButton5", u"宝娃型(如:明娃)"},
    };
    for (const auto& r : radios) {
        auto* radio = new QRadioButton(QString::fromUtf16(r.caption), this);
        radio->setObjectName(QString::fromLatin1(r.name));
        patterns->addWidget(radio);
        *r.button = radio;
    }
    RzRadioButton1->setChecked(true);
    patterns->addStretch();
    page->addLayout(patterns);

    auto* panes = new QHBoxLayout;
    RzMemo4 = new QPlainTextEdit(this);
    RzMemo4->setObjectName(QStringLiteral("RzMemo4"));
    RzMemo4->setReadOnly(true);
    RzMemo4->setPlainText(NicknameIntroduction());
    panes->addWidget(RzMemo4, 1);
    TreeViewX = new QListWidget(this);
    TreeViewX->setObjectName(QStringLiteral("TreeViewX"));
    TreeViewX->setUniformItemSizes(true);
    panes->addWidget(TreeViewX, 1);
    page->addLayout(panes, 1);
}

NicknamePattern NicknamePage::checkedPattern() const
{
    if (RzRadioButton2->isChecked()) return NicknamePattern::Xiao;
    if (RzRadioButton3->isChecked()) return NicknamePattern::A;
    if (RzRadioButton4->isChecked()) return NicknamePattern::Er;
    if (RzRadioButton5->isChecked()) return NicknamePattern::Wa;
    return NicknamePattern::Doubled;
}

void NicknamePage::RzButton4Click()
{
    const auto nicknames = NicknamesForBirth(readBirthInfo(birthRow5), checkedPattern());
    if (!nicknames) {
        showNotice(this, nicknames.error());  // the list stays as it was
        return;
    }
    TreeViewX->clear();
    for (const Nickname& n : *nicknames) TreeViewX->addItem(n.line());
}

void NicknamePage::RzButton5Click()
{
    ShowNote(QStringLiteral("XM018"), this);
}
