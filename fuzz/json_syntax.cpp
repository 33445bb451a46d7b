#include "json_syntax.h"

#include <cstddef>

namespace resonara::fuzz {
namespace {

constexpr std::string_view kWhitespace = " \t\n\r";
constexpr std::string_view kSingleEscapes = "\"\\/bfnrt";
constexpr std::size_t kUnicodeEscapeDigits = 4;
constexpr unsigned char kFirstUnescaped = 0x20;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// A recursive-descent reader that only says whether the text is well formed.
class JsonReader {
public:
    explicit JsonReader(std::string_view text) : text_(text) {}

    bool WholeText() {
        SkipWhitespace();
        if (!Value()) {
            return false;
        }
        SkipWhitespace();
        return pos_ == text_.size();
    }

private:
    bool Value() {
        switch (Peek()) {
            case '{': return Object();
            case '[': return Array();
            case '"': return String();
            case 't': return Literal("true");
            case 'f': return Literal("false");
            case 'n': return Literal("null");
            default: return Number();
        }
    }

    bool Object() {
        ++pos_;
        SkipWhitespace();
        if (Take('}')) {
            return true;
        }
        do {
            SkipWhitespace();
            if (Peek() != '"' || !String()) {
                return false;
            }
            SkipWhitespace();
            if (!Take(':') || !SpacedValue()) {
                return false;
            }
        } while (Take(','));
        return Take('}');
    }

    bool Array() {
        ++pos_;
        SkipWhitespace();
        if (Take(']')) {
            return true;
        }
        do {
            if (!SpacedValue()) {
                return false;
            }
        } while (Take(','));
        return Take(']');
    }

    bool SpacedValue() {
        SkipWhitespace();
        if (!Value()) {
            return false;
        }
        SkipWhitespace();
        return true;
    }

    bool String() {
        ++pos_;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '"') {
                return true;
            }
            if (static_cast<unsigned char>(c) < kFirstUnescaped || (c == '\\' && !Escape())) {
                return false;
            }
        }
        return false;
    }

    bool Escape() {
        if (Take('u')) {
            for (std::size_t i = 0; i < kUnicodeEscapeDigits; ++i) {
                if (!IsHexDigit(Peek())) {
                    return false;
                }
                ++pos_;
            }
            return true;
        }
        if (pos_ < text_.size() && kSingleEscapes.find(text_[pos_]) != std::string_view::npos) {
            ++pos_;
            return true;
        }
        return false;
    }

    // -?(0|[1-9][0-9]*)(\.[0-9]+)?([eE][+-]?[0-9]+)?
    bool Number() {
        Take('-');
        if (!Take('0')) {
            if (!IsDigit(Peek())) {
                return false;
            }
            SkipDigits();
        }
        if (Take('.') && !Digits()) {
            return false;
        }
        if (Take('e') || Take('E')) {
            if (!Take('+')) {
                Take('-');
            }
            return Digits();
        }
        return true;
    }

    bool Digits() {
        const std::size_t start = pos_;
        SkipDigits();
        return pos_ > start;
    }

    void SkipDigits() {
        while (IsDigit(Peek())) {
            ++pos_;
        }
    }

    bool Literal(std::string_view word) {
        if (text_.substr(pos_, word.size()) != word) {
            return false;
        }
        pos_ += word.size();
        return true;
    }

    void SkipWhitespace() {
        while (pos_ < text_.size() && kWhitespace.find(text_[pos_]) != std::string_view::npos) {
            ++pos_;
        }
    }

    char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

    bool Take(char c) {
        if (Peek() != c || pos_ >= text_.size()) {
            return false;
        }
        ++pos_;
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
};

}  // namespace

bool IsJsonText(std::string_view text) { return JsonReader(text).WholeText(); }

}  // namespace resonara::fuzz
