// The bone-weight reading (称骨) of the bazi page: four weights looked up in dream.dll by lunar year,
// lunar month, lunar day and clock hour, added up, and the verse and explanation stored for the
// total.
#pragma once

#include <QString>
#include <optional>

// A weight total in 钱 (tenths of a 两) written as the two-digit key of table chenggu: 两 then 钱,
// so 42 for 4两2钱 and 50 for 5两. Totals of 10 两 and more have no two-digit form; they give a key
// that no row carries ("1" for 10两, "1." for 10两5钱), which the tables never reach.
QString WeightCode(int totalQian);

// One line of the reading: part 0 "你的骨重为：4两2钱" (only "…5两" for a whole 两), part 1 "骨重诗评："
// and the verse, part 2 "骨重解评：" and the explanation. The four values are decimal texts (1984, 1,
// 15, 8); a value without a row weighs nothing. No line for any part when no row carries the total's
// key, and none for a part other than 0 … 2. Every call runs all five statements again; when one
// cannot run the whole action is abandoned (ActionAbandoned).
std::optional<QString> BoneWeightLine(const QString& year, const QString& month, const QString& day,
                                      const QString& hour, int part);
