#include "catalog/requirement_summary.h"

#include "base/fixed_record.h"
#include "platform/paths.h"

namespace qor {

std::int32_t IT_EXIST(std::string_view fileName) {
    return file_exists(fileName) ? 1 : 0;
}

void READ_REQ_FILE(std::string_view requirementPath, RequirementSummaryResult& result) {
    LineReader reader;
    READ_REQ_FILE(reader, requirementPath, result);
}

void READ_REQ_FILE(LineReader& reader, std::string_view requirementPath,
                   RequirementSummaryResult& result) {
    result.hourCount = 0;
    const std::string_view path = trim_right(requirementPath);
    if (!reader.open(path)) {
        result.RequirementSummary = "Could not OPEN file:" + std::string(path);
        return;
    }
    read_requirement_summary_lines(reader, path, result);
}

void read_requirement_summary_lines(LineReader& reader, std::string_view requirementPath,
                                    RequirementSummaryResult& result) {
    Text<3> admin("???");
    Text<5> frequency("?????");
    Text<14> time("???\?-???\?(?/?)");  // escaped: no trigraphs
    Text<30> ciraf("?????");
    Text<24> station("?????");
    result.hourCount = 0;
    const std::string_view path = trim_right(requirementPath);
    std::string_view line;
    while (reader.next(line)) {
        // Lines are records of 80 characters; anything beyond is not part of them.
        line = line.substr(0, 80);
        std::string_view label = line.substr(0, 10);
        if (label == "Hours    :") {
            FieldReader fields(line);
            fields.skip(10);
            for (std::int32_t& hour : result.hours) {
                if (!fields.integer(7, hour)) {
                    result.RequirementSummary = "ERROR READing file.";
                    reader.close();
                    return;
                }
            }
            result.hourCount = 0;
            for (int k = 9; k >= 1; --k) {
                if (result.hours[static_cast<std::size_t>(k - 1)] > 0) {
                    result.hourCount = k;
                    break;
                }
            }
        } else if (label == "Comment  :") {
            Text<80> record(line);
            if (record.sub(11, 15) == "Admin") {
                admin = record.sub(21, 23);
            } else if (record.sub(11, 14) == "Time") {
                time = std::string(record.sub(21, 29)) + "(?/?)";
            } else if (record.sub(11, 14) == "INFO") {
                frequency = record.sub(19, 23);
                ciraf = record.sub(25, 54);
                station = record.sub(56, 79);
            }
        }
    }
    reader.close();

    // The grid files of digit k exist or not whether or not hour k is positive.
    int found = 0;
    if (path.size() >= 2) {
        std::string grid(path.substr(0, path.size() - 2));
        grid += "G0";
        for (int k = 1; k <= result.hourCount; ++k) {
            grid.back() = static_cast<char>('0' + k);
            found += IT_EXIST(grid);
        }
    }
    time.at1(11) = static_cast<char>('0' + found);
    time.at1(12) = '/';
    time.at1(13) = static_cast<char>('0' + result.hourCount);

    RecordWriter summary;
    summary.text(admin.view(), 3).blanks(1).text(frequency.view(), 5).blanks(1);
    summary.text(time.view(), 14).blanks(1).text(ciraf.view(), 30).blanks(1);
    summary.text(station.view(), 24);
    result.RequirementSummary = summary.str();
}

}  // namespace qor
