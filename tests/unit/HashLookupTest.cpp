#include "Hash.h"
#include "PackedColor.h"
#include "Parser.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

using namespace drev;

namespace {

class HashLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::istringstream input(R"({
            Width 2.5 Name "Ok" DoFade true Off false Flag 1
            Base [ 1 0 0 ] Pair [ 1 2 ] Mixed [ 1 "a" 3 ] Quad [ 0.7 0.7 0.5 0.8 ]
            Turn [ 180 0 0 2 ] Tilt [ 90 3 0 4 ] NoAxis [ 45 0 0 0 ] Huge [ 45 1e30 0 0 ]
            Tint [ -0.5 0.5 2.0 ] Small 1e-50
        })");
        Tokenizer tokenizer(input);
        Parser parser(tokenizer);
        hash = parser.ReadHash();
        ASSERT_TRUE(hash);
    }

    std::unique_ptr<Hash> hash;
};

TEST_F(HashLookupTest, FindIsExactAndCaseSensitive) {
    ASSERT_NE(hash->Find("Width"), nullptr);
    EXPECT_EQ(hash->Find("Width")->AsNumber(), 2.5);
    EXPECT_EQ(hash->Find("width"), nullptr);
    EXPECT_EQ(hash->Find("Widt"), nullptr);
}

TEST_F(HashLookupTest, Numbers) {
    double exact = 7;
    float single = 7;
    EXPECT_TRUE(hash->GetNumber("Width", exact));
    EXPECT_TRUE(hash->GetNumber("Width", single));
    EXPECT_EQ(exact, 2.5);
    EXPECT_EQ(single, 2.5f);
    EXPECT_TRUE(hash->GetNumber("Small", single));
    EXPECT_EQ(single, 0.0f);
    single = 7;
    for (const char* key : {"Name", "DoFade", "Base", "Missing"}) {
        EXPECT_FALSE(hash->GetNumber(key, exact)) << key;
        EXPECT_FALSE(hash->GetNumber(key, single)) << key;
    }
    EXPECT_EQ(exact, 2.5);
    EXPECT_EQ(single, 7.0f);
}

TEST_F(HashLookupTest, StringsAndBooleans) {
    std::string text = "unchanged";
    EXPECT_FALSE(hash->GetString("Width", text));
    EXPECT_EQ(text, "unchanged");
    EXPECT_TRUE(hash->GetString("Name", text));
    EXPECT_EQ(text, "Ok");

    bool truth = false;
    EXPECT_TRUE(hash->GetBoolean("DoFade", truth));
    EXPECT_TRUE(truth);
    EXPECT_TRUE(hash->GetBoolean("Off", truth));
    EXPECT_FALSE(truth);
    truth = true;
    EXPECT_FALSE(hash->GetBoolean("Flag", truth)) << "a number is not a boolean";
    EXPECT_FALSE(hash->GetBoolean("Name", truth));
    EXPECT_TRUE(truth);
}

TEST_F(HashLookupTest, Vector3) {
    double exact[3] = {9, 9, 9};
    float single[3] = {9, 9, 9};
    EXPECT_TRUE(hash->GetVector3("Base", exact));
    EXPECT_TRUE(hash->GetVector3("Tint", single));
    EXPECT_EQ(exact[0], 1.0);
    EXPECT_EQ(exact[2], 0.0);
    EXPECT_EQ(single[0], -0.5f);
    EXPECT_EQ(single[2], 2.0f);
    for (const char* key : {"Pair", "Quad", "Mixed", "Width", "Missing"}) {
        EXPECT_FALSE(hash->GetVector3(key, exact)) << key;
    }
    EXPECT_EQ(exact[0], 1.0) << "unchanged when false";
}

TEST_F(HashLookupTest, Vector4ClearsItsOutputWhenFalse) {
    float vector[4] = {9, 9, 9, 9};
    EXPECT_TRUE(hash->GetVector4("Quad", vector));
    EXPECT_EQ(vector[0], 0.7f);
    EXPECT_EQ(vector[3], 0.8f);
    for (const char* key : {"Base", "Pair", "Mixed", "Name", "Missing"}) {
        float cleared[4] = {9, 9, 9, 9};
        EXPECT_FALSE(hash->GetVector4(key, cleared)) << key;
        EXPECT_EQ(cleared[0] + cleared[1] + cleared[2] + cleared[3], 0.0f) << key;
    }
}

TEST_F(HashLookupTest, RotationIsAUnitQuaternion) {
    float w = 9, x = 9, y = 9, z = 9;
    EXPECT_TRUE(hash->GetRotation("Turn", w, x, y, z));
    EXPECT_NEAR(w, 0.0f, 1e-6);
    EXPECT_EQ(x, 0.0f);
    EXPECT_EQ(y, 0.0f);
    EXPECT_FLOAT_EQ(z, 1.0f);

    EXPECT_TRUE(hash->GetRotation("Tilt", w, x, y, z));
    const float half = std::sqrt(0.5f);
    EXPECT_FLOAT_EQ(w, half);
    EXPECT_FLOAT_EQ(x, half * 0.6f);
    EXPECT_FLOAT_EQ(z, half * 0.8f);
}

TEST_F(HashLookupTest, RotationWithoutAnAxisDirectionIsRefused) {
    for (const char* key : {"NoAxis", "Huge", "Base", "Missing"}) {
        float w = 9, x = 9, y = 9, z = 9;
        EXPECT_FALSE(hash->GetRotation(key, w, x, y, z)) << key;
        EXPECT_TRUE(w == 9 && x == 9 && y == 9 && z == 9) << key;
    }
}

TEST_F(HashLookupTest, ColorFromThreeClampedReals) {
    PackedColor color(std::uint8_t{1}, std::uint8_t{2}, std::uint8_t{3});
    EXPECT_FALSE(hash->GetColor("Quad", color));
    EXPECT_FALSE(hash->GetColor("Mixed", color));
    EXPECT_EQ(color, PackedColor(std::uint8_t{1}, std::uint8_t{2}, std::uint8_t{3}));
    EXPECT_TRUE(hash->GetColor("Tint", color));
    EXPECT_EQ(color, PackedColor(std::uint8_t{0}, std::uint8_t{127}, std::uint8_t{255}));
}

} // namespace
