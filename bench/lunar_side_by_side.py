#!/usr/bin/env python3
"""Converts every day of 1901-2050 to its lunar date with our engine and with the npm package
lunar-javascript under node, in one run, and prints both times and the ratio.

    python3 bench/lunar_side_by_side.py [--bench build/bin/jiaming-bench] [--package DIR]

Ours is timed by jiaming-bench (BM_CalendarLunarCodeEveryDay, the calendar window's table, and
BM_SolarToLunarEveryDay, the birth forms' table); theirs by db/almanac/lunar_javascript.js, which walks
the same days with Solar.getLunar(). Without --package, lunar-javascript is installed with npm into a
temporary folder; without npm or node the script says so and stops.
"""
import argparse
import json
import os
import shutil
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PACKAGE_VERSION = "1.7.7"


def ours(bench):
    out = subprocess.run([bench, "--benchmark_filter=BM_CalendarLunarCodeEveryDay|BM_SolarToLunarEveryDay",
                          "--benchmark_format=json", "--benchmark_repetitions=3",
                          "--benchmark_report_aggregates_only=true"],
                         check=True, capture_output=True, text=True).stdout
    times = {}
    for b in json.loads(out)["benchmarks"]:
        if b.get("aggregate_name") == "median":
            scale = {"ms": 1.0, "us": 1e-3, "ns": 1e-6}[b["time_unit"]]
            times[b["run_name"]] = b["cpu_time"] * scale
    return times


def theirs(package):
    script = os.path.join(ROOT, "db", "almanac", "lunar_javascript.js")
    best = None
    for _ in range(3):
        start = subprocess.run(["node", script, package, "lunar", "1901", "2050"],
                               check=True, capture_output=True, text=True).stdout
        result = json.loads(start)
        best = result if best is None or result["cpuMs"] < best["cpuMs"] else best
    return best


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--bench", default=os.path.join(ROOT, "build", "bin", "jiaming-bench"))
    parser.add_argument("--package", help="an unpacked lunar-javascript")
    args = parser.parse_args()
    if not shutil.which("node") or (not args.package and not shutil.which("npm")):
        print("node and npm are needed for the side-by-side run", file=sys.stderr)
        return 1
    with tempfile.TemporaryDirectory() as workdir:
        package = args.package
        if not package:
            subprocess.run(["npm", "install", "--silent", "--no-save", "--prefix", workdir,
                            "lunar-javascript@" + PACKAGE_VERSION], check=True)
            package = os.path.join(workdir, "node_modules", "lunar-javascript")
        js = theirs(package)
        mine = ours(args.bench)
    print("days 1901-2050: %d" % js["count"])
    print("processor time (node: the best of three runs; ours: the median of three):")
    print("lunar-javascript (node)          %9.1f ms" % js["cpuMs"])
    for name, ms in sorted(mine.items()):
        print("%-32s %9.1f ms   %6.1fx faster" % (name, ms, js["cpuMs"] / ms))
    return 0


if __name__ == "__main__":
    sys.exit(main())
