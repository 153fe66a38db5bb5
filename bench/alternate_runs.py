#!/usr/bin/env python3
"""Times two or more commands in alternation and prints each one's median.

    alternate_runs.py [--runs N] [--warmup N] [--target RATIO] COMMAND COMMAND...

Each COMMAND is one shell-quoted string, split like a shell would but run
without one. Alternating the runs spreads any load on the machine over all
the commands alike, which a series of runs per command does not. The ratios
are of each command's median to the last command's; with --target, a last
line gives the first command's ratio and whether it is at most the target.
"""
import argparse
import shlex
import statistics
import subprocess
import sys
import time


def run_once(argv):
    start = time.perf_counter()
    completed = subprocess.run(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    elapsed = time.perf_counter() - start
    if completed.returncode != 0:
        sys.exit(f"{shlex.join(argv)} failed with status {completed.returncode}")
    return elapsed


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--runs", type=int, default=20)
    parser.add_argument("--warmup", type=int, default=3)
    parser.add_argument("--target", type=float)
    parser.add_argument("commands", nargs="+")
    options = parser.parse_args()
    commands = [shlex.split(command) for command in options.commands]

    for _ in range(options.warmup):
        for argv in commands:
            run_once(argv)
    times = [[] for _ in commands]
    for _ in range(options.runs):
        for argv, taken in zip(commands, times):
            taken.append(run_once(argv))

    reference = statistics.median(times[-1])
    for command, taken in zip(options.commands, times):
        median = statistics.median(taken)
        print(f"{median * 1000:8.1f} ms median  {min(taken) * 1000:8.1f} ms min  "
              f"{median / reference:5.2f}x  {command}")
    if options.target is not None:
        ratio = statistics.median(times[0]) / reference
        verdict = "pass" if ratio <= options.target else "MISSED"
        print(f"ratio {ratio:.2f} (target at most {options.target}): {verdict}")


if __name__ == "__main__":
    main()
