// The program's links, shared by the toolbar and the tools page. The program has no web site and no
// mail service of its own: every link leads into the user guide installed beside the executable.
#pragma once

#include <QString>
#include <QUrl>

class QWidget;

// Where the user guide is read from: jiaming-guide.html beside the executable, unless set.
QString userGuidePath();
// Points the links at another copy of the guide (a test's, or a missing file); empty restores the default.
void setUserGuidePath(const QString& path);

// The guide as a file URL, at one of its sections when given (the section's id in the page).
QUrl userGuideUrl(const QString& section = QString());

QUrl officialSiteUrl();   // "官方网站": the guide itself
QUrl consultationUrl();   // "在线咨询": the guide's common questions
QUrl feedbackUrl();       // "联系邮箱": the guide's section on reporting a problem

// What the user is told when a link cannot be opened; it shows the address so it can be copied.
QString linkFailureText(const QUrl& url);

// Hands url to the system's handler. A guide file that is missing, or a link the system cannot open,
// is told to the user with its address. Returns whether the link was handed on.
bool openProgramLink(QWidget* parent, const QUrl& url);
