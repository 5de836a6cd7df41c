// "人工起名服务": what the program itself does for its users, free of charge; only a "关闭" button.
#pragma once

#include <QDialog>

class TFrm_servers : public QDialog {
    Q_OBJECT
public:
    explicit TFrm_servers(QWidget* parent = nullptr);

    // The texts shown, top to bottom: the heading, the paragraph, then title and description of
    // each offer in turn.
    static QStringList texts();
};
