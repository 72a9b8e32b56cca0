// The plot parameter files of the four prediction programs: three heading
// lines, then one group per plottable parameter: the name (6 characters) and
// its description, a units line, then the scale factor, the automatic level
// rule, the number of rule values and the values, as a free-format list.

#include <vector>

#include "base/fixed_record.h"
#include "sample/sample_files.h"

namespace qor::sample {

namespace {

struct Group {
    const char* name;
    const char* description;
    const char* units;
    double scale;
    int rule;  // 0 fixed levels, 1 step and base from the top, 2 seven steps, 3 step from the
               // bottom
    std::vector<double> values;
    bool split = false;  // the rule values on a line of their own
};

std::string plot_parameter_file(const char* program, const std::vector<Group>& groups) {
    std::vector<std::string> lines;
    lines.push_back(std::string(program) + " plottable parameters for QOR_PLOT");
    lines.push_back("Name  Description / units / scale, rule (0-3), count, rule values");
    lines.push_back(std::string(70, '-'));
    for (const Group& group : groups) {
        std::string first = RecordWriter().text(group.name, 6).literal(group.description).str();
        lines.push_back(first.substr(0, std::min<std::size_t>(first.size(), 70)));
        lines.push_back(std::string("      units: ") + group.units);
        RecordWriter numbers;
        numbers.real(group.scale, 8, 3)
            .integer(group.rule, 4)
            .integer(static_cast<long long>(group.values.size()), 4);
        if (group.split) {
            lines.push_back(numbers.str());
            numbers = RecordWriter();
        }
        for (double value : group.values) numbers.real(value, 9, 2);
        lines.push_back(numbers.str());
    }
    return join_lines(lines);
}

const std::vector<double> deciles{3, 6, 9, 12, 15, 18};
const std::vector<double> percentages{10, 30, 50, 70, 90};

std::vector<Group> haldor_groups() {
    return {
        {"DBU",
         "Median field strength of the most reliable mode",
         "dB above 1 uV/m",
         1.0,
         1,
         {10, 10}},
        {"MODE",
         "Most reliable propagation mode (number of F2 hops)",
         "hops",
         1.0,
         0,
         {1, 2, 3, 4}},
        {"SNR", "Median signal-to-noise ratio in the receiver bandwidth", "dB", 1.0, 1, {10, 0}},
        {"REL", "Circuit reliability: probability that SNR >= required SNR", "percent", 1.0, 0,
         percentages, true},
        {"MUF", "Maximum usable frequency of the circuit", "MHz", 1.0, 2, {}},
        {"ANGLE", "Take-off angle of the most reliable mode", "degrees", 1.0, 3, {5}},
        {"LUF", "Lowest useful frequency (reliability 90 percent)", "MHz", 1.0, 2, {}},
        {"FOT", "Frequency of optimum traffic (0.85 x MUF)", "MHz", 1.0, 2, {}},
        {"HPF", "Highest possible frequency (10 percent of the days)", "MHz", 1.0, 2, {}},
        {"MUFDAY",
         "Fraction of the days the frequency is below the MUF",
         "percent of days",
         100.0,
         0,
         {10, 25, 50, 75, 90}},
        {"SDBW", "Median signal power at the receiver input", "dBW", 1.0, 1, {10, -160}},
        {"NDBW", "Median noise power at the receiver input", "dBW", 1.0, 1, {10, -180}},
        {"LOSS", "Median basic transmission loss", "dB", 1.0, 3, {10}},
        {"DELAY", "Group delay of the most reliable mode", "milliseconds", 1.0, 3, {2}},
        {"VHITE", "Virtual reflection height of the most reliable mode", "km", 1.0, 3, {50}},
        {"SNRLW", "Lower decile deviation of the signal-to-noise ratio", "dB", 1.0, 0, deciles,
         true},
        {"SNRUP", "Upper decile deviation of the signal-to-noise ratio", "dB", 1.0, 0, deciles,
         true},
        {"SIGLW", "Lower decile deviation of the signal strength", "dB", 1.0, 0, deciles},
        {"SIGUP", "Upper decile deviation of the signal strength", "dB", 1.0, 0, deciles},
        {"TGAIN", "Transmitting antenna gain toward the receiver", "dBi", 1.0, 1, {3, -9}},
        {"RGAIN", "Receiving antenna gain at the take-off angle", "dBi", 1.0, 1, {3, -9}},
        {"SPRB", "Service probability", "percent", 1.0, 0, percentages},
        {"RSN", "Required signal-to-noise ratio of the service", "dB", 1.0, 2, {}},
        {"MPATH",
         "Probability of multipath interference",
         "percent",
         1.0,
         0,
         {5, 10, 20, 40, 60, 80},
         true},
    };
}

std::vector<Group> mirven_groups() {
    return {
        {"DBU", "Median field strength (sum of the modes)", "dB above 1 uV/m", 1.0, 1, {10, 0}},
        {"SNR", "Median signal-to-noise ratio", "dB", 1.0, 1, {10, 0}},
        {"REL", "Reliability for the required signal-to-noise ratio", "percent", 1.0, 0,
         percentages, true},
        {"MUF", "Operational maximum usable frequency", "MHz", 1.0, 2, {}},
        {"FOT", "Frequency of optimum traffic", "MHz", 1.0, 2, {}},
        {"ANGLE", "Elevation angle of the strongest mode", "degrees", 1.0, 3, {5}},
        {"TANGLE", "Take-off angle at the transmitter", "degrees", 1.0, 3, {5}},
        {"RANGLE", "Arrival angle at the receiver", "degrees", 1.0, 3, {5}},
        {"LUF", "Lowest usable frequency", "MHz", 1.0, 2, {}},
        {"SDBW", "Median signal power", "dBW", 1.0, 1, {10, -160}},
        {"NOISE", "Median external noise factor", "dB above kTb", 1.0, 1, {10, 0}},
        {"LOSS", "Basic transmission loss", "dB", 1.0, 3, {10}},
        {"ABSORB", "Ionospheric absorption of the strongest mode", "dB", 1.0, 3, {3}},
        {"FOF2", "Critical frequency of the F2 layer at the control point", "MHz", 1.0, 2, {}},
        {"HMF2", "Height of the F2 layer peak at the control point", "km", 1.0, 3, {25}},
        {"DELAY", "Propagation delay of the strongest mode", "milliseconds", 1.0, 3, {2}},
        {"SPRB", "Service probability", "percent", 1.0, 0, percentages},
        {"FIELD",
         "Field strength exceeded on 90 percent of the days",
         "dB above 1 uV/m",
         1.0,
         0,
         {0, 10, 20, 30, 40, 50},
         true},
    };
}

std::vector<Group> tablin_groups() {
    return {
        {"FS", "Median field strength from the tables", "dB above 1 uV/m", 1.0, 1, {10, 0}},
        {"DBU", "Field strength for the reference power", "dB above 1 uV/m", 1.0, 1, {10, 10}},
        {"SNR", "Signal-to-noise ratio", "dB", 1.0, 1, {10, 0}},
        {"REL", "Reliability", "percent", 1.0, 0, percentages},
        {"BCR", "Basic circuit reliability", "percent", 1.0, 0, percentages, true},
        {"MUF", "Basic maximum usable frequency", "MHz", 1.0, 2, {}},
        {"LUF", "Lowest usable frequency", "MHz", 1.0, 2, {}},
        {"FOT", "Frequency of optimum traffic", "MHz", 1.0, 2, {}},
        {"ANGLE", "Radiation angle", "degrees", 1.0, 3, {5}},
        {"POWER", "Transmitter power needed for the required field", "dBW", 1.0, 1, {6, 10}},
        {"PR",
         "Protection ratio against the strongest interferer",
         "dB",
         1.0,
         0,
         {0, 10, 17, 27, 35}},
        {"NOISE", "Atmospheric noise level", "dB above 1 uV/m", 1.0, 3, {5}},
        {"GAIN", "Antenna gain in the direction of the point", "dBi", 1.0, 1, {3, -9}},
        {"LOSS", "Transmission loss", "dB", 1.0, 3, {10}},
        {"SFS", "Standard deviation of the field strength", "dB", 1.0, 0, deciles, true},
        {"DIST", "Great-circle distance from the transmitter", "thousand km", 0.001, 3, {2}},
    };
}

std::vector<Group> parvis_groups() {
    return {
        {"DBU", "Median field strength", "dB above 1 uV/m", 1.0, 1, {10, 10}},
        {"SNR", "Median signal-to-noise ratio", "dB", 1.0, 1, {10, 0}},
        {"REL", "Circuit reliability", "percent", 1.0, 0, percentages},
        {"MUF", "Maximum usable frequency", "MHz", 1.0, 2, {}},
        {"ANGLE", "Take-off angle", "degrees", 1.0, 3, {5}},
        {"MODE", "Propagation mode of the strongest ray", "hops", 1.0, 0, {1, 2, 3, 4}},
        {"PRB", "Probability of reception", "percent", 1.0, 0, percentages, true},
        {"DELAY", "Group delay", "milliseconds", 1.0, 3, {2}},
        {"SPREAD", "Delay spread of the received modes", "milliseconds", 10.0, 3, {1}},
        {"DOPPLR", "Doppler spread", "Hz", 1.0, 0, {0.5, 1, 2, 5, 10}},
        {"FOF2", "Critical frequency of the F2 layer", "MHz", 1.0, 2, {}},
        {"HMF2", "Height of the F2 layer peak", "km", 1.0, 3, {25}},
        {"SDBW", "Median signal power", "dBW", 1.0, 1, {10, -160}},
        {"LOSS", "Basic transmission loss", "dB", 1.0, 3, {10}},
        {"LUF", "Lowest useful frequency", "MHz", 1.0, 2, {}},
        {"RAYS", "Number of rays received", "rays", 1.0, 0, {1, 2, 3, 4, 5, 6}, true},
    };
}

}  // namespace

SampleFiles plot_parameter_files() {
    return {
        {"database/HALPLT.GPH", plot_parameter_file("HALDOR", haldor_groups())},
        {"database/MIRPLT.GPH", plot_parameter_file("MIRVEN", mirven_groups())},
        {"database/TABPLT.GPH", plot_parameter_file("TABLIN", tablin_groups())},
        {"database/PARPLT.GPH", plot_parameter_file("PARVIS", parvis_groups())},
    };
}

}  // namespace qor::sample
