// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "numerics/RunTimeError.h"
#include "shared/FieldTextMap.h"
#include "shared/FieldValues.h"
#include "shared/UncertainParameters.h"

namespace vardolin {
namespace {

using testing::Return;

class MockFieldTexts : public FieldTexts {
public:
    MOCK_METHOD(std::string, text, (int field), (const, override));
    MOCK_METHOD(void, setText, (int field, std::string_view text), (override));
};

TEST(FieldValues, ConvertsAFieldOnceUntilTheRunRewritesIt) {
    MockFieldTexts texts;
    const NumberLocale locale;
    FieldValues values(texts, locale);
    EXPECT_CALL(texts, text(4)).WillOnce(Return("500")).WillOnce(Return("1"));
    EXPECT_CALL(texts, setText(4, std::string_view("1")));
    EXPECT_EQ(values.Number(4), 500.0);
    EXPECT_EQ(values.Number(4), 500.0);
    values.Write(4, "1");
    EXPECT_EQ(values.Number(4), 1.0);
}

// The error of a bad text names its field, so that the form can take the user there; its
// message stays the one the user has always read.
TEST(FieldValues, RaisesTheConversionErrorNamingTheFieldAtEveryUseOfABadField) {
    FieldTextMap texts{{3, "x"}, {4, "1e400"}, {21, "40000"}, {22, "500"}};
    const NumberLocale locale;
    FieldValues values(texts, locale);
    const auto errorOf = [](auto&& use) -> std::optional<RunTimeError> {
        try {
            use();
        } catch (const RunTimeError& e) {
            return e;
        }
        return std::nullopt;
    };
    for (int use = 0; use < 2; ++use) {
        const auto mismatch = errorOf([&] { values.Number(3); });
        ASSERT_TRUE(mismatch);
        EXPECT_EQ(mismatch->code(), ErrorCode::TypeMismatch);
        EXPECT_EQ(mismatch->field(), 3);
        EXPECT_EQ(mismatch->message(), "Run-time error '13': Type mismatch");
    }
    const auto huge = errorOf([&] { values.Number(4); });
    ASSERT_TRUE(huge);
    EXPECT_EQ(huge->field(), 4);
    EXPECT_EQ(huge->message(), "Run-time error '6': Overflow");

    // A number that converts but is too large for a 16-bit count is the field's fault too.
    EXPECT_EQ(values.Number(21), 40000.0);
    const auto tooMany = errorOf([&] { values.RoundedInt16(21); });
    ASSERT_TRUE(tooMany);
    EXPECT_EQ(tooMany->code(), ErrorCode::Overflow);
    EXPECT_EQ(tooMany->field(), 21);
    EXPECT_EQ(values.RoundedInt16(22), 500);
}

TEST(DrawParameter, TakesItsUniformValueBeforeReadingItsFields) {
    FieldTextMap texts{{CohesionMean, ""}, {CohesionStdDev, "200"}};
    const NumberLocale locale;
    FieldValues values(texts, locale);
    UniformSequence uniforms;
    UniformSequence reference;
    reference.NextUniform();
    try {
        DrawParameter(uniforms, values, CohesionMean, CohesionStdDev);
        FAIL() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::TypeMismatch);
    }
    EXPECT_EQ(uniforms.state(), reference.state());
}

}  // namespace
}  // namespace vardolin
