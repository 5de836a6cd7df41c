// 嘉名: start-up. Creates the main window and runs the event loop; no knowledge file is opened here.
#include "app/app_font.h"
#include "app/frm_index.h"
#include "app/qt_chinese.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("嘉名"));
    QApplication::setApplicationDisplayName(QStringLiteral("嘉名"));
    installAppFont();
    installQtChinese(app);

    TFrmIndex main;
    main.show();
    return app.exec();
}
