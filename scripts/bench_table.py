#!/usr/bin/env python3
"""Prints the medians of Google Benchmark JSON reports (CPU time) as one table, with the ratio
of each operation to the floor of its kind: the least work that operation could possibly do.
Memory figures and page faults, where a report has them, follow in tables of their own."""
import json
import re
import sys

# (operations, floor, speed-up): each operation matching the pattern is compared with the
# floor, as time over floor, or for a speed-up as floor over time.
FLOORS = [
    (re.compile(r"^Render"), "Floor", False),
    (re.compile(r"^BM_(list_directory|enumerate_only)"), "BM_readdir_and_stat", False),
    (re.compile(r"^BM_.*PresentingTick"), "BM_BareCopy659x549", False),
    # Starting the program is at least starting a C++ program.
    (re.compile(r"^Process/(version|render|thumbnail) "), "Process/empty program cpu", False),
    # A batch converts the same picture as Render/1/static, and writes it besides.
    (re.compile(r"^Process/batch per picture"), "Render/1/static", False),
    # How many times as fast two workers are as one.
    (re.compile(r"^Process/batch of 100 -j2"), "Process/batch of 100 -j1 wall", True),
    # An SDL program that presents one frame and does nothing else.
    (re.compile(r"^Process/viewer first frame"), "Process/first frame floor wall", False),
]
SCALE = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}


def medians(paths):
    rows, memory, faults = [], [], []
    for path in paths:
        with open(path) as f:
            report = json.load(f)
        for b in report["benchmarks"]:
            if b.get("aggregate_name") != "median" or b.get("error_occurred"):
                continue
            if "memory_mb" in b:
                memory.append((b["run_name"], b["memory_mb"]))
                continue
            if "page_faults" in b:
                faults.append((b["run_name"], b["page_faults"]))
                continue
            # CPU time where the report has it: the machine may be shared, and waiting for it
            # is not work. Wall time only where it is the point (a batch with more workers).
            rows.append((b["run_name"], b.get("cpu_time", b["real_time"]) * SCALE[b["time_unit"]]))
    return rows, memory, faults


def show(us):
    if us >= 1000:
        return f"{us / 1000:.2f} ms"
    return f"{us:.1f} us" if us >= 10 else f"{us:.3f} us"


def main():
    rows, memory, faults = medians(sys.argv[1:])
    times = dict(rows)
    width = max(len(name) for name, _ in rows + memory + faults)
    print(f"{'operation':<{width}}  {'median':>10}  {'x floor':>8}")
    for name, us in rows:
        ratio = ""
        for pattern, floor, speed_up in FLOORS:
            if pattern.search(name) and floor in times:
                ratio = f"{times[floor] / us:.2f}" if speed_up else f"{us / times[floor]:.2f}"
        print(f"{name:<{width}}  {show(us):>10}  {ratio:>8}")
    if memory:
        print(f"\n{'memory, largest resident':<{width}}  {'MB':>10}")
        for name, mb in memory:
            print(f"{name:<{width}}  {mb:>10.1f}")
    if faults:
        # Beside an empty C++ program's, which every start pays.
        empty = dict(faults).get("Faults/empty program")
        print(f"\n{'page faults, fewest':<{width}}  {'pages':>10}  {'beyond':>8}")
        for name, pages in faults:
            beyond = f"{pages - empty}" if empty is not None else ""
            print(f"{name:<{width}}  {pages:>10}  {beyond:>8}")


if __name__ == "__main__":
    main()
