#include "program_links.h"

#include "app/notice.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

namespace {

QString& guidePathOverride()
{
    static QString path;
    return path;
}

}  // namespace

QString userGuidePath()
{
    if (!guidePathOverride().isEmpty()) return guidePathOverride();
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("jiaming-guide.html"));
}

void setUserGuidePath(const QString& path)
{
    guidePathOverride() = path;
}

QUrl userGuideUrl(const QString& section)
{
    QUrl url = QUrl::fromLocalFile(userGuidePath());
    if (!section.isEmpty()) url.setFragment(section);
    return url;
}

QUrl officialSiteUrl() { return userGuideUrl(); }
QUrl consultationUrl() { return userGuideUrl(QStringLiteral("questions")); }
QUrl feedbackUrl() { return userGuideUrl(QStringLiteral("feedback")); }

QString linkFailureText(const QUrl& url)
{
    const QString address = url.isLocalFile() ? url.toLocalFile() : url.toString();
    if (url.isLocalFile() && !QFileInfo::exists(address))
        return QStringLiteral("找不到使用说明文件：\n%1\n请重新安装本软件。").arg(address);
    return QStringLiteral("系统没有找到能打开这个链接的程序，请手动打开：\n%1").arg(url.toString());
}

bool openProgramLink(QWidget* parent, const QUrl& url)
{
    if ((url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) || !QDesktopServices::openUrl(url)) {
        showNotice(parent, linkFailureText(url));
        return false;
    }
    return true;
}
