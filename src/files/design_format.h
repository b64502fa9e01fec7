#pragma once

#include "engine/window_port.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace coilwise {

inline constexpr std::string_view designFileHeader = "COIL-WISE DATA: DO NOT MODIFY!!";

// The inputs of one design as the window holds them (UTF-8 texts).
struct DesignInputs {
    std::int16_t service = 0;
    std::int16_t frequency = 0;
    std::vector<std::pair<std::string, std::string>> rows; // volts and amps texts of rows 1..n
    std::string primary;
    std::string notes;
};

// The text with each line break (CR LF, CR or LF) replaced by one blank: a field's text as one
// line of the file.
std::string singleLine(std::string_view text);

// The file's bytes: header, 31 hyphens, service, frequency, n, the rows, primary and notes, each
// line ended by CR LF.
std::string writeDesignFile(const DesignInputs& inputs);

// Where reading puts what it finds, record by record, as it goes: a failure midway leaves the
// fields read so far in place.
class DesignFileSink {
public:
    virtual ~DesignFileSink() = default;
    // A record's header has been read: the window is cleared for it.
    virtual void beginRecord() = 0;
    virtual void setField(FieldRef ref, const std::string& text) = 0;
};

enum class DesignReadStatus {
    ok,
    empty,         // the file holds no byte
    invalidFormat, // a record does not begin with the header
    stopped,       // the file ends inside a record, or a count is out of range: nothing is said
};

struct DesignReadResult {
    DesignReadStatus status = DesignReadStatus::ok;
    double service = 0;   // line 3 of the last record, as its leading number
    double frequency = 0; // line 4 of the last record, as its leading number
};

// What the last record's service and frequency lines mean for the design: the service 1 to 3 (the
// line's leading number rounded half to even) and 50 Hz for a line that reads exactly 50, else
// 60 Hz. None when the service line names no service.
struct DesignSettings {
    std::int16_t service;
    std::int16_t frequency;
};
std::optional<DesignSettings> designSettings(const DesignReadResult& read);

// Reads every record of the file into the sink; the last one wins.
DesignReadResult readDesignFile(std::string_view bytes, DesignFileSink& sink);

// A count or index read from a file: rounded half to even, none when it does not fit 16 bits
// (the range is checked on the double, before any conversion).
std::optional<std::int16_t> fileInteger(double value);

} // namespace coilwise
