#include "sex.h"

QString SexText(Sex sex) { return sex == Sex::Male ? QStringLiteral("男") : QStringLiteral("女"); }

Sex SexOfText(const QString& text) { return text == QStringLiteral("男") ? Sex::Male : Sex::Female; }
