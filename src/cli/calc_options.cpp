#include "calc_options.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace coilwise {

namespace {

struct ServiceName {
    std::string_view name;
    std::int16_t index;
};

constexpr std::array<ServiceName, 6> serviceNames{{
    {"1", 1},
    {"2", 2},
    {"3", 3},
    {"continuous", 1},
    {"discontinuous", 2},
    {"random", 3},
}};

// Thrown within this file only, to end the reading of the arguments at the first fault.
struct UsageError {
    std::string reason;
};

class ArgumentReader {
public:
    explicit ArgumentReader(std::span<const std::string> args) : args_(args) {}

    CalcOptions read() {
        CalcOptions options;
        bool designOptions = false;
        bool optionsEnded = false;
        while (next_ < args_.size()) {
            const std::string& option = args_[next_++];
            if (optionsEnded) {
                options.files.push_back(option);
            } else if (option == "--") {
                optionsEnded = true;
            } else if (option == "--json" || option == "--jsonl") {
                output(option == "--json" ? CalcOutput::json : CalcOutput::jsonl, options);
            } else if (option == "--locale") {
                options.localeName = value(option);
            } else if (option == "--core") {
                options.core = core(value(option));
            } else if (designOption(option, options)) {
                designOptions = true;
            } else if (option.starts_with('-')) {
                throw UsageError{"unknown option '" + option + "'"};
            } else {
                options.files.push_back(option);
            }
        }
        if (designOptions && options.output == CalcOutput::jsonl) {
            throw UsageError{"--jsonl reads the designs from standard input; give no design options with it"};
        }
        if (!options.files.empty() && (typedDesign_ || options.output == CalcOutput::jsonl)) {
            throw UsageError{"give design files, typed values or --jsonl, not two of them"};
        }
        return options;
    }

private:
    static void output(CalcOutput wanted, CalcOptions& options) {
        if (options.output != CalcOutput::sheet && options.output != wanted) {
            throw UsageError{"--json and --jsonl exclude each other"};
        }
        options.output = wanted;
    }

    bool designOption(const std::string& option, CalcOptions& options) {
        if (option == "--primary") {
            options.design.primary = value(option);
            typedDesign_ = true;
        } else if (option == "--secondary") {
            secondary(value(option), options.design);
            typedDesign_ = true;
        } else if (option == "--dc-secondary") {
            dcSecondary(value(option), options);
            typedDesign_ = true;
        } else if (option == "--frequency") {
            options.design.frequency = frequency(value(option));
        } else if (option == "--service") {
            options.design.service = service(value(option));
        } else if (option == "--iron-price") {
            options.ironPrice = value(option);
        } else if (option == "--copper-price") {
            options.copperPrice = value(option);
        } else {
            return false;
        }
        return true;
    }

    // A second value of an option that takes one would silently replace the first.
    const std::string& value(const std::string& option) {
        if (next_ == args_.size()) {
            throw UsageError{option + " needs a value"};
        }
        const bool repeatable = option == "--secondary" || option == "--dc-secondary";
        if (!repeatable && std::find(given_.begin(), given_.end(), option) != given_.end()) {
            throw UsageError{option + " is given twice"};
        }
        given_.push_back(option);
        return args_[next_++];
    }

    // "V:A", both texts as typed; the engine checks them as it checks the window's fields.
    void secondary(const std::string& text, DesignInput& design) {
        if (secondaries_ == rowCount) {
            throw UsageError{"at most 5 secondaries"};
        }
        const std::size_t colon = text.find(':');
        if (colon == std::string::npos || text.find(':', colon + 1) != std::string::npos) {
            throw UsageError{"--secondary takes V:A, not '" + text + "'"};
        }
        const auto row = static_cast<std::size_t>(secondaries_++);
        design.volts[row] = text.substr(0, colon);
        design.amps[row] = text.substr(colon + 1);
    }

    // A DC output takes the next row, or the next two for a centre tap.
    void dcSecondary(const std::string& text, CalcOptions& options) {
        std::variant<DcSecondaryOption, std::string> read = readDcSecondaryOption(text, secondaries_ + 1);
        if (const std::string* reason = std::get_if<std::string>(&read)) {
            throw UsageError{*reason};
        }
        const DcSecondaryOption& dc = std::get<DcSecondaryOption>(read);
        if (secondaries_ + windingRows(dc.rectifier) > rowCount) {
            throw UsageError{"at most 5 secondaries"};
        }
        secondaries_ += windingRows(dc.rectifier);
        options.dcSecondaries.push_back(dc);
    }

    // "TONGUE:STACK" in whole millimetres.
    static ChosenCore core(const std::string& text) {
        const std::size_t colon = text.find(':');
        int tongue = 0;
        int stack = 0;
        const auto whole = [](std::string_view digits, int& value) {
            return !digits.empty() && digits.size() <= 4 &&
                   std::from_chars(digits.data(), digits.data() + digits.size(), value).ptr ==
                       digits.data() + digits.size();
        };
        const std::string_view all(text);
        if (colon == std::string::npos || !whole(all.substr(0, colon), tongue) ||
            !whole(all.substr(colon + 1), stack)) {
            throw UsageError{"--core takes TONGUE:STACK in whole mm, not '" + text + "'"};
        }
        const std::optional<ChosenCore> chosen = chosenCore(tongue, stack);
        if (!chosen) {
            throw UsageError{"--core " + text +
                             ": the tongue must be 5 to 100 mm and the stack from half to "
                             "three times the tongue"};
        }
        return *chosen;
    }

    static std::int16_t frequency(const std::string& text) {
        if (text == "50") {
            return 50;
        }
        if (text == "60") {
            return 60;
        }
        throw UsageError{"--frequency takes 50 or 60, not '" + text + "'"};
    }

    static std::int16_t service(const std::string& text) {
        for (const ServiceName& service : serviceNames) {
            if (text == service.name) {
                return service.index;
            }
        }
        throw UsageError{"--service takes 1, 2, 3, continuous, discontinuous or random, not '" + text + "'"};
    }

    std::span<const std::string> args_;
    std::size_t next_ = 0;
    int secondaries_ = 0;
    std::vector<std::string> given_; // the valued options read so far
    bool typedDesign_ = false;
};

} // namespace

std::variant<CalcOptions, std::string> parseCalcOptions(std::span<const std::string> args) {
    try {
        return ArgumentReader(args).read();
    } catch (const UsageError& error) {
        return error.reason;
    }
}

} // namespace coilwise
