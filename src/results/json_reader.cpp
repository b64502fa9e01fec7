#include "json_reader.h"

#include "engine/utf8.h"

#include <charconv>
#include <system_error>

namespace coilwise {

namespace {

// Thrown within the reader only, to leave any depth of nesting at the first fault.
struct Failure {
    const char* reason;
    std::size_t at;
};

class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    JsonValue document() {
        JsonValue value = parseValue(0);
        skipWhitespace();
        if (pos_ != text_.size()) {
            fail("text after the value");
        }
        return value;
    }

private:
    [[noreturn]] void fail(const char* reason) const { throw Failure{reason, pos_}; }

    bool atEnd() const { return pos_ >= text_.size(); }
    char peek() const { return atEnd() ? '\0' : text_[pos_]; }

    void skipWhitespace() {
        while (!atEnd() && (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r')) {
            ++pos_;
        }
    }

    void expect(char c, const char* reason) {
        skipWhitespace();
        if (!take(c)) {
            fail(reason);
        }
    }

    JsonValue parseValue(int depth) {
        skipWhitespace();
        if (atEnd()) {
            fail("unexpected end of text");
        }
        switch (peek()) {
        case '{':
            return {parseObject(depth + 1)};
        case '[':
            return {parseArray(depth + 1)};
        case '"':
            return {parseString()};
        case 't':
            return literal("true", JsonValue{true});
        case 'f':
            return literal("false", JsonValue{false});
        case 'n':
            return literal("null", JsonValue{nullptr});
        default:
            return {parseNumber()};
        }
    }

    JsonValue literal(std::string_view word, JsonValue value) {
        if (text_.substr(pos_, word.size()) != word) {
            fail("unexpected character");
        }
        pos_ += word.size();
        return value;
    }

    void enter(int depth) {
        if (depth > maxJsonDepth) {
            fail("nested too deeply");
        }
        ++pos_;
    }

    JsonValue::Object parseObject(int depth) {
        enter(depth);
        JsonValue::Object object;
        skipWhitespace();
        if (peek() == '}') {
            ++pos_;
            return object;
        }
        do {
            skipWhitespace();
            if (peek() != '"') {
                fail("expected a member name");
            }
            std::string key = parseString();
            expect(':', "expected ':'");
            object.emplace_back(std::move(key), parseValue(depth));
            skipWhitespace();
        } while (take(','));
        expect('}', "expected ',' or '}'");
        return object;
    }

    JsonValue::Array parseArray(int depth) {
        enter(depth);
        JsonValue::Array array;
        skipWhitespace();
        if (peek() == ']') {
            ++pos_;
            return array;
        }
        do {
            array.push_back(parseValue(depth));
            skipWhitespace();
        } while (take(','));
        expect(']', "expected ',' or ']'");
        return array;
    }

    bool take(char c) {
        if (atEnd() || peek() != c) {
            return false;
        }
        ++pos_;
        return true;
    }

    std::string parseString() {
        ++pos_;
        std::string out;
        while (true) {
            // Plain bytes are copied a run at a time.
            const std::size_t start = pos_;
            while (!atEnd()) {
                const auto byte = static_cast<unsigned char>(peek());
                if (byte == '"' || byte == '\\' || byte < 0x20) {
                    break;
                }
                const std::size_t length = byte < 0x80 ? 1 : utf8SequenceLength(text_, pos_);
                if (length == 0) {
                    fail("invalid UTF-8");
                }
                pos_ += length;
            }
            out.append(text_.substr(start, pos_ - start));
            if (atEnd()) {
                fail("unterminated string");
            }
            const char c = text_[pos_++];
            if (c == '"') {
                return out;
            }
            if (c != '\\') {
                --pos_;
                fail("control character in string");
            }
            escape(out);
        }
    }

    void escape(std::string& out) {
        const char c = peek();
        ++pos_;
        switch (c) {
        case '"':
        case '\\':
        case '/':
            out += c;
            return;
        case 'b':
            out += '\b';
            return;
        case 'f':
            out += '\f';
            return;
        case 'n':
            out += '\n';
            return;
        case 'r':
            out += '\r';
            return;
        case 't':
            out += '\t';
            return;
        case 'u':
            appendUtf8(out, codePoint());
            return;
        default:
            --pos_;
            fail("invalid escape");
        }
    }

    // After "\u": the code point of one escape, or of two escapes forming a surrogate pair.
    char32_t codePoint() {
        const char32_t unit = hex4();
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            fail("lone surrogate");
        }
        if (unit < 0xD800 || unit > 0xDBFF) {
            return unit;
        }
        if (text_.substr(pos_, 2) != "\\u") {
            fail("lone surrogate");
        }
        pos_ += 2;
        const char32_t low = hex4();
        if (low < 0xDC00 || low > 0xDFFF) {
            fail("lone surrogate");
        }
        return 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
    }

    char32_t hex4() {
        char32_t value = 0;
        for (int i = 0; i < 4; ++i, ++pos_) {
            const char c = peek();
            int digit = 0;
            if (c >= '0' && c <= '9') {
                digit = c - '0';
            } else if (c >= 'a' && c <= 'f') {
                digit = c - 'a' + 10;
            } else if (c >= 'A' && c <= 'F') {
                digit = c - 'A' + 10;
            } else {
                fail("invalid \\u escape");
            }
            value = value * 16 + static_cast<char32_t>(digit);
        }
        return value;
    }

    std::size_t digits() {
        const std::size_t start = pos_;
        while (peek() >= '0' && peek() <= '9') {
            ++pos_;
        }
        return pos_ - start;
    }

    // The grammar is checked here, since from_chars also reads forms JSON does not allow.
    double parseNumber() {
        const std::size_t start = pos_;
        take('-');
        if (!take('0') && digits() == 0) {
            fail(start == pos_ ? "unexpected character" : "expected a digit");
        }
        if (take('.') && digits() == 0) {
            fail("expected a digit");
        }
        if (take('e') || take('E')) {
            if (!take('+')) {
                take('-');
            }
            if (digits() == 0) {
                fail("expected a digit");
            }
        }
        double value = 0;
        if (std::from_chars(text_.data() + start, text_.data() + pos_, value).ec != std::errc()) {
            pos_ = start;
            fail("number out of range");
        }
        return value;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

} // namespace

std::variant<JsonValue, JsonError> parseJson(std::string_view text) {
    try {
        return Reader(text).document();
    } catch (const Failure& failure) {
        return JsonError{failure.reason, failure.at + 1};
    }
}

} // namespace coilwise
