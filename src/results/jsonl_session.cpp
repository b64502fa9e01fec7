#include "jsonl_session.h"

#include "engine/design_run.h"
#include "files/text_encoding.h"
#include "jsonl_input.h"
#include "result_json.h"

#include <istream>
#include <limits>
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

enum class LineRead { line, tooLong, end };

// The next line without its line end, at most maxJsonLineBytes of it; a longer line is read to
// its end and dropped, so that no input, not even /dev/zero, can take the memory.
class LineReader {
public:
    explicit LineReader(std::istream& in) : in_(in), buffer_(maxJsonLineBytes + 2) {}

    LineRead next(std::string& line) {
        const auto room = static_cast<std::streamsize>(buffer_.size());
        in_.getline(buffer_.data(), room);
        const std::streamsize taken = in_.gcount();
        if (in_.fail() && !in_.eof() && !in_.bad() && taken == room - 1) {
            in_.clear();
            in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
            return LineRead::tooLong;
        }
        if (taken == 0 && (in_.eof() || in_.fail())) {
            return LineRead::end;
        }
        // A last line without its line end ends in end-of-file; one with it is counted with it.
        const std::size_t length = static_cast<std::size_t>(taken) - (in_.eof() ? 0 : 1);
        line.assign(buffer_.data(), length);
        if (in_.eof()) {
            in_.clear(in_.rdstate() & ~std::ios::failbit);
        }
        return LineRead::line;
    }

private:
    std::istream& in_;
    std::vector<char> buffer_;
};

} // namespace

ExitStatus runJsonLines(std::istream& in, std::ostream& out, std::ostream& err, const Locale& locale,
                        const DesignInput& defaults) {
    std::string line;
    std::string result;
    int refused = 0;
    int malformed = 0;
    std::vector<long long> malformedLines; // the first ten, for the summary
    long long lineNumber = 0;
    const auto noteMalformed = [&](long long number) {
        ++malformed;
        if (malformedLines.size() < 10) {
            malformedLines.push_back(number);
        }
    };
    bool firstLine = true;
    LineReader reader(in);
    for (LineRead read = reader.next(line); read != LineRead::end; read = reader.next(line)) {
        ++lineNumber;
        if (read == LineRead::tooLong) {
            noteMalformed(lineNumber);
            result.clear();
            appendErrorJson(result, "line " + std::to_string(lineNumber) +
                                        " is longer than 1 MiB, more than any design");
            result += '\n';
            out.write(result.data(), static_cast<std::streamsize>(result.size()));
            firstLine = false;
            continue;
        }
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
            noteMalformed(lineNumber);
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
    if (in.bad()) {
        err << "coilwise: standard input could not be read\n";
        return exitUsageError;
    }
    if (malformed > 0) {
        err << "coilwise: input line" << (malformed == 1 ? " " : "s ") << lineList(malformedLines, malformed)
            << (malformed == 1 ? " was" : " were") << " not a design; see the error lines\n";
        return exitUsageError;
    }
    return refused > 0 ? exitRefused : exitCalculated;
}

} // namespace coilwise
