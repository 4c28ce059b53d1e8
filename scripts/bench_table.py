#!/usr/bin/env python3
"""Prints the medians of Google Benchmark JSON reports (CPU time) as one table, with the ratio
of each operation to the floor of its kind: the least work that operation could possibly do."""
import json
import re
import sys

# (operations, floor): each operation matching the pattern is compared with the floor.
FLOORS = [
    (re.compile(r"^Render"), "Floor"),
    (re.compile(r"^BM_(list_directory|enumerate_only)"), "BM_bare_readdir"),
    (re.compile(r"^BM_.*PresentingTick"), "BM_BareCopy659x549"),
    (re.compile(r"^BM_ListZipOf1000Pictures"), "BM_LibarchiveWalkOfTheSameZip"),
    (re.compile(r"^BM_EnterPictureInZip"), "BM_EnterPictureFromFolder"),
    # A batch converts the same picture as Render/1/static, and writes it besides.
    (re.compile(r"^Process/batch per picture"), "Render/1/static"),
    # Below 1: two workers take that share of one worker's time.
    (re.compile(r"^Process/batch of 100 -j2"), "Process/batch of 100 -j1 wall"),
]
SCALE = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}


def medians(paths):
    rows = []
    for path in paths:
        with open(path) as f:
            report = json.load(f)
        for b in report["benchmarks"]:
            if b.get("aggregate_name") != "median" or b.get("error_occurred"):
                continue
            # CPU time where the report has it: the machine may be shared, and waiting for it
            # is not work. Wall time only where it is the point (a batch with more workers).
            rows.append((b["run_name"], b.get("cpu_time", b["real_time"]) * SCALE[b["time_unit"]]))
    return rows


def show(us):
    if us >= 1000:
        return f"{us / 1000:.2f} ms"
    return f"{us:.1f} us" if us >= 10 else f"{us:.3f} us"


def main():
    rows = medians(sys.argv[1:])
    times = dict(rows)
    width = max(len(name) for name, _ in rows)
    print(f"{'operation':<{width}}  {'median':>10}  {'x floor':>8}")
    for name, us in rows:
        ratio = ""
        for pattern, floor in FLOORS:
            if pattern.search(name) and floor in times:
                ratio = f"{us / times[floor]:.2f}"
        print(f"{name:<{width}}  {show(us):>10}  {ratio:>8}")


if __name__ == "__main__":
    main()
