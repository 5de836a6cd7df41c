// The birthplace part of a birth row: a place box that searches the place list as one types
// (乌鲁 or wlmq offers 乌鲁木齐市), the "经度" box that picking a place fills and that may also be
// typed by hand, and the choice of school for a birth in the 子 hour.
#pragma once

#include <QString>
#include <QWidget>

class QComboBox;
class QCompleter;
class QLineEdit;
class QStringListModel;

class BirthPlaceBox : public QWidget {
    Q_OBJECT
public:
    // namePrefix names the controls: prefix + "Place", "Longitude", "Zi".
    explicit BirthPlaceBox(const QString& namePrefix, QWidget* parent = nullptr);

    QComboBox* place;      // editable; empty means no birthplace
    QLineEdit* longitude;  // degrees east, e.g. 87.62
    QComboBox* zi;         // ZiHourItems(), the first by default

    QString placeText() const;
    QString longitudeText() const;
    QString ziText() const;

private slots:
    void placeEdited(const QString& text);
    void placeChosen(const QString& label);

private:
    QCompleter* completer_;
    QStringListModel* matches_;
};
