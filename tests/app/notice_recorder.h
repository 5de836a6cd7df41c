// Collects the notices and errors a window shows, as "caption:text", instead of modal boxes.
#pragma once

#include "app/notice.h"

#include <QStringList>

struct NoticeRecorder {
    QStringList notices;
    NoticeRecorder()
    {
        setNoticeSink([this](const QString& caption, const QString& text) { notices << caption + ":" + text; });
    }
    ~NoticeRecorder() { setNoticeSink({}); }
};
