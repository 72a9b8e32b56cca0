// The help page of QOR_PLOT, opened by Help, Contents when the package has no
// Windows help file.

#include "sample/sample_files.h"

namespace qor::sample {

namespace {

constexpr const char* help_page = R"html(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<title>QOR_PLOT Help</title>
<style>
body { font-family: sans-serif; max-width: 52em; margin: 1em auto; padding: 0 1em; line-height: 1.4; }
h1 { border-bottom: 2px solid #444; }
h2 { border-bottom: 1px solid #aaa; margin-top: 2em; }
code, pre, kbd { font-family: monospace; background: #f2f2f2; }
pre { padding: 0.5em; overflow-x: auto; }
table { border-collapse: collapse; }
td, th { border: 1px solid #bbb; padding: 0.2em 0.5em; text-align: left; vertical-align: top; }
.note { background: #fff6d6; padding: 0.5em; border-left: 4px solid #e0b000; }
</style>
</head>
<body>
<h1>QOR_PLOT &ndash; Area Coverage Plotting</h1>

<p>QOR_PLOT is the plotting front end of the QOR HF propagation planning package.
The prediction programs HALDOR, MIRVEN, TABLIN and PARVIS compute, for a transmitter and
its operating conditions, propagation parameters such as field strength, signal-to-noise
ratio, reliability and maximum usable frequency over a latitude/longitude grid. QOR_PLOT
lets you pick one of those grid files, choose what to plot (up to five parameters, their
contour levels and colours, the colours of the map layers and the title) and has the map
drawn in a window, on a printer or on a full DOS screen by the package's map program.</p>

<h2 id="contents">Contents</h2>
<ul>
<li><a href="#start">Starting QOR_PLOT</a></li>
<li><a href="#main">The main window</a></li>
<li><a href="#open">File, Open (by file)</a></li>
<li><a href="#catalog">Catalogs: Create catalog, Open (by catalog), New Group</a></li>
<li><a href="#title">Title</a></li>
<li><a href="#layers">Layers</a></li>
<li><a href="#parameters">Parameters</a></li>
<li><a href="#contours">Contours</a></li>
<li><a href="#plot">Plot to: Window, Printer, DOS screen</a></li>
<li><a href="#printer">Plot to, Setup printer</a></li>
<li><a href="#setup">File, Setup</a></li>
<li><a href="#files">Files QOR_PLOT reads and writes</a></li>
<li><a href="#messages">Messages</a></li>
</ul>

<h2 id="start">Starting QOR_PLOT</h2>
<p>QOR_PLOT is normally started by the planning program QOR_PLAN. It takes three
command-line arguments:</p>
<pre>qorplot  C:\QOR\RUN  HALDOR  DEFAULT123</pre>
<ol>
<li>the package's run directory (the directory <code>RUN</code> below the package root;
a path naming another directory of the package, such as <code>C:\QOR\AREADATA\</code>,
is turned into the run directory);</li>
<li>the prediction program: <code>HALDOR</code>, <code>MIRVEN</code> or <code>TABLIN</code>
(upper or lower case);</li>
<li>the data sub-directory, exactly ten characters long, below <code>AREADATA</code>.</li>
</ol>
<p>At start-up QOR_PLOT reads the default contour colours (<code>colors.con</code>), the
colour names of the map program (<code>colors.dat</code>), the colour lists of the dialogs
(<code>colors.win</code>, which must exist) and your window settings
(<code>setup.ini</code>). Wrong arguments are reported in the output window, for example
<code>QOR_PLOT sub-directory MUST have 10 characters</code>, and the program ends.</p>

<h2 id="main">The main window</h2>
<p>Until a grid file is open the main window shows only its menus; the <b>Plot to</b> menu
is grey. When a file is open the window shows:</p>
<ul>
<li><b>File name</b>, <b>Model/Ver</b> (the prediction program and its version),
<b>Grid size</b> (points per row x rows) and <b>Type</b> (the map projection of the
run, for example <code>1=Lat/Lon</code>);</li>
<li>the comment lines of the requirement file (the CIRAF zones of the run are shown on the
INFO line);</li>
<li>the buttons <b>Title</b>, <b>Layers</b>, <b>Parameters</b> and <b>Contours</b>, each
followed by a summary of its current settings.</li>
</ul>
<p>At the bottom of every window the <b>Input Help</b> box shows, in red, a short help text
for the control under the mouse pointer.</p>
<p>The settings you change in the dialogs are kept in memory. They are written to the
requirement file only when you plot.</p>

<h2 id="open">File, Open (by file)</h2>
<p>Opens the standard file dialog in the current data sub-directory. Grid files are named
after their run, with the suffix telling the prediction program and the hour:
<code>.HG1</code> to <code>.HG9</code> (HALDOR), <code>.MG?</code> (MIRVEN),
<code>.TG?</code> (TABLIN), <code>.PG?</code> (PARVIS). The file must lie in a
sub-directory of <code>AREADATA</code> (area runs) or <code>AREA_INV</code> (inverse runs),
for example <code>..\AREADATA\DEFAULT\RUN1.HG3</code>. Otherwise QOR_PLOT tells you why the
file cannot be used and nothing changes.</p>
<p>When the file is accepted the main window is built again for it: QOR_PLOT reads the grid
file (its header and the range of every parameter), its requirement file (the file with the
same name and the suffix <code>HAL</code>, <code>MIR</code>, <code>TAB</code> or
<code>PAR</code>) and the plot parameter file of the prediction program.</p>

<h2 id="catalog">Catalogs</h2>
<h3>File, Create catalog of *.HAL files</h3>
<p>Reads every requirement file of the current data sub-directory (the suffix follows the
prediction program) and writes the catalog file, for example <code>HALDOR.TXT</code>, in
the same directory. Only real requirement files, those with a <code>Months</code> line, are
listed. Each catalog line shows the requirement file, the administration, the frequency,
the time span, how many of its grid files exist out of the number of hours (for example
<code>(2/3)</code>), the CIRAF zones and the station data (location, power, azimuth, slew,
antenna). Question marks stand for information the requirement file does not give. A small
window shows the progress; a box confirms the catalog when it is written.</p>
<h3>File, Open (by catalog)</h3>
<p>Shows the catalog of the current sub-directory. Click a requirement and choose
<b>Accept</b>, or double-click it. The <b>Sort by</b> menu re-sorts the catalog by
Requirement Number, Frequency/Time/Location, Location/Frequency/Time or
Location/Time/Frequency; the catalog file is rewritten in the new order. After a
requirement has been accepted QOR_PLOT lists its grid files, one per hour, with their plot
titles; grid files that do not exist are marked <code>(file not calculated)</code>. A
requirement with only one grid file is opened at once. If no catalog exists yet, create it
first.</p>
<h3>New Group</h3>
<p>Lists the grid files of the requirement accepted last, so that you can plot another hour
of the same run without going through the catalog again.</p>

<h2 id="title">Title</h2>
<p>Edits the plot title, which comes from the second line of the grid file. The grid file
itself is not changed; the title is handed to the map program with each plot.</p>

<h2 id="layers">Layers</h2>
<p>Chooses the colour of each map layer: Grid, Countries, CIRAF Zones, Cities, Main Beam and
Contours. <b>Ignore</b> leaves a layer out. For CIRAF Zones, Magenta draws thicker lines.
The Cities row also selects the city file to plot, one of the files
<code>..\USERDB\RECEIVE.*</code>. The Contours row selects how contours are drawn: black or
red lines with or without shading, shading alone, or bin shading. <b>Default</b> sets Grid
black, Countries blue, Main Beam red, CIRAF Zones and Cities ignored, black contours with
shading and the city file <code>RECEIVE.CTY</code>.</p>

<h2 id="parameters">Parameters</h2>
<p>Lists the parameters of the grid file that can be plotted, with their description and
their smallest and largest value in this file. Select up to five; the first five selected
in the list's order are used. A parameter that stays selected keeps its contour settings;
a newly selected one starts with automatic levels. <b>Default</b> plots DBU alone.</p>

<h2 id="contours">Contours</h2>
<p>Shows every plotted parameter with its levels and colours. Click a parameter's button to
edit it:</p>
<ul>
<li><b>Values assigned are:</b> switches between <i>AUTO scaled</i> levels, which QOR_PLOT
chooses from the parameter's range with the rule in the plot parameter file, and
<i>USER defined</i> levels that you type;</li>
<li>seven levels, highest at the top; each level must not be greater than the one above it,
otherwise Accept refuses the entries;</li>
<li>a colour for each band: the bottom colour is used below the lowest level, each other
colour from its level up to the next.</li>
</ul>
<p><b>Auto</b> returns the parameter to automatic levels. Changes are kept only when you
press Accept in the Contours window as well.</p>

<h2 id="plot">Plot to</h2>
<p><b>Window</b> and <b>Printer</b> start the map program <code>bin_win\terrapix.exe</code>;
<b>DOS screen</b> (offered only when <code>bin\terradox.exe</code> and its font are installed)
starts <code>bin\terradox.exe</code>. Before starting it QOR_PLOT</p>
<ol>
<li>writes the current settings (model, layer colours, city file, parameters, contour levels
and colours) into the requirement file, keeping all its other lines;</li>
<li>writes the plot request file <code>zonegrfx.dat</code> in the run directory: the grid
file and the title.</li>
</ol>
<p>The map program runs on its own; QOR_PLOT stays usable while it draws.</p>

<h2 id="printer">Plot to, Setup printer</h2>
<p>Sets how a printed map is placed: with or without a border, a scale from 0 to 1.0, and X
and Y offsets in inches. Offsets apply only to maps scaled below 0.99. The settings are kept
in <code>print_a.ini</code> in the run directory. <b>Default</b> draws a border at scale 1.0
without offsets.</p>

<h2 id="setup">File, Setup</h2>
<p>Chooses the background colour of the main window and of the input dialogs, and the font,
width (60 to 160 characters) and height (10 to 70 lines) of the scroll window used to view
data results. Accept and Default save the choice in <code>database\setup.ini</code> at
once; new colours show in the windows opened afterwards. Default is a yellow main window,
green input dialogs and the default font at 77 x 26.</p>

<h2 id="files">Files QOR_PLOT reads and writes</h2>
<table>
<tr><th>File</th><th>Where</th><th>Use</th></tr>
<tr><td>grid files <code>*.HG?</code>, <code>*.MG?</code>, <code>*.TG?</code>,
<code>*.PG?</code></td><td><code>AREADATA\</code><i>sub-directory</i> or
<code>AREA_INV\</code><i>sub-directory</i></td><td>read: header and parameter
ranges</td></tr>
<tr><td>requirement file <code>*.HAL</code>, <code>*.MIR</code>, <code>*.TAB</code>,
<code>*.PAR</code></td><td>beside its grid files</td><td>read when a file is opened;
rewritten with the plot settings before each plot</td></tr>
<tr><td>catalog <code>HALDOR.TXT</code>, <code>MIRVEN.TXT</code>, <code>TABLIN.TXT</code></td>
<td><code>AREADATA\</code><i>sub-directory</i></td><td>written by Create catalog,
rewritten by Sort by</td></tr>
<tr><td><code>HALPLT.GPH</code>, <code>MIRPLT.GPH</code>, <code>TABPLT.GPH</code>,
<code>PARPLT.GPH</code></td><td><code>database</code></td><td>read: the plottable
parameters and their automatic level rules</td></tr>
<tr><td><code>colors.win</code></td><td><code>database</code></td><td>read: the colour lists
of the dialogs (must exist)</td></tr>
<tr><td><code>colors.dat</code></td><td><code>database</code></td><td>read: the colour names
of the map program</td></tr>
<tr><td><code>colors.con</code></td><td><code>database</code></td><td>read: the seven colours
of automatic contour levels</td></tr>
<tr><td><code>setup.ini</code></td><td><code>database</code></td><td>read at start-up,
written by File, Setup</td></tr>
<tr><td><code>contact.txt</code></td><td><code>database</code></td><td>read: the contacts
shown in Help, About</td></tr>
<tr><td><code>RECEIVE.*</code></td><td><code>USERDB</code></td><td>city files offered by
Layers</td></tr>
<tr><td><code>zonegrfx.dat</code></td><td><code>RUN</code></td><td>written before each plot
for the map program</td></tr>
<tr><td><code>print_a.ini</code></td><td><code>RUN</code></td><td>read and written by Setup
printer</td></tr>
</table>
<p class="note">Files are replaced safely: QOR_PLOT writes a new file beside the old one and
only then puts it in its place, so a failed write never leaves a damaged file.</p>

<h2 id="messages">Messages</h2>
<dl>
<dt><code>OPEN error on file=</code>, <code>READ error on file=</code></dt>
<dd>The grid file is missing or damaged. Run the prediction again from QOR_PLAN.</dd>
<dt><code>In readmain, could not OPEN</code></dt>
<dd>The requirement file of the grid file is missing.</dd>
<dt><code>In zonegrfw/readGPH, could not OPEN</code></dt>
<dd>The plot parameter file of the prediction program is missing from
<code>database</code>.</dd>
<dt><code>catalog file OPEN ERROR</code></dt>
<dd>The sub-directory has no catalog yet: use File, Create catalog.</dd>
<dt><code>Grid file has not been calculated</code></dt>
<dd>The hour chosen in the grid file list has no grid file.</dd>
</dl>

<p><a href="#contents">Back to the contents</a></p>
</body>
</html>
)html";

}  // namespace

SampleFiles help_files() {
    return {{"help_win/qorplot.html", help_page}};
}

}  // namespace qor::sample
