// Value: conversions between types as the engine performs them, copying and comparison.
#include <gtest/gtest.h>

#include <climits>
#include <limits>

#include "base/CCValue.h"

using cocos2d::Value;
using cocos2d::ValueMap;
using cocos2d::ValueMapIntKey;
using cocos2d::ValueVector;

TEST(Value, TypesOfConstructedValues) {
    EXPECT_EQ(Value().getType(), Value::Type::NONE);
    EXPECT_TRUE(Value().isNull());
    EXPECT_TRUE(Value::Null.isNull());
    EXPECT_EQ(Value(static_cast<unsigned char>(3)).getType(), Value::Type::BYTE);
    EXPECT_EQ(Value(3).getType(), Value::Type::INTEGER);
    EXPECT_EQ(Value(3u).getType(), Value::Type::UNSIGNED);
    EXPECT_EQ(Value(3.0f).getType(), Value::Type::FLOAT);
    EXPECT_EQ(Value(3.0).getType(), Value::Type::DOUBLE);
    EXPECT_EQ(Value(true).getType(), Value::Type::BOOLEAN);
    EXPECT_EQ(Value("x").getType(), Value::Type::STRING);
    EXPECT_EQ(Value(ValueVector()).getType(), Value::Type::VECTOR);
    EXPECT_EQ(Value(ValueMap()).getType(), Value::Type::MAP);
    EXPECT_EQ(Value(ValueMapIntKey()).getType(), Value::Type::INT_KEY_MAP);
    EXPECT_EQ(static_cast<int>(Value::Type::INT_KEY_MAP), 10);
    EXPECT_EQ(static_cast<int>(Value::Type::STRING), 7);
}

TEST(Value, StringsConvertLikeAtoiAndAtof) {
    EXPECT_EQ(Value("42abc").asInt(), 42);
    EXPECT_EQ(Value("  -7").asInt(), -7);
    EXPECT_EQ(Value("abc").asInt(), 0);
    EXPECT_EQ(Value("3.9").asInt(), 3);
    EXPECT_FLOAT_EQ(Value("1.5e2").asFloat(), 150.0f);
    EXPECT_DOUBLE_EQ(Value("770.0").asDouble(), 770.0);
    EXPECT_DOUBLE_EQ(Value("junk").asDouble(), 0.0);
    // Seven digits after the point are kept; the rest (and an exponent
    // after them) are cut, as the engine's atof does.
    EXPECT_DOUBLE_EQ(Value("0.123456789").asDouble(), 0.1234567);
    EXPECT_DOUBLE_EQ(Value("1.00000001e5").asDouble(), 1.0);
    EXPECT_EQ(Value("4000000000").asUnsignedInt(), 4000000000u);
}

TEST(Value, NumbersOutsideTheTargetRangeSaturate) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    // The value the fuzzer found, and its kin: each end of the range, never
    // an arbitrary pattern.
    EXPECT_EQ(Value(4.98889e+110).asInt(), INT_MAX);
    EXPECT_EQ(Value(-1e39).asInt(), INT_MIN);
    EXPECT_EQ(Value(inf).asInt(), INT_MAX);
    EXPECT_EQ(Value(-inf).asInt(), INT_MIN);
    EXPECT_EQ(Value(nan).asInt(), 0);
    EXPECT_EQ(Value(static_cast<float>(nan)).asInt(), 0);
    EXPECT_EQ(Value(3e9f).asInt(), INT_MAX);
    EXPECT_EQ(Value(2147483647.0).asInt(), INT_MAX);
    EXPECT_EQ(Value(-2147483648.0).asInt(), INT_MIN);
    // In range, the conversion truncates toward zero as a cast does.
    EXPECT_EQ(Value(-2.9).asInt(), -2);
    EXPECT_EQ(Value(2147483646.7).asInt(), 2147483646);
    EXPECT_EQ(Value(-5.0).asUnsignedInt(), 0u);
    EXPECT_EQ(Value(1e20).asUnsignedInt(), UINT_MAX);
    EXPECT_EQ(Value(nan).asUnsignedInt(), 0u);
    EXPECT_EQ(Value(300.0).asByte(), 255);
    EXPECT_EQ(Value(-1.0f).asByte(), 0);
    EXPECT_EQ(Value(254.9).asByte(), 254);
    // atoi's undefined overflow becomes the nearest end of the range too.
    EXPECT_EQ(Value("99999999999999999999").asInt(), INT_MAX);
    EXPECT_EQ(Value("-99999999999999999999").asInt(), INT_MIN);
}

TEST(Value, BooleansFromOtherTypes) {
    EXPECT_FALSE(Value("0").asBool());
    EXPECT_FALSE(Value("false").asBool());
    EXPECT_TRUE(Value("no").asBool());
    EXPECT_TRUE(Value("").asBool());
    EXPECT_TRUE(Value(2).asBool());
    EXPECT_FALSE(Value(0.0).asBool());
    EXPECT_TRUE(Value(0.5f).asBool());
    EXPECT_FALSE(Value().asBool());
    EXPECT_EQ(Value(true).asInt(), 1);
    EXPECT_FLOAT_EQ(Value(false).asFloat(), 0.0f);
}

TEST(Value, NumbersAsText) {
    EXPECT_EQ(Value(12).asString(), "12");
    EXPECT_EQ(Value(0.5f).asString(), "0.5000000");
    EXPECT_EQ(Value(0.25).asString(), "0.2500000000000000");
    EXPECT_EQ(Value(true).asString(), "true");
    EXPECT_EQ(Value(static_cast<unsigned char>('A')).asString(), "A");
    EXPECT_EQ(Value().asString(), "");
    EXPECT_EQ(Value(ValueMap()).asString(), "");
    EXPECT_EQ(Value(-3.99).asInt(), -3);
    EXPECT_EQ(Value(300).asByte(), 44);
}

TEST(Value, ContainersOfTheWrongTypeAreEmpty) {
    Value number(5);
    EXPECT_TRUE(number.asValueMap().empty());
    EXPECT_TRUE(number.asValueVector().empty());
    EXPECT_TRUE(number.asIntKeyMap().empty());
    // Writing into the stand-in does not leak into the next request.
    number.asValueMap()["x"] = Value(1);
    EXPECT_TRUE(number.asValueMap().empty());
    EXPECT_EQ(number.asInt(), 5);
    const Value constant("s");
    EXPECT_TRUE(constant.asValueVector().empty());
}

TEST(Value, CopiesAreDeepAndMovesEmptyTheSource) {
    ValueMap inner;
    inner["a"] = Value(1);
    ValueVector list;
    list.push_back(Value(inner));
    list.push_back(Value("two"));
    Value original(list);

    Value copy(original);
    copy.asValueVector()[0].asValueMap()["a"] = Value(9);
    EXPECT_EQ(original.asValueVector()[0].asValueMap().at("a").asInt(), 1);
    EXPECT_EQ(copy.asValueVector()[0].asValueMap().at("a").asInt(), 9);

    Value moved(std::move(copy));
    EXPECT_TRUE(copy.isNull());
    EXPECT_EQ(moved.asValueVector().size(), 2u);

    // Reassigning between kinds releases the old payload.
    moved = 3.5f;
    EXPECT_EQ(moved.getType(), Value::Type::FLOAT);
    moved = std::string("text");
    EXPECT_EQ(moved.asString(), "text");
    moved = moved;
    EXPECT_EQ(moved.asString(), "text");
}

TEST(Value, Equality) {
    EXPECT_EQ(Value(1), Value(1));
    EXPECT_NE(Value(1), Value(1u));
    EXPECT_NE(Value(1), Value(1.0));
    EXPECT_EQ(Value("a"), Value(std::string("a")));
    EXPECT_EQ(Value(), Value::Null);
    ValueMap a, b;
    a["k"] = Value(ValueVector{Value(1), Value("x")});
    b["k"] = Value(ValueVector{Value(1), Value("x")});
    EXPECT_EQ(Value(a), Value(b));
    b["k"].asValueVector().push_back(Value(false));
    EXPECT_NE(Value(a), Value(b));
}
