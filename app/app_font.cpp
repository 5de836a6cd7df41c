#include "app_font.h"

#include <QApplication>
#include <QFont>

void installAppFont()
{
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                                                       QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("Noto Serif CJK SC")});
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    QApplication::setFont(font);
}

QFont reportFont()
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(12);
    return font;
}
