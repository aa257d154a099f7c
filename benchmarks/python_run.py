"""A whole run of the heavy section from Python, report written, as BM_FullRun of analysis_benchmark times
it in C++: the median time of one run in ms, the fastest of several rounds.

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
    rounds = []
    for _ in range(5):
        times = []
        for _ in range(40):
            start = time.perf_counter()
            project.run().report(report)
            times.append(time.perf_counter() - start)
        rounds.append(statistics.median(times))
    os.remove(report)
    print(f"whole run with the report from Python: {min(rounds) * 1000:.2f} ms "
          f"(medians of the rounds {', '.join(f'{r * 1000:.2f}' for r in rounds)} ms)")


if __name__ == "__main__":
    main()
