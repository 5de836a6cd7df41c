// The stems hidden in each earthly branch (遁藏), in the order in which the reports print them.
#pragma once

#include <QString>

// 子 癸, 丑 癸辛己, 寅 甲丙戊, … 亥 壬甲; the branch index wraps.
QString HiddenStemsOf(int branch);
