// The baby's details as last entered on any birth row during this run: the surname (from rows that
// have one), the sex and the birth moment. Every birth row starts from them and follows them, so a
// parent enters them once, on whichever page comes first. They live only as long as the process:
// nothing is written to disk.
#pragma once

#include "data/birth_info.h"

#include <QObject>
#include <QString>
#include <optional>

class BirthDetails : public QObject {
    Q_OBJECT
public:
    static BirthDetails& shared();  // the one of this process

    // Empty until a row has entered them.
    const std::optional<QString>& surname() const { return surname_; }
    const std::optional<BirthInfo>& birth() const { return birth_; }

    // What a row holds after the user changed it. A row without a surname box passes none and
    // leaves the surname as it was. Tells the rows only when something changed.
    void enter(const std::optional<QString>& surname, const BirthInfo& birth);
    void forget();  // as at the start of a run

signals:
    void changed();

private:
    std::optional<QString> surname_;
    std::optional<BirthInfo> birth_;
};
