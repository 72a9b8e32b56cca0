#!/usr/bin/env python3
"""Writes the map benchmark's package additions: a 361 x 181 global grid file
(1 degree steps) of a smooth field with structure at every scale a coverage map
has, and its requirement file with seven defined levels, shaded bands with
black labelled lines, the countries and a title.

usage: map_bench_field.py PACKAGE_DIR
"""
import math
import os
import sys

root = sys.argv[1]
directory = os.path.join(root, "AREADATA", "BENCH")
os.makedirs(directory, exist_ok=True)

columns, rows = 361, 181
tx_lat, tx_lon = 35.47, -77.20


def field(lat, lon):
    # A main lobe around the transmitter, a second one beyond the first hop,
    # and a gentle ripple: closed and open contours, saddles, the antimeridian.
    p1, p2 = math.radians(tx_lat), math.radians(lat)
    dl = math.radians(lon - tx_lon)
    c = math.sin(p1) * math.sin(p2) + math.cos(p1) * math.cos(p2) * math.cos(dl)
    d = math.degrees(math.acos(max(-1.0, min(1.0, c))))
    value = 70.0 * math.exp(-d / 45.0) + 18.0 * math.exp(-((d - 70.0) / 18.0) ** 2)
    value += 6.0 * math.sin(math.radians(3 * lon)) * math.cos(math.radians(2 * lat))
    return max(0.0, value)


with open(os.path.join(directory, "GLOBAL.HG1"), "w") as grid:
    grid.write("HALDOR Version 4.02 (area coverage)\n")
    grid.write("Global benchmark field\n")
    grid.write("%3d%3d%s%6s\n" % (columns, rows, " " * 20, "DBU"))
    for r in range(rows):
        lat = -90.0 + r
        for c in range(columns):
            lon = -180.0 + c
            grid.write("%8.2f%8.2f%5d%5d%6.2f\n" % (lat, lon, r + 1, c + 1, field(lat, lon)))

levels = [10, 20, 30, 40, 50, 60, 70]
colours = [12, 10, 3, 9, 1, 5, 15]
parameter = "Parameter:%-6s%4d" % ("DBU", len(levels))
for colour, level in zip(colours, levels):
    parameter += "%3d %7.2f" % (colour, level)
with open(os.path.join(directory, "GLOBAL.HAL"), "w") as hal:
    hal.write("Model    :HALDOR\n")
    hal.write("Colors   :Ignore   :black    :Ignore   :Ignore   :Ignore   :Black with shading\n")
    hal.write("Cities   :RECEIVE.CTY\n")
    hal.write("Nparms   :    1\n")
    hal.write(parameter + "\n")
    hal.write("Months   :" + "%7d" % 6 + "%7d" % 0 * 8 + "\n")
    hal.write("Hours    :" + "%7d" % 12 + "%7d" % 0 * 8 + "\n")
    hal.write("Transmit :%-20s%8.2f%9.2f\n" % ("GREENVILLE", tx_lat, tx_lon))
    hal.write("Area     :%8.2f%9.2f%8.2f%9.2f\n" % (-90, -180, 90, 180))
    hal.write("Gridsize :%5d%5d\n" % (columns, 1))

with open(os.path.join(root, "RUN", "zonegrfx.dat"), "w") as request:
    request.write("%-30s\n%-75s\n" % ("BENCH\\GLOBAL.HG1", "Global benchmark field: DBU, 7 levels"))
