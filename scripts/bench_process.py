#!/usr/bin/env python3
"""Whole-process figures of the command line: the CPU time (user + system, from wait4) of
starting, rendering and thumbnailing one picture, and of a batch per picture; and the wall time
of a batch with one and two workers on a temporary file system. Each is the best of N runs: the
machine may be shared, and the least time is the one least disturbed.

usage: bench_process.py PROGRAM SAMPLE OUT.json [--repetitions N]
Writes its figures as a Google Benchmark report, so that bench_table.py prints them beside the
in-process ones."""
import json
import os
import shutil
import sys
import tempfile
import time

BATCH_SIZE = 100


def run(argv):
    """CPU milliseconds and wall milliseconds of one run; fails the bench if it fails."""
    start = time.perf_counter()
    # posix_spawn shares the parent's memory until the exec, so that the child's time is the
    # program's own and not that of copying this interpreter.
    quiet = [(os.POSIX_SPAWN_OPEN, fd, os.devnull, os.O_WRONLY, 0) for fd in (1, 2)]
    pid = os.posix_spawn(argv[0], argv, os.environ, file_actions=quiet)
    _, status, usage = os.wait4(pid, 0)
    wall = (time.perf_counter() - start) * 1e3
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"bench: {' '.join(argv)} failed")
    return (usage.ru_utime + usage.ru_stime) * 1e3, wall


def best(repetitions, argv, prepare=lambda: None):
    """The least CPU time and the least wall time over the runs."""
    cpu, wall = float("inf"), float("inf")
    for _ in range(repetitions):
        prepare()
        c, w = run(argv)
        cpu, wall = min(cpu, c), min(wall, w)
    return cpu, wall


def main():
    args = sys.argv[1:]
    repetitions = 10
    if "--repetitions" in args:
        i = args.index("--repetitions")
        repetitions = int(args[i + 1])
        del args[i : i + 2]
    program, sample, report = os.path.abspath(args[0]), args[1], args[2]
    # A file system in memory, so that a batch measures converting rather than the disk.
    root = "/dev/shm" if os.path.isdir("/dev/shm") else None
    rows = []

    def add(name, ms):
        row = {"run_name": "Process/" + name, "aggregate_name": "median", "real_time": ms,
               "time_unit": "ms"}
        if name.endswith(" cpu"):
            row["cpu_time"] = ms
        rows.append(row)

    with tempfile.TemporaryDirectory(dir=root) as work:
        picture = os.path.join(work, "picture.vic")
        shutil.copy(sample, picture)
        add("version cpu", best(repetitions, [program, "--version"])[0])
        for kind in ("bmp", "png"):
            out = os.path.join(work, "out." + kind)
            add(f"render {kind} cpu", best(repetitions, [program, "render", picture, "-o", out])[0])
        thumb = os.path.join(work, "thumb.png")
        add("thumbnail cpu", best(repetitions, [program, "thumbnail", picture, thumb])[0])

        inputs = []
        for k in range(BATCH_SIZE):
            inputs.append(os.path.join(work, f"in{k:03}.vic"))
            shutil.copy(sample, inputs[-1])
        out_dir = os.path.join(work, "out")
        clear = lambda: shutil.rmtree(out_dir, ignore_errors=True)
        walls = {}
        for jobs in (1, 2):
            cpu, walls[jobs] = best(repetitions, [program, "render", *inputs, "-o", out_dir + "/",
                                                  f"-j{jobs}"], clear)
            if jobs == 1:
                add("batch per picture cpu", cpu / BATCH_SIZE)
            add(f"batch of {BATCH_SIZE} -j{jobs} wall", walls[jobs])
    with open(report, "w") as f:
        json.dump({"benchmarks": rows}, f)


if __name__ == "__main__":
    main()
