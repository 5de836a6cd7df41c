// Qt's own texts in Chinese. The program speaks Simplified Chinese whatever the system's language, so
// the buttons of message boxes and the file dialog read 确定, 取消, 保存 too.
#pragma once

class QCoreApplication;
class QTranslator;

// Makes zh_CN the default locale and installs Qt's zh_CN translations from Qt's translations folder
// (Debian: qt6-translations-l10n). Returns the translator, owned by app, or nullptr when those
// translations are not installed; Qt then keeps its English texts.
QTranslator* installQtChinese(QCoreApplication& app);
