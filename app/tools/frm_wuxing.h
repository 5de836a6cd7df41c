// "五行查询(最多可以输入5个字)": the elements of up to five characters from the dictionary.
#pragma once

#include <QDialog>
#include <memory>

class Query;
class QLineEdit;
class QPushButton;

class TFrmWuxing : public QDialog {
    Q_OBJECT
public:
    explicit TFrmWuxing(QWidget* parent = nullptr);
    ~TFrmWuxing() override;

    QLineEdit *Wuxing, *Reswu;
    QPushButton *RzBitBtn1, *RzBitBtn2;  // "查看", "关闭"

public slots:
    void RzBitBtn1Click();
    void RzBitBtn2Click() { close(); }

private:
    // The window's own query on Velmora.dll, opened by the first lookup and kept while it lives.
    std::unique_ptr<Query> ADOQuery1;
};
