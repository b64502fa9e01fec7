#include "jsonl_session.h"

#include "engine/design_run.h"
#include "files/text_encoding.h"
#include "jsonl_input.h"
#include "result_json.h"

#include <istream>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace coilwise {

namespace {

bool blank(const std::string& line) {
    return line.find_first_not_of(" \t\r") == std::string::npos;
}

// "2, 7 and 9", or the first ten and how many more.
std::string lineList(const std::vector<long long>& lines, int total) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += i == 0                                                             ? ""
                : i + 1 == lines.size() && static_cast<int>(lines.size()) == total ? " and "
                                                                                   : ", ";
        text += std::to_string(lines[i]);
    }
    if (total > static_cast<int>(lines.size())) {
        text += " and " + std::to_string(total - static_cast<int>(lines.size())) + " more";
    }
    return text;
}

} // namespace

ExitStatus runJsonLines(std::istream& in, std::ostream& out, std::ostream& err, const Locale& locale,
                        const DesignInput& defaults) {
    std::string line;
    std::string result;
    int refused = 0;
    int malformed = 0;
    std::vector<long long> malformedLines; // the first ten, for the summary
    long long lineNumber = 0;
    bool firstLine = true;
    while (std::getline(in, line)) {
        ++lineNumber;
        // Some editors begin a UTF-8 file with a byte-order mark.
        if (std::exchange(firstLine, false) && line.starts_with(utf8ByteOrderMark)) {
            line.erase(0, utf8ByteOrderMark.size());
        }
        if (blank(line)) {
            continue;
        }
        result.clear();
        std::variant<DesignInput, std::string> design = designFromJsonLine(line, defaults);
        if (const DesignInput* input = std::get_if<DesignInput>(&design)) {
            const DesignRun run(*input, locale);
            refused += run.refused() ? 1 : 0;
            appendResultJson(result, run);
        } else {
            ++malformed;
            if (malformedLines.size() < 10) {
                malformedLines.push_back(lineNumber);
            }
            appendErrorJson(result, std::get<std::string>(design));
        }
        result += '\n';
        out.write(result.data(), static_cast<std::streamsize>(result.size()));
        // A program that feeds us a line at a time and waits gets its answer before we wait in turn.
        if (in.rdbuf()->in_avail() <= 0) {
            out.flush();
        }
        // No one reads the results any more: the caller reports it.
        if (!out) {
            return exitUsageError;
        }
    }
    if (malformed > 0) {
        err << "coilwise: input line" << (malformed == 1 ? " " : "s ") << lineList(malformedLines, malformed)
            << (malformed == 1 ? " was" : " were") << " not a design; see the error lines\n";
        return exitUsageError;
    }
    return refused > 0 ? exitRefused : exitCalculated;
}

} // namespace coilwise
