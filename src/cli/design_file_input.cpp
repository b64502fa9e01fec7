#include "design_file_input.h"

#include "files/design_format.h"
#include "files/whole_file.h"

namespace coilwise {

namespace {

// Each record starts from a cleared window, which keeps only the primary voltage.
class InputSink final : public DesignFileSink {
public:
    explicit InputSink(DesignInput& design) : design_(design) {}

    void beginRecord() override {
        design_.volts = {};
        design_.amps = {};
        design_.notes.clear();
    }

    void setField(FieldRef ref, const std::string& text) override {
        const auto row = static_cast<std::size_t>(ref.row - 1);
        switch (ref.field) {
        case Field::labvsec:
            design_.volts.at(row) = text;
            break;
        case Field::labisec:
            design_.amps.at(row) = text;
            break;
        case Field::labvpri:
            design_.primary = text;
            break;
        case Field::labobs:
            design_.notes = text;
            break;
        default:
            break;
        }
    }

private:
    DesignInput& design_;
};

} // namespace

std::variant<DesignInput, std::string> readDesignInput(const QString& path, const DesignInput& settings) {
    const std::variant<std::string, ReadFailure> file = readFile(path);
    if (const ReadFailure* failure = std::get_if<ReadFailure>(&file)) {
        return readFailureText(*failure, path);
    }
    const std::string* bytes = &std::get<std::string>(file);
    DesignInput design = settings;
    InputSink sink(design);
    const DesignReadResult read = readDesignFile(*bytes, sink);
    switch (read.status) {
    case DesignReadStatus::ok:
        break;
    case DesignReadStatus::empty:
        return std::string("the file is empty");
    case DesignReadStatus::invalidFormat:
        return std::string("the file has not a valid design format");
    case DesignReadStatus::stopped:
        return std::string("the file ends early or holds a count out of range");
    }
    const std::optional<DesignSettings> opened = designSettings(read);
    if (!opened) {
        return std::string("the file names no service");
    }
    design.service = opened->service;
    design.frequency = opened->frequency;
    return design;
}

} // namespace coilwise
