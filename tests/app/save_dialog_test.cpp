// The save dialog as the user meets it, and Qt's own texts in Chinese. The dialog is the real one,
// run in its modal loop and answered from the keyboard.
#include "app/qt_chinese.h"
#include "app/report_saving.h"
#include "tests/app/notice_recorder.h"
#include "tests/support/qt_printers.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <gtest/gtest.h>

namespace {

// Qt's Chinese texts for the life of the object, then back to the suite's defaults.
struct QtChinese {
    QLocale before;
    QTranslator* translator = installQtChinese(*qApp);
    ~QtChinese()
    {
        if (translator) QCoreApplication::removeTranslator(translator);
        delete translator;
        QLocale::setDefault(before);
    }
};

// A home folder of the test's own with a documents folder in it.
struct TemporaryHome {
    QTemporaryDir dir;
    QByteArray home = qgetenv("HOME"), config = qgetenv("XDG_CONFIG_HOME");
    TemporaryHome()
    {
        QDir(dir.path()).mkpath("Documents");
        qputenv("HOME", dir.path().toLocal8Bit());
        qunsetenv("XDG_CONFIG_HOME");  // no user-dirs.dirs: the documents folder is ~/Documents
    }
    ~TemporaryHome()
    {
        qputenv("HOME", home);
        if (config.isEmpty()) qunsetenv("XDG_CONFIG_HOME");
        else qputenv("XDG_CONFIG_HOME", config);
    }
    QString documents() const { return QDir(dir.path()).filePath("Documents"); }
};

QString withoutMnemonic(QString text)
{
    return text.remove(QRegularExpression(QStringLiteral("\\(&.\\)|&")));
}

}  // namespace

TEST(QtInChinese, MessageBoxesAndDialogButtonsSpeakChinese)
{
    QtChinese chinese;
    ASSERT_NE(chinese.translator, nullptr) << "Qt's translations (qt6-translations-l10n) are not installed";
    QMessageBox box(QMessageBox::Information, "提示", "x", QMessageBox::Ok);
    EXPECT_EQ(withoutMnemonic(box.button(QMessageBox::Ok)->text()), "确定");
    QDialogButtonBox buttons(QDialogButtonBox::Save | QDialogButtonBox::Cancel);
    EXPECT_EQ(withoutMnemonic(buttons.button(QDialogButtonBox::Save)->text()), "保存");
    EXPECT_EQ(withoutMnemonic(buttons.button(QDialogButtonBox::Cancel)->text()), "取消");
}

TEST(SaveDialog, OpensInTheDocumentsFolderAndWritesTheChosenFileType)
{
    QtChinese chinese;
    TemporaryHome home;
    NoticeRecorder notices;
    const struct { int downPresses; QByteArray bytes; const char* why; } cases[] = {
        {0, QByteArray::fromHex("d5c5c8fd0d0a"), "GBK is the default"},
        {1, QByteArray("张三\r\n"), "UTF-8, the second file type"},
    };
    for (const auto& c : cases) {
        QStringList seen;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
            seen << dialog->windowTitle() << dialog->directory().absolutePath() << dialog->nameFilters()
                 << types->currentText() << name->text();
            for (QPushButton* b : buttons->findChildren<QPushButton*>()) seen << withoutMnemonic(b->text());
            types->setFocus();
            for (int i = 0; i < c.downPresses; ++i) QTest::keyClick(types, Qt::Key_Down);
            name->setFocus();
            QTest::keyClick(name, Qt::Key_Return);
        });
        ASSERT_TRUE(saveReportLines(nullptr, "张三", {"张三"}, defaultSavePathAsker())) << c.why;
        EXPECT_EQ(seen, (QStringList{"保存", home.documents(), "文本文件 (GBK) (*.txt)", "文本文件 (UTF-8) (*.txt)",
                                     "文本文件 (GBK) (*.txt)", "张三", "保存", "取消"}))
            << c.why;
        QFile file(QDir(home.documents()).filePath("张三.txt"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.why;
        EXPECT_EQ(file.readAll(), c.bytes) << c.why;
        file.remove();
    }
    EXPECT_TRUE(notices.notices.isEmpty()) << notices.notices.join(' ').toStdString();
}

TEST(SaveDialog, CancellingWritesNothing)
{
    TemporaryHome home;
    QTimer::singleShot(0, [] {
        if (QWidget* dialog = QApplication::activeModalWidget()) QTest::keyClick(dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(saveReportLines(nullptr, "张三", {"张三"}, defaultSavePathAsker()));
    EXPECT_TRUE(QDir(home.documents()).isEmpty());
}
