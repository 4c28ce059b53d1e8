#!/usr/bin/env python3
"""Whole-process figures: the CPU time (user + system, from wait4) of starting, rendering and
thumbnailing one picture (rendering also before the caption's glyphs are stored), of a batch per picture, and of an empty C++ program (the start
floor); the wall time of a batch with one and two workers on a temporary file system; the
largest memory of batches; and the viewer's first frame, from exec to its first present, with
and without a D-Bus session bus, beside an SDL program that presents one frame. Each time is the
best of N runs: the machine may be shared, and the least time is the one least disturbed.

usage: bench_process.py BUILD_DIR SAMPLE SAMPLES_DIR OUT.json [--repetitions N]
Writes its figures as a Google Benchmark report, so that bench_table.py prints them beside the
in-process ones."""
import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

BATCH_SIZE = 100


def spawn(argv, env=None):
    """The pid of argv started with stdout and stderr discarded."""
    # posix_spawn shares the parent's memory until the exec, so that the child's time is the
    # program's own and not that of copying this interpreter.
    quiet = [(os.POSIX_SPAWN_OPEN, fd, os.devnull, os.O_WRONLY, 0) for fd in (1, 2)]
    return os.posix_spawn(argv[0], argv, env or os.environ, file_actions=quiet)


def finished(pid, argv):
    """The resource usage of the ended process; fails the bench if it failed."""
    _, status, usage = os.wait4(pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"bench: {' '.join(argv)} failed")
    return usage


def run(argv):
    """CPU milliseconds, wall milliseconds, largest resident megabytes and page faults (pages
    the program touched first) of one run."""
    start = time.perf_counter()
    usage = finished(spawn(argv), argv)
    wall = (time.perf_counter() - start) * 1e3
    return (usage.ru_utime + usage.ru_stime) * 1e3, wall, usage.ru_maxrss / 1024, usage.ru_minflt


def best(repetitions, argv, prepare=lambda: None):
    """The least CPU time, the least wall time, the largest memory and the fewest page faults
    over the runs."""
    cpu, wall, memory, faults = float("inf"), float("inf"), 0.0, float("inf")
    for _ in range(repetitions):
        prepare()
        c, w, m, f = run(argv)
        cpu, wall, memory, faults = min(cpu, c), min(wall, w), max(memory, m), min(faults, f)
    return cpu, wall, memory, faults


def first_frame(repetitions, argv, env, probe, cwd):
    """The least time from exec to the first presented frame, in milliseconds: the probe,
    preloaded, notes the monotonic clock at the first present and ends the program."""
    least = float("inf")
    with tempfile.TemporaryDirectory() as work:
        mark = os.path.join(work, "first-frame")
        env = dict(env, LD_PRELOAD=probe, VELORA_FIRST_FRAME_FILE=mark, SDL_AUDIODRIVER="dummy")
        for _ in range(repetitions):
            if os.path.exists(mark):
                os.unlink(mark)
            here = os.getcwd()
            os.chdir(cwd)
            start = time.monotonic_ns()
            pid = spawn(argv, env)
            os.chdir(here)
            finished(pid, argv)
            with open(mark) as f:
                least = min(least, (int(f.read()) - start) / 1e6)
    return least


class x_server:
    """An X server of our own, without a window manager, on the first free display of :81..:89;
    None as a context when Xvfb is missing or none could be started."""

    def __enter__(self):
        self.process = None
        if shutil.which("Xvfb") is None:
            return None
        for n in range(81, 90):
            if os.path.exists(f"/tmp/.X{n}-lock") or os.path.exists(f"/tmp/.X11-unix/X{n}"):
                continue
            self.process = subprocess.Popen(
                ["Xvfb", f":{n}", "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            for _ in range(100):
                if os.path.exists(f"/tmp/.X11-unix/X{n}") or self.process.poll() is not None:
                    break
                time.sleep(0.05)
            if self.process.poll() is None:
                time.sleep(0.2)  # the socket is there before the server answers on it
                return f":{n}"
            self.process = None
        return None

    def __exit__(self, *_):
        if self.process:
            self.process.terminate()
            self.process.wait()


class session_bus:
    """A D-Bus session bus of our own; its address, or None when dbus-daemon is missing."""

    def __enter__(self):
        self.pid = None
        if shutil.which("dbus-daemon") is None:
            return None
        out = subprocess.run(["dbus-daemon", "--session", "--fork", "--print-address=1",
                              "--print-pid=1"], capture_output=True, text=True, check=True)
        address, pid = out.stdout.split()[:2]
        self.pid = int(pid)
        return address

    def __exit__(self, *_):
        if self.pid:
            os.kill(self.pid, 15)


def viewer_figures(add, build, samples, repetitions):
    """The viewer's first frame on the samples folder, with and without a session bus, and the
    SDL program's beside it."""
    probe = os.path.join(build, "bench", "process", "first_frame_probe.so")
    viewer = os.path.join(build, "velora2003")
    floor = os.path.join(build, "bench", "process", "first_frame_floor")
    with x_server() as display:
        if display is None:
            print("bench: no X server for the viewer's first frame", file=sys.stderr)
            return
        base = {k: v for k, v in os.environ.items()
                if k not in ("DBUS_SESSION_BUS_ADDRESS", "WAYLAND_DISPLAY", "SDL_VIDEODRIVER")}
        base["DISPLAY"] = display
        with tempfile.TemporaryDirectory() as runtime:
            # A runtime folder without a bus in it: the session has none.
            lone = dict(base, XDG_RUNTIME_DIR=runtime)
            add("first frame floor wall", first_frame(repetitions, [floor], lone, probe, samples))
            add("viewer first frame, no session bus wall",
                first_frame(repetitions, [viewer], lone, probe, samples))
            with session_bus() as address:
                if address:
                    add("viewer first frame, session bus wall",
                        first_frame(repetitions, [viewer], dict(lone, DBUS_SESSION_BUS_ADDRESS=address),
                                    probe, samples))


def main():
    args = sys.argv[1:]
    repetitions = 15
    if "--repetitions" in args:
        i = args.index("--repetitions")
        repetitions = int(args[i + 1])
        del args[i : i + 2]
    build, sample, samples, report = os.path.abspath(args[0]), args[1], os.path.abspath(args[2]), args[3]
    program = os.path.join(build, "velora2003")
    # A file system in memory, so that a batch measures converting rather than the disk.
    root = "/dev/shm" if os.path.isdir("/dev/shm") else None
    rows = []

    def add(name, ms):
        row = {"run_name": "Process/" + name, "aggregate_name": "median", "real_time": ms,
               "time_unit": "ms"}
        if name.endswith(" cpu"):
            row["cpu_time"] = ms
        rows.append(row)

    def add_memory(name, mb):
        rows.append({"run_name": "Memory/" + name, "aggregate_name": "median", "memory_mb": mb})

    # Page faults do not vary with the machine's load as its time does: each is a page the
    # program touched first, which costs the kernel a fresh page.
    def add_started(name, argv, prepare=lambda: None):
        cpu, _, _, faults = best(repetitions, argv, prepare)
        add(name + " cpu", cpu)
        rows.append({"run_name": "Faults/" + name, "aggregate_name": "median",
                     "page_faults": faults})

    with tempfile.TemporaryDirectory(dir=root) as work:
        # The caption's glyphs are kept here after the first render, as in a user's cache.
        glyphs = os.path.join(work, "cache")
        os.environ["XDG_CACHE_HOME"] = glyphs
        empty = os.path.join(build, "bench", "process", "empty_program")
        add_started("empty program", [empty])
        picture = os.path.join(work, "picture.vic")
        shutil.copy(sample, picture)
        add_started("version", [program, "--version"])
        for kind in ("bmp", "png"):
            out = os.path.join(work, "out." + kind)
            add_started(f"render {kind}", [program, "render", picture, "-o", out])
        add_started("render bmp, no glyphs stored",
                    [program, "render", picture, "-o", os.path.join(work, "out.bmp")],
                    lambda: shutil.rmtree(glyphs, ignore_errors=True))
        thumb = os.path.join(work, "thumb.png")
        add_started("thumbnail", [program, "thumbnail", picture, thumb])

        inputs = []
        for k in range(BATCH_SIZE):
            inputs.append(os.path.join(work, f"in{k:03}.vic"))
            shutil.copy(sample, inputs[-1])
        out_dir = os.path.join(work, "out")
        clear = lambda: shutil.rmtree(out_dir, ignore_errors=True)
        walls = {}
        batch_repetitions = max(3, repetitions // 3)
        for jobs in (1, 2):
            cpu, walls[jobs], memory, _ = best(batch_repetitions, [program, "render", *inputs,
                                                                   "-o", out_dir + "/", f"-j{jobs}"],
                                               clear)
            if jobs == 1:
                add("batch per picture cpu", cpu / BATCH_SIZE)
            add(f"batch of {BATCH_SIZE} -j{jobs} wall", walls[jobs])
            add_memory(f"batch of {BATCH_SIZE} -j{jobs}", memory)
        add_memory("batch of 10 -j1",
                   best(batch_repetitions, [program, "render", *inputs[:10], "-o", out_dir + "/",
                                            "-j1"], clear)[2])
        add_memory(f"batch of {BATCH_SIZE} -j256",
                   best(1, [program, "render", *inputs, "-o", out_dir + "/", "-j256"], clear)[2])
    viewer_figures(add, build, samples, repetitions)
    with open(report, "w") as f:
        json.dump({"benchmarks": rows}, f)


if __name__ == "__main__":
    main()
