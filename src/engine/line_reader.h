#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace coilwise {

// Reads text a line at a time as the program's files have always been read: a line ends at a
// carriage return or a carriage return and line feed; a line feed alone belongs to the line.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ >= text_.size(); }
    // The next line without its ending; none when the text is used up.
    std::optional<std::string> next();

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace coilwise
