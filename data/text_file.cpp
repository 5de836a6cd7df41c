#include "text_file.h"

#include <QSaveFile>
#include <cerrno>
#include <iconv.h>

namespace {

// Converts between UTF-8 and GB18030 with the C library's iconv, which ships the full GB18030
// table on every glibc system.
Expected<QByteArray, QString> convert(const char* to, const char* from, const QByteArray& input)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1)) return unexpected(QStringLiteral("系统不支持 GB18030 编码"));
    QByteArray out;
    out.resize(input.size() * 2 + 16);
    char* in = const_cast<char*>(input.constData());
    size_t inLeft = size_t(input.size());
    char* outPtr = out.data();
    size_t outLeft = size_t(out.size());
    while (inLeft > 0) {
        if (iconv(cd, &in, &inLeft, &outPtr, &outLeft) != size_t(-1)) continue;
        if (errno != E2BIG) {
            iconv_close(cd);
            return unexpected(QStringLiteral("文本含有无法转换的字符"));
        }
        const qsizetype used = outPtr - out.data();
        out.resize(out.size() * 2);
        outPtr = out.data() + used;
        outLeft = size_t(out.size() - used);
    }
    iconv_close(cd);
    out.resize(outPtr - out.data());
    return out;
}

}  // namespace

Expected<QByteArray, QString> encodeReportText(const QStringList& lines, ReportEncoding encoding)
{
    QByteArray utf8;
    for (const QString& line : lines) {
        utf8 += line.toUtf8();
        utf8 += "\r\n";
    }
    // Through iconv in both cases, so a lone surrogate is refused the same way.
    return convert(encoding == ReportEncoding::Utf8 ? "UTF-8" : "GB18030", "UTF-8", utf8);
}

Expected<Done, QString> writeReportFile(const QString& path, const QStringList& lines, ReportEncoding encoding)
{
    const auto bytes = encodeReportText(lines, encoding);
    if (!bytes) return unexpected(QStringLiteral("保存失败：%1").arg(bytes.error()));
    // QSaveFile writes beside the target and renames, so a failed write never leaves half a file.
    // The buffered tail is flushed here: commit() renames even when that last flush fails (a full
    // disk), which would put a cut-off report in place of the old one.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return unexpected(QStringLiteral("保存失败：%1").arg(file.errorString()));
    if (file.write(*bytes) != bytes->size() || !file.flush() || !file.commit())
        return unexpected(QStringLiteral("保存失败：%1").arg(file.errorString()));
    return Done{};
}

QString decodeGb18030(const QByteArray& bytes)
{
    const auto utf8 = convert("UTF-8", "GB18030", bytes);
    return utf8 ? QString::fromUtf8(*utf8) : QString();
}

Expected<QByteArray, QString> encodeGb18030(const QString& text)
{
    return convert("GB18030", "UTF-8", text.toUtf8());
}
