// Reads the almanac rule tables and the day-by-day almanac out of the npm package lunar-javascript
// (MIT licence), for extract_rules.py. Run by that script only, at development time:
//
//   node lunar_javascript.js PACKAGE_DIR rules            the rule tables, as one JSON object
//   node lunar_javascript.js PACKAGE_DIR days FROM TO     one JSON line per day (years FROM … TO)
//   node lunar_javascript.js PACKAGE_DIR lunar FROM TO    converts every day; prints the count and ms
'use strict';

const path = require('path');
const [packageDir, mode, from, to] = process.argv.slice(2);
const {Solar, LunarUtil} = require(path.resolve(packageDir));
const sixty = LunarUtil.JIA_ZI;
const branches = LunarUtil.ZHI.slice(1);

function rules() {
  // The spirits and the activities depend on the month's branch and the day's pair only; the
  // month's stem is passed as 甲 … for completeness and does not change the answer.
  const days = [];
  for (let month = 0; month < 12; ++month) {
    const monthPair = sixty.find((p) => p[1] === branches[month]);
    for (const day of sixty) {
      days.push({
        month: branches[month], day,
        good: LunarUtil.getDayJiShen(month, day), bad: LunarUtil.getDayXiongSha(month, day),
        yi: LunarUtil.getDayYi(monthPair, day), ji: LunarUtil.getDayJi(monthPair, day),
      });
    }
  }
  return {
    days,
    fetus: sixty.map((day, i) => ({day, position: LunarUtil.POSITION_TAI_DAY[i]})),
    pengzu: LunarUtil.PENGZU_GAN.slice(1).concat(LunarUtil.PENGZU_ZHI.slice(1)),
  };
}

function eachDay(first, last, visit) {
  let solar = Solar.fromYmd(first, 1, 1);
  while (solar.getYear() <= last) {
    visit(solar);
    solar = solar.next(1);
  }
}

if (mode === 'rules') {
  process.stdout.write(JSON.stringify(rules()));
} else if (mode === 'days') {
  const lines = [];
  eachDay(Number(from), Number(to), (solar) => {
    const l = solar.getLunar();
    lines.push(JSON.stringify({
      date: solar.toYmd(),
      lunarYear: l.getYearInGanZhi(), lunarMonth: l.getMonth(), lunarDay: l.getDay(),
      year: l.getYearInGanZhiByLiChun(), month: l.getMonthInGanZhi(), dayPair: l.getDayInGanZhi(),
      nayin: l.getDayNaYin(), officer: l.getZhiXing(), god: l.getDayTianShen(), path: l.getDayTianShenType(),
      clash: l.getDayChongGan() + l.getDayChong(), clashAnimal: l.getDayChongShengXiao(), sha: l.getDaySha(),
      pengzu: [l.getPengZuGan(), l.getPengZuZhi()], fetus: l.getDayPositionTai(),
      good: l.getDayJiShen(), bad: l.getDayXiongSha(), yi: l.getDayYi(), ji: l.getDayJi(),
    }));
    if (lines.length >= 1000) { process.stdout.write(lines.join('\n') + '\n'); lines.length = 0; }
  });
  process.stdout.write(lines.join('\n') + (lines.length ? '\n' : ''));
} else if (mode === 'lunar') {
  // Wall-clock and processor time: the machine may be shared, and the processor time is comparable.
  const start = process.hrtime.bigint(), startCpu = process.cpuUsage();
  let count = 0, sum = 0;
  eachDay(Number(from), Number(to), (solar) => { sum += solar.getLunar().getDay(); ++count; });
  const ms = Number(process.hrtime.bigint() - start) / 1e6;
  const cpu = process.cpuUsage(startCpu);
  process.stdout.write(JSON.stringify({count, sum, ms, cpuMs: (cpu.user + cpu.system) / 1000}) + '\n');
} else {
  process.stderr.write('usage: node lunar_javascript.js PACKAGE_DIR rules|days|lunar [FROM TO]\n');
  process.exit(2);
}
