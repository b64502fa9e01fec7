#include "result_json.h"

#include "construction_json.h"
#include "json_writer.h"

#include <charconv>

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

void appendFields(std::string& out, const MemoryWindow& window) {
    out += '{';
    for (int f = 0; f < fieldCount; ++f) {
        const auto field = static_cast<Field>(f);
        if (f > 0) {
            out += ", ";
        }
        appendJsonString(out, fieldName(field));
        out += ": ";
        if (!isRowField(field)) {
            appendJsonString(out, window.text({field}));
            continue;
        }
        out += '[';
        for (int row = 1; row <= rowCount; ++row) {
            if (row > 1) {
                out += ", ";
            }
            appendJsonString(out, window.text({field, row}));
        }
        out += ']';
    }
    out += '}';
}

} // namespace

void appendResultJson(std::string& out, const DesignRun& run, std::span<const ConvertedDc> dc) {
    const MemoryWindow& window = run.window();
    out += R"({"outcome": ")";
    out += outcomeName(run.outcome());
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
    out.append(digits, std::to_chars(digits, digits + sizeof digits, run.record().q).ptr);
    out += R"(, "fields": )";
    appendFields(out, window);
    if (run.outcome() == Outcome::ok && run.record().details) {
        const DesignDetails& design = *run.record().details;
        const ConstructionSheet sheet = constructionSheet(design);
        appendConstructionJson(out, sheet, designChecks(design, sheet, run.locale()));
    }
    if (!dc.empty()) {
        out += R"(, "dc": )";
        appendDcJson(out, dc, run);
    }
    out += '}';
}

void appendErrorJson(std::string& out, std::string_view reason) {
    out += R"({"outcome": "error", "message": [)";
    appendJsonString(out, reason);
    out += "]}";
}

} // namespace coilwise
