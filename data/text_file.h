// Saving a report as a plain-text file. Reports are written in GB18030 unless UTF-8 is asked for:
// for every character that GBK can hold the bytes are exactly GBK's, and characters outside GBK are
// kept instead of being turned into question marks. Each line ends in CR LF.
#pragma once

#include "expected.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The encodings a report can be saved in: GBK (as GB18030, the default) or UTF-8 without a byte
// order mark, which most Linux editors expect.
enum class ReportEncoding { Gbk, Utf8 };

// The bytes of lines as they go to disk, or why they cannot be encoded.
Expected<QByteArray, QString> encodeReportText(const QStringList& lines, ReportEncoding encoding = ReportEncoding::Gbk);

// Writes the file, replacing any file of that name. The error text is ready to show to the user.
Expected<Done, QString> writeReportFile(const QString& path, const QStringList& lines,
                                        ReportEncoding encoding = ReportEncoding::Gbk);

// The reverse, for tests and tools that read a saved report back.
QString decodeGb18030(const QByteArray& bytes);

// Text as the program's byte-indexed tables see it: GBK bytes for every character GBK holds (a
// character outside GBK takes GB18030's four bytes, which match no two-byte cell). Empty when the
// text cannot be converted (a lone surrogate).
Expected<QByteArray, QString> encodeGb18030(const QString& text);
