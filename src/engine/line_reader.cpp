#include "line_reader.h"

namespace coilwise {

std::optional<std::string> LineReader::next() {
    if (atEnd()) {
        return std::nullopt;
    }
    const std::size_t cr = text_.find('\r', pos_);
    const std::size_t end = cr == std::string_view::npos ? text_.size() : cr;
    std::string line(text_.substr(pos_, end - pos_));
    pos_ = end;
    if (pos_ < text_.size()) {
        ++pos_;
        if (pos_ < text_.size() && text_[pos_] == '\n') {
            ++pos_;
        }
    }
    return line;
}

} // namespace coilwise
