#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace resonara {

// Writes one JSON value to a stream as it is described, compact, without
// building a tree. Commas come by themselves.
// REQUIRES: calls nest properly, and inside an object each value follows its Key.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : out_(out) {}

    void BeginObject();
    void EndObject();
    void BeginArray();
    void EndArray();
    void Key(std::string_view key);

    void String(std::string_view text);
    void Bool(bool value);
    // Numbers in texts that read back as the same value. JSON has no
    // infinity or NaN: those are written as the strings "inf", "-inf", "nan".
    void Number(double value);
    void Number(float value);
    // The shortest text that reads back as the value, for numbers a person typed.
    void ShortestNumber(double value);
    // A number already in JSON syntax, written as it stands.
    void RawNumber(std::string_view text);

private:
    void BeforeValue();
    void NumberText(const std::string& text, bool finite);

    std::ostream& out_;
    std::vector<bool> containerIsEmpty_;  // one entry per open object or array
    bool afterKey_ = false;
};

// `text` as the body of a JSON string: quotes, backslashes and control characters escaped.
std::string JsonEscaped(std::string_view text);

}  // namespace resonara
