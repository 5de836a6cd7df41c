// From a result line such as 王明华(85分) to the given name that the name analysis window receives.
// The cut goes by the byte length of whatever the surname box holds now, so a line read under
// another surname is cut as the box says (with 欧阳 in the box, 王明华 gives 华).
#pragma once

#include <QString>

// The name of a result line: its text before the first "(" (the whole text when there is none).
QString nameOfResultLine(const QString& line);

// The name without the first GB-byte length of the trimmed surname box, at most 20 bytes, trimmed.
// A character that the surname length would split in half is dropped with the surname.
QString givenNameAfterSurname(const QString& name, const QString& surnameBox);
