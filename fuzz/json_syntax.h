#pragma once

#include <string_view>

namespace resonara::fuzz {

// Whether `text` is exactly one JSON value (RFC 8259: objects, arrays,
// strings, numbers, true, false, null) with nothing around it but JSON
// whitespace. Strings are checked for escapes and control characters, not
// for UTF-8.
bool IsJsonText(std::string_view text);

}  // namespace resonara::fuzz
