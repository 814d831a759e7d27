#!/usr/bin/python3
"""The Python module's benchmark: txtcvt.read_signals of the benchmark capture (bench/run.py's
DBC file and capture, smaller) beside pandas.read_csv of the CSV txtcvt-cli writes for it, both
single-threaded in this process; then eight captures with txtcvt.dask on a LocalCluster of two
worker processes beside the same work in one process.

    /usr/bin/python3 bench/python_read.py [--size-mib 32] [--build build/python]
                                          [--work /dev/shm/txtcvt-pybench] [--rounds 3]
                                          [--no-dask]

Values per second count the rows of the long table (one per decoded signal value). Run it when
the machine is quiet: the best of the rounds is shown.
"""
import argparse
import os
import subprocess
import sys
import time


def best_of(rounds, work, settle=lambda: None):
    """The shortest time of `rounds` runs of work(), and the last result; settle() runs before
    each round, untimed."""
    best, result = float("inf"), None
    for _ in range(rounds):
        settle()
        start = time.perf_counter()
        result = work()
        best = min(best, time.perf_counter() - start)
    return best, result


def both_clocks(rounds, work):
    """(best wall-clock seconds, best processor seconds of this process, the result): on a
    machine others load too the processor time shows the work itself."""
    wall, cpu, result = float("inf"), float("inf"), None
    for _ in range(rounds):
        start, start_cpu = time.perf_counter(), time.process_time()
        result = work()
        wall = min(wall, time.perf_counter() - start)
        cpu = min(cpu, time.process_time() - start_cpu)
    return wall, cpu, result


def make_captures(build, work, size_mib, count):
    dtgen = os.path.join(build, "tools", "dtgen", "dtgen")
    dbc = os.path.join(work, "bench.dbc")
    maker = os.path.join(os.path.dirname(os.path.abspath(__file__)), "make_bench_dbc.py")
    ids = subprocess.run([sys.executable, maker, dbc], check=True, capture_output=True,
                         text=True).stdout.strip()
    records = size_mib * 1024 * 1024 // 32
    captures = []
    for seed in range(1, count + 1):
        path = os.path.join(work, f"capture{seed}.DT")
        description = (f"variant 29\nstart 1714566896 0\n"
                       f"random {records} seed {seed} step 250 length 8 ids {ids}\n")
        subprocess.run([dtgen, "-", path], input=description.encode(), check=True)
        captures.append(path)
    return dbc, captures


def single_reader(build, work, dbc, capture, rounds):
    import pandas as pd
    import txtcvt

    database = txtcvt.Database(dbc)
    seconds, cpu, df = both_clocks(rounds, lambda: txtcvt.read_signals(capture, database))
    values = len(df)
    memory = df.memory_usage(deep=False).sum() / 2**20
    del df
    print(f"txtcvt.read_signals:  {seconds:6.2f} s, {values / seconds / 1e6:6.2f} M values/s; "
          f"processor {cpu:.2f} s, {values / cpu / 1e6:.2f} M values/s "
          f"({values} values, data frame {memory:.0f} MiB)")

    cli = os.path.join(build, "cli", "txtcvt-cli")
    csv = os.path.join(work, "capture1.csv")
    start = time.perf_counter()
    subprocess.run([cli, "convert", "--quiet", "--jobs", "1", "--dbc", dbc, "--output", csv,
                    capture], check=True, cwd=work)
    convert_seconds = time.perf_counter() - start
    csv_seconds, csv_cpu, table = both_clocks(rounds, lambda: pd.read_csv(csv))
    assert len(table) == values, (len(table), values)
    del table
    print(f"txtcvt-cli convert:   {convert_seconds:6.2f} s, "
          f"{values / convert_seconds / 1e6:6.2f} M values/s (CSV {os.path.getsize(csv) / 2**20:.0f} MiB)")
    print(f"pandas.read_csv:      {csv_seconds:6.2f} s, {values / csv_seconds / 1e6:6.2f} M values/s; "
          f"processor {csv_cpu:.2f} s, {values / csv_cpu / 1e6:.2f} M values/s, of that CSV")
    print(f"read_signals in {seconds / csv_seconds:.2f} of read_csv's time; CSV then read_csv in "
          f"{(convert_seconds + csv_seconds) / seconds:.1f} times read_signals' time")
    os.remove(csv)


def dask_readers(dbc, captures, rounds):
    """Reading the captures (their rows counted), the mean of each signal, and the CSV files:
    in this process, and on a LocalCluster of two worker processes."""
    import distributed
    import pandas as pd
    import txtcvt
    import txtcvt.dask

    def rows_here():
        return sum(len(txtcvt.read_signals(path, dbc)) for path in captures)

    def mean_here():
        # What Dask does per partition, then the same combination.
        parts = [txtcvt.read_signals(path, dbc).groupby("signal", observed=True).value
                 .agg(["sum", "count"]) for path in captures]
        total = pd.concat(parts).groupby(level=0).sum()
        return total["sum"] / total["count"]

    folder = os.path.dirname(captures[0])
    here = {"read": best_of(rounds, rows_here), "mean per signal": best_of(rounds, mean_here),
            "into CSV": best_of(rounds, lambda: txtcvt.convert(
                captures, dbc, os.path.join(folder, "one-out")))}
    with distributed.LocalCluster(n_workers=2, threads_per_worker=1, processes=True,
                                  dashboard_address=None, silence_logs=40) as cluster, \
            distributed.Client(cluster) as client:
        def settle():
            # A result the workers still hold would be handed back instead of computed again.
            while any(client.has_what().values()):
                time.sleep(0.05)

        ddf = txtcvt.dask.read_signals(captures, dbc)
        ddf.map_partitions(len).compute()  # the workers start and load the database
        there = {"read": best_of(rounds, lambda: ddf.map_partitions(len).compute().sum(), settle),
                 "mean per signal": best_of(rounds, lambda: ddf.groupby("signal").value.mean()
                                            .compute(), settle),
                 "into CSV": best_of(rounds, lambda: txtcvt.dask.convert(
                     captures, dbc, os.path.join(folder, "dask-out")), settle)}
    assert here["read"][1] == there["read"][1]
    difference = there["mean per signal"][1].sort_index() - here["mean per signal"][1].sort_index()
    assert difference.abs().max() < 1e-6
    for name in here:
        one, two = here[name][0], there[name][0]
        print(f"{len(captures)} captures, {name + ':':16} one process {one:6.2f} s, LocalCluster of "
              f"2 workers {two:6.2f} s = {two / one:.2f} of the time")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--size-mib", type=int, default=32)
    parser.add_argument("--build", default="build/python")
    parser.add_argument("--work", default="/dev/shm/txtcvt-pybench")
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("--no-dask", action="store_true")
    args = parser.parse_args()

    build = os.path.abspath(args.build)
    sys.path.insert(0, os.path.join(build, "site"))
    work = os.path.abspath(args.work)
    os.makedirs(work, exist_ok=True)
    dbc, captures = make_captures(build, work, args.size_mib, 1 if args.no_dask else 8)
    print(f"capture: {os.path.getsize(captures[0]) / 2**20:.0f} MiB, "
          f"{args.size_mib * 1024 * 1024 // 32} records; best of {args.rounds}")
    single_reader(build, work, dbc, captures[0], args.rounds)
    if not args.no_dask:
        dask_readers(dbc, captures, args.rounds)


if __name__ == "__main__":
    main()
