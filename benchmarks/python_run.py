"""A whole run of the heavy section from Python, report written, as BM_FullRun of analysis_benchmark times
it in C++: the median wall-clock and CPU time of one run in ms, the fastest of several rounds.

    build-bench/benchmarks/heavy_section_file /tmp/heavy.json
    PYTHONPATH=build-bench/python taskset -c 1 /usr/bin/python3 benchmarks/python_run.py /tmp/heavy.json
"""

import os
import statistics
import sys
import tempfile
import time

import tarnix


def main():
    project = tarnix.load(sys.argv[1])
    report = os.path.join(tempfile.gettempdir(), "tarnix_python_benchmark.out")
    wall, cpu = [], []
    for _ in range(5):
        walls, cpus = [], []
        for _ in range(40):
            start, start_cpu = time.perf_counter(), time.process_time()
            project.run().report(report)
            walls.append(time.perf_counter() - start)
            cpus.append(time.process_time() - start_cpu)
        wall.append(statistics.median(walls))
        cpu.append(statistics.median(cpus))
    os.remove(report)
    print(f"whole run with the report from Python: {min(wall) * 1000:.2f} ms wall clock, {min(cpu) * 1000:.2f} ms CPU "
          f"(medians of the rounds {', '.join(f'{r * 1000:.2f}' for r in wall)} ms wall clock)")


if __name__ == "__main__":
    main()
