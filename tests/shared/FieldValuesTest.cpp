// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

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

TEST(FieldValues, RaisesTheConversionErrorAtEveryUseOfABadField) {
    FieldTextMap texts{{3, "x"}};
    const NumberLocale locale;
    FieldValues values(texts, locale);
    EXPECT_THROW(values.Number(3), RunTimeError);
    EXPECT_THROW(values.Number(3), RunTimeError);
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
