#include "json_writer.h"

#include <gtest/gtest.h>

#include <limits>
#include <sstream>
#include <string>

namespace resonara {
namespace {

TEST(JsonWriterTest, EscapesQuotesBackslashesAndControlCharacters) {
    EXPECT_EQ(JsonEscaped("plain text"), "plain text");
    EXPECT_EQ(JsonEscaped("say \"hi\""), "say \\\"hi\\\"");
    EXPECT_EQ(JsonEscaped("C:\\dir"), "C:\\\\dir");
    EXPECT_EQ(JsonEscaped("a\nb\tc\rd\be\f"), "a\\nb\\tc\\rd\\be\\f");
    EXPECT_EQ(JsonEscaped(std::string("\x01\x1f\x00", 3)), "\\u0001\\u001f\\u0000");
    EXPECT_EQ(JsonEscaped("\x7f caf\xc3\xa9"), "\x7f caf\xc3\xa9");  // bytes from space up pass as they are
}

TEST(JsonWriterTest, SeparatesMembersAndElementsWithCommas) {
    std::ostringstream out;
    JsonWriter json(out);
    json.BeginObject();
    json.Key("a");
    json.BeginArray();
    json.Number(1.0);
    json.BeginObject();
    json.EndObject();
    json.BeginArray();
    json.EndArray();
    json.Bool(false);
    json.EndArray();
    json.Key("b");
    json.String("x");
    json.Key("c");
    json.RawNumber("0.7");
    json.EndObject();
    EXPECT_EQ(out.str(), "{\"a\":[1,{},[],false],\"b\":\"x\",\"c\":0.7}");
}

TEST(JsonWriterTest, NumbersRoundTripAndNonFiniteBecomeStrings) {
    std::ostringstream out;
    JsonWriter json(out);
    json.BeginArray();
    json.Number(0.1);
    json.Number(0.1f);
    json.Number(1e300);
    json.Number(-std::numeric_limits<double>::infinity());
    json.Number(std::numeric_limits<float>::infinity());
    json.Number(-std::numeric_limits<double>::quiet_NaN());
    json.ShortestNumber(0.342);
    json.ShortestNumber(6.574178352872);
    json.ShortestNumber(-std::numeric_limits<double>::infinity());
    json.EndArray();
    EXPECT_EQ(out.str(),
              "[0.10000000000000001,0.100000001,1.0000000000000001e+300,\"-inf\",\"inf\",\"nan\","
              "0.342,6.574178352872,\"-inf\"]");
}

}  // namespace
}  // namespace resonara
