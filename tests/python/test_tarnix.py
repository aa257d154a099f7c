"""The Python module against the batch tool and hand calculations."""

import concurrent.futures
import csv
import json
import math
import os
import shutil
import subprocess
import threading
import time

import numpy as np
import pytest

import tarnix

EXAMPLES = os.environ["TARNIX_EXAMPLES"]
TARNIX_RUN = os.environ["TARNIX_RUN"]

def keywords(project_file):
    """The keyword arguments of a project file: the single values of its groups given directly."""
    with open(project_file) as f:
        values = json.load(f)
    del values["format"], values["version"]
    for group in ("materials", "stressBlock", "factors"):
        values.update(values.pop(group))
    models = values.pop("materialModels", None)
    if models:
        # The window chooses one steel model for the bars and the structural steel.
        assert models.pop("reinforcingModel") == models["steelModel"]
        values.update(models.pop("concrete"))
        confinement = models.pop("confinement")
        values["confinement"] = confinement.pop("option")
        values.update(confinement)
        values.update(models)
    return values


def batch_run(source, folder):
    """tarnix-run on a copy of `source` in `folder`, with its CSV files in folder/csv; the report's path."""
    os.makedirs(folder)
    copy = os.path.join(folder, os.path.basename(source))
    shutil.copy(source, copy)
    subprocess.run([TARNIX_RUN, copy, "--csv", os.path.join(folder, "csv")], check=True, capture_output=True)
    return os.path.splitext(copy)[0] + ".out"


@pytest.fixture(autouse=True)
def fixed_date(monkeypatch):
    monkeypatch.setenv("SOURCE_DATE_EPOCH", "1765000000")


@pytest.mark.parametrize("example", ["corner_column.json", "l_wall.json", "rect_column.in", "circular_spiral.in",
                                     "composite_encased.in"])
def test_project_built_in_python_reports_as_its_file(tmp_path, example):
    source = os.path.join(EXAMPLES, example)
    expected = batch_run(source, tmp_path / "batch")
    if not example.endswith(".json"):
        subprocess.run([TARNIX_RUN, source, "--save-input", tmp_path / "source.json"], check=True)
        source = tmp_path / "source.json"
    project = tarnix.Project(**keywords(source))
    os.makedirs(tmp_path / "py")
    project.save(tmp_path / "py" / example)
    written = tmp_path / "py" / (os.path.splitext(example)[0] + ".out")
    project.run().report(written)
    with open(expected, "rb") as a, open(written, "rb") as b:
        assert a.read() == b.read()


def read_csv(path):
    with open(path, newline="") as f:
        return list(csv.DictReader(f))


@pytest.mark.parametrize("example", ["circular_spiral.in", "corner_column.json"])
def test_numpy_tables_are_the_csv_files(tmp_path, example):
    batch_run(os.path.join(EXAMPLES, example), tmp_path / "batch")
    results = tarnix.load(os.path.join(EXAMPLES, example)).run()
    tables = {"properties.csv": results.properties, "interaction.csv": results.diagram,
              "loads.csv": results.loads, "surface.csv": results.surface}
    tables.update({f"mc_{k}.csv": curve for k, curve in enumerate(results.curves, 1)})
    files = sorted(os.listdir(tmp_path / "batch" / "csv"))
    assert files == sorted(name for name, table in tables.items() if table is not None)
    for name in files:
        rows = read_csv(tmp_path / "batch" / "csv" / name)
        table = tables[name]
        assert len(table) == len(rows) > 0, name
        for row, record in zip(rows, table):
            for field, cell in row.items():
                value = record[field]
                if isinstance(value, str):
                    assert value == cell, (name, field)
                elif cell == "":
                    assert math.isnan(value), (name, field)
                else:
                    assert value == float(cell), (name, field)
    if example.endswith(".in"):
        assert results.curves and "event" in results.curves[0].dtype.names


def test_capacity_limits_by_hand():
    # 16 x 16 in, f'c 4 ksi, fy 60 ksi, two lines of two #8 bars (0.79 in2 each), axial loads in kip.
    #   Po = 0.85 f'c (Ag - As) + fy As = 0.85 * 4 * (256 - 3.16) + 60 * 3.16 = 859.66 + 189.60 = 1049.26 kip
    #   Pn,max = 0.80 Po = 839.41 kip (tied column, ACI 318-19 Table 22.4.2.1)
    #   Pnt = -fy As = -189.60 kip
    project = tarnix.Project(criteria="aci19", fpc=4000, fy=60000, rectangles=[dict(top=0, depth=16, width=16)],
                             barLines=[dict(y=2.5, length=11, bars=2, barArea=0.79),
                                       dict(y=13.5, length=11, bars=2, barArea=0.79)],
                             loads=[dict(P=200, M=50)])
    results = project.run(moment_curvature=False)
    assert max(results.diagram["Pn"]) == pytest.approx(839.41, rel=1e-3)
    assert min(results.diagram["Pn"]) == pytest.approx(-189.60, rel=1e-3)
    assert results.loads["P"][0] == pytest.approx(200) and results.loads["M"][0] == pytest.approx(50)
    assert results.surface is None and results.curves == []
    # The gross concrete area 16 * 16 = 256 in2, the bars 4 * 0.79 = 3.16 in2.
    groups = dict(zip(results.properties["group"], results.properties["area"]))
    assert groups["concrete"] == pytest.approx(256, rel=1e-3) and groups["reinforcing"] == pytest.approx(3.16)


BAD = [
    (dict(fpc=-4000), "fpc: must be greater than 0"),
    (dict(fy="sixty"), "fy: not a number"),
    (dict(rectangles=[dict(top=0, depth=16, widht=16)]), 'rectangles[1]: unknown name "widht"'),
    (dict(rectangles=[dict(top=0, depth=16, width=16)], barLines=[dict(y=2, length=11, bars=-2, barArea=1)]),
     "barLines[1].bars: a number of bars cannot be negative"),
    (dict(rectangles=[dict(top=0, depth=16, width=16)], barLines=[dict(y=2, length=11, bars=0, barArea=1)]),
     "Input is incomplete: reinforcing line 1: no bars"),
    (dict(polygons=[dict(vertices=[(0, 0), (10, 10), (10, 0), (0, 10)])]),
     "Input is incomplete: polygon 1: its edges 1 and 3 cross"),
    (dict(rectangles=[dict(top=0, depth=16, width=16, sign=2)]), "rectangles[1].sign: sign 2 is not one of 1, -1"),
    (dict(units="imperial"), 'units: "imperial" is not "english" or "metric"'),
    (dict(units="english", criteria="csa"), 'criteria: "csa" is for metric units only'),
]


@pytest.mark.parametrize("values, message", BAD)
def test_bad_input_raises_the_programs_message(values, message):
    with pytest.raises(ValueError) as refused:
        tarnix.Project(**values)
    assert str(refused.value) == message


def test_loading_a_bad_file_raises_its_reason(tmp_path):
    path = tmp_path / "broken.json"
    path.write_text('{"format": "tarnix-project", "version": 2}')
    with pytest.raises(ValueError, match="^Error reading input file: .*version 2 is newer"):
        tarnix.load(path)


def assert_same_table(a, b):
    assert a.dtype == b.dtype
    for name in a.dtype.names:
        np.testing.assert_array_equal(a[name], b[name])


def steel_study(area):
    values = keywords(os.path.join(EXAMPLES, "corner_column.json"))
    for line in values["barLines"]:
        line["barArea"] = area
    return tarnix.Project(**values)


def test_threads_give_the_single_runs():
    projects = [steel_study(0.6 + 0.1 * k) for k in range(8)]
    single = [p.run(moment_curvature=True) for p in projects]
    with concurrent.futures.ThreadPoolExecutor(max_workers=4) as pool:
        threaded = list(pool.map(lambda p: p.run(moment_curvature=True), projects))
    for one, other in zip(single, threaded):
        for name in ("diagram", "loads", "surface"):
            assert_same_table(getattr(one, name), getattr(other, name))
        assert len(one.curves) == 3
        for a, b in zip(one.curves, other.curves):
            assert_same_table(a, b)
    # More steel, more capacity: the sweep is not eight copies of one run.
    capacity = [max(r.diagram["Pn"]) for r in single]
    assert capacity == sorted(capacity) and capacity[0] < capacity[-1]


def test_a_run_lets_other_threads_go_on():
    # While a worker runs twenty projects, this thread keeps taking turns: with the interpreter's lock held
    # through each run it would get a few turns between two runs (about 90 in all).
    project = steel_study(1.0)
    worker = threading.Thread(target=lambda: [project.run(moment_curvature=True) for _ in range(20)])
    turns = 0
    worker.start()
    while worker.is_alive():
        turns += 1
        time.sleep(0)
    assert turns > 500
