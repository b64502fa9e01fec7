#include "design_format.h"

#include "engine/line_reader.h"
#include "engine/number_text.h"
#include "text_encoding.h"

#include <cmath>

namespace coilwise {

namespace {

// Numbers are written with a blank in the place of the sign and a blank after them.
std::string numberLine(std::int16_t value) {
    std::string line(value < 0 ? 0 : 1, ' ');
    line += std::to_string(value);
    line += ' ';
    return line;
}

} // namespace

std::optional<std::int16_t> fileInteger(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= -32768 && rounded <= 32767)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::string singleLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] == '\r' || text[pos] == '\n') {
            line += ' ';
            pos += text.compare(pos, 2, "\r\n") == 0 ? 1U : 0U;
        } else {
            line += text[pos];
        }
    }
    return line;
}

std::string writeDesignFile(const DesignInputs& inputs) {
    std::string text;
    const auto line = [&text](std::string_view content) {
        text += singleLine(content);
        text += "\r\n";
    };
    line(designFileHeader);
    line(std::string(31, '-'));
    line(numberLine(inputs.service));
    line(numberLine(inputs.frequency));
    line(numberLine(static_cast<std::int16_t>(inputs.rows.size())));
    for (const auto& [volts, amps] : inputs.rows) {
        line(volts);
        line(amps);
    }
    line(inputs.primary);
    line(inputs.notes);
    return encodeFileText(text);
}

DesignReadResult readDesignFile(std::string_view bytes, DesignFileSink& sink) {
    DesignReadResult result;
    if (bytes.empty()) {
        result.status = DesignReadStatus::empty;
        return result;
    }
    const std::string text = decodeFileText(bytes);
    LineReader reader(text);
    while (!reader.atEnd()) {
        if (reader.next() != designFileHeader) {
            result.status = DesignReadStatus::invalidFormat;
            return result;
        }
        sink.beginRecord();
        std::optional<std::string> line = reader.next();
        std::optional<std::string> service = line ? reader.next() : std::nullopt;
        std::optional<std::string> frequency = service ? reader.next() : std::nullopt;
        std::optional<std::string> count = frequency ? reader.next() : std::nullopt;
        if (!count) {
            result.status = DesignReadStatus::stopped;
            return result;
        }
        result.service = leadingNumber(*service);
        result.frequency = leadingNumber(*frequency);
        const std::optional<std::int16_t> n = fileInteger(leadingNumber(*count));
        if (!n) {
            result.status = DesignReadStatus::stopped;
            return result;
        }
        for (int i = 1; i <= *n; ++i) {
            for (Field field : {Field::labvsec, Field::labisec}) {
                line = reader.next();
                // There is no sixth row to put a value in.
                if (!line || i > rowCount) {
                    result.status = DesignReadStatus::stopped;
                    return result;
                }
                sink.setField({field, i}, *line);
            }
        }
        for (Field field : {Field::labvpri, Field::labobs}) {
            line = reader.next();
            if (!line) {
                result.status = DesignReadStatus::stopped;
                return result;
            }
            sink.setField({field}, *line);
        }
    }
    return result;
}

std::optional<DesignSettings> designSettings(const DesignReadResult& read) {
    const std::optional<std::int16_t> service = fileInteger(read.service);
    if (!service || *service < 1 || *service > 3) {
        return std::nullopt;
    }
    return DesignSettings{*service, static_cast<std::int16_t>(read.frequency == 50 ? 50 : 60)};
}

} // namespace coilwise
