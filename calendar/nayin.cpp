#include "nayin.h"

#include "ganzhi.h"

namespace {

constexpr const char16_t* kNames[30] = {
    u"海中金", u"炉中火", u"大林木", u"路旁土", u"剑锋金", u"山头火", u"涧下水", u"城头土", u"白蜡金", u"杨柳木",
    u"泉中水", u"屋上土", u"霹雳火", u"松柏木", u"长流水", u"沙中金", u"山下火", u"平地木", u"壁上土", u"金箔金",
    u"覆灯火", u"天河水", u"大驿土", u"钗钏金", u"桑柘木", u"大溪水", u"沙中土", u"天上火", u"石榴木", u"大海水",
};

}  // namespace

QString NayinName(int n) { return QString::fromUtf16(kNames[wrapIndex(n, 60) / 2]); }

QString NayinElement(int n) { return NayinName(n).right(1); }
