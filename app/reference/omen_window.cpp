#include "omen_window.h"

#include "app/window_exit.h"
#include "app/window_opening.h"
#include "tools/reference/reference_texts.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

TFormOnther::TFormOnther(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("TFormOnther"));
    resize(388, 283);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);

    RzPageControl1 = new QTabWidget(this);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->tabBar()->hide();  // only the page the caller chose is seen
    RzPageControl1->setDocumentMode(true);
    for (int page = 0; page < kOmenPageCount; ++page) {
        auto* text = new QPlainTextEdit(RzPageControl1);
        text->setObjectName(QStringLiteral("Memo%1").arg(page));
        text->setReadOnly(true);
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        text->setPlainText(OmenPageText(page));
        RzPageControl1->addTab(text, QString::number(page));
        pages << text;
    }
    layout->addWidget(RzPageControl1, 1);

    Label1 = new QLabel(OmenExplanation(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setStyleSheet(QStringLiteral("color: navy;"));
    layout->addWidget(Label1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    addCloseButton(this, buttons);
    layout->addLayout(buttons);
    closeOnEscape(this);
}

void ShowOmenPage(const QString& caption, int page, QWidget* launcher)
{
    const int openBefore = visibleWindowsOf<TFormOnther>();
    openOwnedWindow<TFormOnther>(launcher, Qt::NonModal, [&](TFormOnther& window) {
        window.setWindowTitle(caption);
        window.RzPageControl1->setCurrentIndex(page);
        window.move(cascadedTopLeft(availableAreaFor(launcher), window.size(), openBefore));
    });
}
