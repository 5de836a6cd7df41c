#include "ten_gods.h"

#include "ganzhi.h"

namespace {

// Elements in the order of the producing cycle: 木 produces 火, 火 土, 土 金, 金 水, 水 木; each
// element overcomes the one two steps on (木 overcomes 土, …).
constexpr char16_t kElements[] = u"木火土金水";
int elementOf(int stem) { return wrapIndex(stem, kStemCount) / 2; }

// By how many steps of the producing cycle the stem's element lies after the day stem's, paired
// with the word for the same and for the opposite polarity.
constexpr const char16_t* kGods[5][2] = {
    {u"比肩", u"劫财"},  // same element
    {u"食神", u"伤官"},  // the day stem produces it
    {u"偏财", u"正财"},  // the day stem overcomes it
    {u"七杀", u"正官"},  // it overcomes the day stem
    {u"偏印", u"正印"},  // it produces the day stem
};

}  // namespace

QString StemElement(int stem) { return QString(QChar(kElements[elementOf(stem)])); }

QString TenGodByRule(int dayStem, int stem)
{
    const int steps = wrapIndex(elementOf(stem) - elementOf(dayStem), 5);
    const bool samePolarity = wrapIndex(stem, kStemCount) % 2 == wrapIndex(dayStem, kStemCount) % 2;
    return QString::fromUtf16(kGods[steps][samePolarity ? 0 : 1]);
}
