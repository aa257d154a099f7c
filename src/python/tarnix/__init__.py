"""TARNIX from Python: one reinforced-concrete member cross-section, its interaction diagram, the capacity
of each load, slenderness and moment-curvature, with the engine, the rules and the report of the program.

    import tarnix
    results = tarnix.load("column.json").run()
    print(results.loads["phiMn"])

Units follow the project ("english" or "metric"): lengths in in / mm, areas in in2 / mm2, stresses in
psi / MPa, angles in degrees, and loads and moments as the window shows them, in kip and k-ft / kN and
kN-m (not the lb and lb-in the program stores).
"""

import os

import numpy as np

from . import _tarnix

__all__ = ["load", "Project", "Results"]


def load(path):
    """The project of a project file (.json) or an input file (any other name), as tarnix-run reads it.

    Raises ValueError with the program's message ("Error reading input file: line 9, column 42: ...")."""
    return Project._of(_tarnix.load(os.fspath(path)))


class Project:
    """A section with its materials, loads and options.

    Built from keyword arguments typed in as the window takes them, with the names of the project file
    (docs/project-file.md) and plain lists of dicts for the records:

        tarnix.Project(criteria="aci19", units="english", fpc=5000, fy=60000,
                       rectangles=[dict(top=0, depth=24, width=24)],
                       barLines=[dict(y=2.5, length=19, bars=4, barArea=1.0)],
                       loads=[dict(P=600, M=150)])

    - units ("english" or "metric") and criteria ("aci19", "aci02", "aashto", "lrfd", "arema", "csa", "s6",
      "ud") come first, each with its defaults; then every single value by its short name (fpc, fy, fs, Ec,
      Er, Es, phiT, phiC, phiS, phiConc, phiReinf, phiStl, a1, b1, em, the concrete model's fc0, ec0, Eci,
      esp, ecu, fcu, fcc, the confinement's ds, st, cover, fyh, esf, Dc, sl, xcl, ycl, nx, ny, and title).
      As in the window, f'c derives a1, b1 and Ec, unless they are given as well.
    - records: rectangles, circles, polygons (vertices as (x, y) pairs or dicts), barLines, barArcs,
      singleBars, steelShapes, steelPipes; loads (P kip / kN; M, My and end moments k-ft / kN-m).
    - member (L, Keff, Ieff, Vri, Vrj, Mri, Mrj, slenderness 1..4), memberY, surfaceAngles, mcAngle;
      analyse, concreteModel, steelModel (bars and structural steel together), parkModel and confinement
      choose the moment-curvature analysis and its models with their defaults; reinforcingBilinear,
      reinforcingPark, steelBilinear, steelPark give the curve points as (strain, stress) pairs.

    A value the window refuses, or an incomplete section, raises ValueError with the program's message
    ("rectangles[1].depth: ...", "Input is incomplete: reinforcing line 2: no bars")."""

    def __init__(self, **values):
        self._model = _tarnix.build(values)

    @classmethod
    def _of(cls, model):
        project = cls.__new__(cls)
        project._model = model
        return project

    @property
    def units(self):
        """"english" or "metric"."""
        return self._model.units

    @property
    def criteria(self):
        """The design criteria key ("aci19", ...)."""
        return self._model.criteria

    @property
    def file(self):
        """The file the project was loaded from or last saved to; "" for none."""
        return self._model.file

    @property
    def two_dimensional(self):
        """True when the section or a load uses the horizontal axis (bent about both axes)."""
        return self._model.two_dimensional

    def save(self, path):
        """Writes the project as a project file (.json) or an input file (other names; refused for a section
        of two dimensions), as the window's Save As; the report then names this file."""
        _tarnix.save(self._model, os.fspath(path))

    def text(self):
        """The project file text of the project."""
        return _tarnix.project_text(self._model).decode("utf-8")

    def run(self, moment_curvature=None):
        """Runs the analyses as tarnix-run does and returns the Results.

        moment_curvature: None makes the moment-curvature analysis when the project asks for it (its material
        models given), as tarnix-run does; True makes it for every load (with the material-model defaults of
        the project's strengths where the project asks for none; a project without loads has none to make);
        False leaves it out. The analyses release the interpreter's lock, so threads run projects side by
        side. Raises ValueError for an incomplete input and RuntimeError ("Calculation Error: ...") for a
        section that cannot be analysed."""
        return Results(_tarnix.run(self._model, None if moment_curvature is None else bool(moment_curvature)))


# The columns of words in the program's CSV tables; every other column holds numbers.
_TEXT_COLUMNS = {"group", "exceeded", "event"}


def _table(text):
    """A CSV table of the program as a numpy structured array with its header's names: numbers as float64
    (empty cells NaN), the words of the group, the verdict and the events as str."""
    lines = text.decode("utf-8").splitlines()
    names = lines[0].split(",")
    rows = [line.split(",") for line in lines[1:]]
    columns = []
    for k, name in enumerate(names):
        cells = [row[k] for row in rows]
        if name in _TEXT_COLUMNS:
            columns.append(np.array(cells, dtype=str))
        else:
            columns.append(np.array([float(c) if c != "" else np.nan for c in cells], dtype=np.float64))
    table = np.empty(len(rows), dtype=[(n, c.dtype) for n, c in zip(names, columns)])
    for name, column in zip(names, columns):
        table[name] = column
    return table


class Results:
    """The results of a run. Each table is a numpy structured array with named fields, the columns of the
    CSV file of the same name that tarnix-run --csv writes, in the project's displayed units:

    - properties: group (concrete, reinforcing, steel, transformed), area, ybar, Io, I (in, in2, in4 / mm)
    - diagram: c, Mn, Pn, et (in / mm, k-ft / kN-m, kip / kN, strain) per point of the interaction diagram
    - loads: load, P, M, phi, phiPn, phiMn, point, exceeded (the verdict), Mu, second_order_ratio, and for
      a section of two dimensions My, phiMny, angle, c, Muy, moment_ratio, ray_ratio
    - surface: angle, point, c, P, Mx, My, phi, phiP, phiMx, phiMy, net_tensile_strain (two dimensions
      only, else None)
    - curves: per load condition with a moment-curvature curve, an array of curvature, moment, strain, c,
      axial, residual, event (1/in / 1/mm, k-ft / kN-m, kip / kN)
    """

    def __init__(self, model):
        self._model = model
        self._tables = None

    def _csv(self):
        if self._tables is None:
            self._tables = {name: _table(text) for name, text in _tarnix.tables(self._model)}
        return self._tables

    @property
    def properties(self):
        return self._csv()["properties.csv"]

    @property
    def diagram(self):
        return self._csv()["interaction.csv"]

    @property
    def loads(self):
        return self._csv()["loads.csv"]

    @property
    def surface(self):
        return self._csv().get("surface.csv")

    @property
    def curves(self):
        tables = self._csv()
        return [tables[f"mc_{k}.csv"] for k in range(1, self._model.load_count + 1) if f"mc_{k}.csv" in tables]

    def report(self, path=None):
        """The report text as tarnix-run writes it (every section; CR LF line ends), dated now. With a path
        the report is also written there, byte for byte."""
        text = _tarnix.report(self._model)
        if path is not None:
            _tarnix.write_file(os.fspath(path), text)
        return text.decode("utf-8", errors="replace")

    def to_csv(self, folder):
        """Writes the CSV files of tarnix-run --csv into folder (made when missing)."""
        _tarnix.write_csv(self._model, os.fspath(folder))
