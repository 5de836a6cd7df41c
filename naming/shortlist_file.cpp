#include "shortlist_file.h"

#include "data/text_file.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringList>

namespace {

constexpr int kShortestName = 2;   // a surname and one given character
constexpr int kLongestName = 12;   // a compound surname and ten given characters (20 GB bytes)

// The compound surnames the stroke tables are made for; the list lives with the other name lists.
const QStringList& compoundSurnames()
{
    static const QStringList list = [] {
        QStringList out;
        QFile file(QStringLiteral(":/naming/compound_surnames.txt"));
        if (!file.open(QIODevice::ReadOnly)) return out;
        for (const QString& line : QString::fromUtf8(file.readAll()).split(u'\n')) {
            const QString s = line.trimmed();
            if (!s.isEmpty() && !s.startsWith(u'#')) out << s;
        }
        return out;
    }();
    return list;
}

// UTF-8 when the bytes are valid UTF-8 (a byte-order mark is dropped), otherwise GB18030, whose
// two-byte part is GBK.
QString decodeShortlist(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) return text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text;
    return decodeGb18030(bytes);
}

bool isNameText(const QString& name)
{
    const QList<uint> chars = name.toUcs4();
    if (chars.size() < kShortestName || chars.size() > kLongestName) return false;
    for (uint c : chars)
        if (QChar::script(char32_t(c)) != QChar::Script_Han) return false;
    return true;
}

}  // namespace

QString surnameOfFullName(const QString& fullName, const QString& surnameBox)
{
    const QString box = surnameBox.trimmed();
    if (!box.isEmpty() && fullName.size() > box.size() && fullName.startsWith(box)) return box;
    for (const QString& compound : compoundSurnames())
        if (fullName.size() > compound.size() && fullName.startsWith(compound)) return compound;
    return fullName.left(fullName.at(0).isHighSurrogate() ? 2 : 1);
}

QByteArray shortlistFileText(const std::vector<ShortlistName>& names)
{
    QString text;
    for (const ShortlistName& n : names) {
        text += n.fullName();
        if (!n.source.isEmpty()) text += u'\t' + n.source.simplified();
        text += u'\n';
    }
    return text.toUtf8();
}

ShortlistFileRead parseShortlistText(const QByteArray& bytes, const QString& surnameBox)
{
    ShortlistFileRead read;
    for (QString line : decodeShortlist(bytes).split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        if (line.trimmed().isEmpty()) continue;
        const QStringList fields = line.split(u'\t');
        const QString name = fields.front().trimmed();
        if (fields.size() > 2 || !isNameText(name)) {
            ++read.skipped;
            continue;
        }
        const QString surname = surnameOfFullName(name, surnameBox);
        ShortlistName entry{surname, name.mid(surname.size()), fields.size() == 2 ? fields[1].trimmed() : QString(), {}};
        bool seen = false;
        for (const ShortlistName& n : read.names) seen = seen || n.fullName() == name;
        if (!seen) read.names.push_back(entry);
    }
    return read;
}

Expected<Done, QString> writeShortlistFile(const QString& path, const std::vector<ShortlistName>& names)
{
    // Written aside and moved into place, so a full disk never leaves half a list behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return unexpected(QStringLiteral("无法写入文件：") + path);
    file.write(shortlistFileText(names));
    if (!file.commit()) return unexpected(QStringLiteral("无法写入文件：") + path);
    return Done{};
}

Expected<ShortlistFileRead, QString> readShortlistFile(const QString& path, const QString& surnameBox)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return unexpected(QStringLiteral("无法打开文件：") + path);
    return parseShortlistText(file.readAll(), surnameBox);
}

QString shortlistReadNotice(const ShortlistFileRead& read, int added)
{
    QString notice = QStringLiteral("已读入 %1 个名字").arg(read.names.size());
    if (added < int(read.names.size()))
        notice += QStringLiteral("，其中 %1 个已在已选名字中").arg(int(read.names.size()) - added);
    if (read.skipped > 0) notice += QStringLiteral("；跳过 %1 行无法识别的内容").arg(read.skipped);
    return notice + QStringLiteral("。");
}
