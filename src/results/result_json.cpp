#include "result_json.h"

#include "construction_json.h"
#include "json_writer.h"

#include <array>
#include <charconv>
#include <string>

namespace coilwise {

namespace {

std::string_view outcomeName(Outcome outcome) {
    switch (outcome) {
    case Outcome::ok:
        return "ok";
    case Outcome::inputError:
        return "input_error";
    case Outcome::cannotCalculate:
        return "cannot_calculate";
    case Outcome::cleared:
        return "cleared";
    }
    return {};
}

// The run's message as its lines; a run shows at most one.
void appendMessage(std::string& out, const std::vector<std::string>& messages) {
    if (messages.empty()) {
        out += "null";
        return;
    }
    const std::string_view message = messages.front();
    out += '[';
    std::size_t start = 0;
    for (std::size_t end = message.find('\n'); end != std::string_view::npos;
         start = end + 1, end = message.find('\n', start)) {
        appendJsonString(out, message.substr(start, end - start));
        out += ", ";
    }
    appendJsonString(out, message.substr(start));
    out += ']';
}

// What comes before each field's value, spelled once: `{"labvpri": `, `, "labvsec": [` ...
const std::array<std::string, fieldCount>& fieldOpenings() {
    static const std::array<std::string, fieldCount> openings = [] {
        std::array<std::string, fieldCount> made;
        for (std::size_t f = 0; f < made.size(); ++f) {
            const auto field = static_cast<Field>(f);
            made[f] = (f == 0 ? "{\"" : ", \"") + std::string(fieldName(field)) +
                      (isRowField(field) ? "\": [" : "\": ");
        }
        return made;
    }();
    return openings;
}

void appendFields(std::string& out, const MemoryWindow& window) {
    for (int f = 0; f < fieldCount; ++f) {
        const auto field = static_cast<Field>(f);
        const std::string_view opening = fieldOpenings()[static_cast<std::size_t>(f)];
        if (!isRowField(field)) {
            appendJsonString(out, opening, window.shownText({field}));
            continue;
        }
        for (int row = 1; row <= rowCount; ++row) {
            appendJsonString(out, row > 1 ? std::string_view(", ") : opening, window.shownText({field, row}));
        }
        out += ']';
    }
    out += '}';
}

// Every member but the DC outputs, the object left open.
void appendResultMembers(std::string& out, Outcome outcome, const MemoryWindow& window, std::int16_t q,
                         const Design* design) {
    out += R"({"outcome": ")";
    out += outcomeName(outcome);
    out += R"(", "message": )";
    appendMessage(out, window.messages());
    out += window.beeps() > 0 ? R"(, "beep": true, "focus": )" : R"(, "beep": false, "focus": )";
    if (const std::optional<FieldRef> focus = window.focus()) {
        appendJsonString(out, fieldRefName(*focus));
    } else {
        out += "null";
    }
    out += R"(, "q": )";
    char digits[8];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, q).ptr);
    out += R"(, "fields": )";
    appendFields(out, window);
    if (outcome == Outcome::ok && design != nullptr) {
        appendConstructionJson(out, design->sheet, design->checks);
    }
}

} // namespace

void appendResultJson(std::string& out, const DesignRun& run, std::span<const ConvertedDc> dc) {
    appendResultMembers(out, run.outcome(), run.window(), run.record().q, run.design());
    if (!dc.empty()) {
        out += R"(, "dc": )";
        appendDcJson(out, dc, run);
    }
    out += '}';
}

void appendResultJson(std::string& out, Outcome outcome, const MemoryWindow& window, std::int16_t q,
                      const Design* design) {
    appendResultMembers(out, outcome, window, q, design);
    out += '}';
}

void appendErrorJson(std::string& out, std::string_view reason) {
    out += R"({"outcome": "error", "message": [)";
    appendJsonString(out, reason);
    out += "]}";
}

} // namespace coilwise
