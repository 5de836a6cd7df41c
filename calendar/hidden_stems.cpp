#include "hidden_stems.h"

#include "ganzhi.h"

namespace {

constexpr const char16_t* kHidden[kBranchCount] = {
    u"癸", u"癸辛己", u"甲丙戊", u"乙", u"乙戊癸", u"庚丙戊", u"己丁", u"乙己丁", u"戊庚壬", u"辛", u"辛丁戊", u"壬甲",
};

}  // namespace

QString HiddenStemsOf(int branch) { return QString::fromUtf16(kHidden[wrapIndex(branch, kBranchCount)]); }
