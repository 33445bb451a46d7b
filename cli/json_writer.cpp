#include "json_writer.h"

#include <cmath>
#include <ostream>

#include "round_trip_text.h"

namespace resonara {
namespace {

// Below this every character is a control character and must be escaped.
constexpr unsigned char kFirstPrintable = 0x20;
constexpr char kHexDigits[] = "0123456789abcdef";

std::string ControlEscape(unsigned char c) {
    switch (c) {
        case '\b': return "\\b";
        case '\f': return "\\f";
        case '\n': return "\\n";
        case '\r': return "\\r";
        case '\t': return "\\t";
        default: return std::string("\\u00") + kHexDigits[c >> 4] + kHexDigits[c & 0xf];
    }
}

}  // namespace

std::string JsonEscaped(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            escaped += '\\';
            escaped += c;
        } else if (byte < kFirstPrintable) {
            escaped += ControlEscape(byte);
        } else {
            escaped += c;
        }
    }
    return escaped;
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (!containerIsEmpty_.empty()) {
        if (!containerIsEmpty_.back()) {
            out_ << ',';
        }
        containerIsEmpty_.back() = false;
    }
}

void JsonWriter::BeginObject() {
    BeforeValue();
    out_ << '{';
    containerIsEmpty_.push_back(true);
}

void JsonWriter::EndObject() {
    containerIsEmpty_.pop_back();
    out_ << '}';
}

void JsonWriter::BeginArray() {
    BeforeValue();
    out_ << '[';
    containerIsEmpty_.push_back(true);
}

void JsonWriter::EndArray() {
    containerIsEmpty_.pop_back();
    out_ << ']';
}

void JsonWriter::Key(std::string_view key) {
    String(key);
    out_ << ':';
    afterKey_ = true;
}

void JsonWriter::String(std::string_view text) {
    BeforeValue();
    out_ << '"' << JsonEscaped(text) << '"';
}

void JsonWriter::Bool(bool value) {
    BeforeValue();
    out_ << (value ? "true" : "false");
}

void JsonWriter::RawNumber(std::string_view text) {
    BeforeValue();
    out_ << text;
}

void JsonWriter::NumberText(const std::string& text, bool finite) {
    if (finite) {
        RawNumber(text);
    } else {
        String(text);
    }
}

void JsonWriter::Number(double value) { NumberText(RoundTripText(value), std::isfinite(value)); }

void JsonWriter::Number(float value) { NumberText(RoundTripText(value), std::isfinite(value)); }

void JsonWriter::ShortestNumber(double value) { NumberText(ShortestText(value), std::isfinite(value)); }

}  // namespace resonara
