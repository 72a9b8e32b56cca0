#!/usr/bin/env python3
"""The baseline of the map benchmark: the same grid file drawn with matplotlib
(contourf, contour with labels, the same world-atlas coastlines and borders, a
title) to a PNG of the same size.

usage: map_bench_matplotlib.py GRIDFILE WORLD_ATLAS_JSON OUT.png
"""
import json
import sys

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
import numpy as np  # noqa: E402
from matplotlib.collections import LineCollection  # noqa: E402

grid_path, atlas_path, out_path = sys.argv[1:4]
with open(grid_path) as grid:
    lines = grid.read().splitlines()
columns, rows = int(lines[2][0:3]), int(lines[2][3:6])
records = lines[3:3 + columns * rows]
lat = np.array([float(r[0:8]) for r in records]).reshape(rows, columns)
lon = np.array([float(r[8:16]) for r in records]).reshape(rows, columns)
values = np.array([float(r[26:32]) for r in records]).reshape(rows, columns)
values = np.ma.masked_less_equal(values, -998.9)

with open(atlas_path) as atlas:
    topology = json.load(atlas)
sx, sy = topology["transform"]["scale"]
tx, ty = topology["transform"]["translate"]
arcs = []
for arc in topology["arcs"]:
    points = np.cumsum(np.array(arc, dtype=float), axis=0)
    points[:, 0] = points[:, 0] * sx + tx
    points[:, 1] = points[:, 1] * sy + ty
    arcs.append(points)

levels = [10, 20, 30, 40, 50, 60, 70]
colours = ["#64a0fa", "#96e16e", "#fae628", "#fa911e", "#dc1e1e", "#c828be", "#ffffff"]
figure = plt.figure(figsize=(16, 9), dpi=100)
axes = figure.add_axes([0.04, 0.06, 0.75, 0.84])
filled = axes.contourf(lon, lat, values, levels=[-1e9] + levels[:-1] + [1e9], colors=colours)
lines_ = axes.contour(lon, lat, values, levels=levels, colors="black", linewidths=0.8)
axes.clabel(lines_, fmt="%d", fontsize=8)
axes.add_collection(LineCollection(arcs, colors="black", linewidths=0.6))
axes.set_xlim(-180, 180)
axes.set_ylim(-90, 90)
axes.set_title("Global benchmark field: DBU, 7 levels")
figure.colorbar(filled, ax=axes, fraction=0.05)
figure.savefig(out_path, dpi=100)
