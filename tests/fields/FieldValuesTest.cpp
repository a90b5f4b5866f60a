// SPDX-License-Identifier: MIT
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

#include "TestSupport.h"
#include "analysis/TrialDraws.h"
#include "fields/FieldTextMap.h"
#include "fields/FieldValues.h"
#include "numerics/RunTimeError.h"

namespace vardolin {
namespace {

using testing::Return;
using testing_support::RaisedBy;

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

// A bad text's error names its field at every use, so that the form can take the user there,
// with the message the user has always read. A count too large for 16 bits is its field's too.
TEST(FieldValues, TheErrorOfABadTextNamesItsField) {
    FieldTextMap texts{{3, "x"}, {4, "1e400"}, {21, "40000"}};
    const NumberLocale locale;
    FieldValues values(texts, locale);
    EXPECT_EQ(RaisedBy([&] { values.Number(3); }).value().field(), 3);
    const std::optional<RunTimeError> again = RaisedBy([&] { values.Number(3); });
    EXPECT_EQ(again.value().field(), 3);
    EXPECT_EQ(again->message(), "Run-time error '13': Type mismatch");
    EXPECT_EQ(RaisedBy([&] { values.Number(4); }).value().field(), 4);
    EXPECT_EQ(RaisedBy([&] { values.RoundedInt16(21); }).value().field(), 21);
}

TEST(DrawParameter, TakesItsUniformValueBeforeReadingItsFields) {
    constexpr int kMean = 9;
    constexpr int kSd = 10;
    FieldTextMap texts{{kMean, ""}, {kSd, "200"}};
    const NumberLocale locale;
    FieldValues values(texts, locale);
    UniformSequence uniforms;
    UniformSequence reference;
    reference.NextUniform();
    try {
        DrawParameter(uniforms, values, kMean, kSd);
        FAIL() << "no error";
    } catch (const RunTimeError& e) {
        EXPECT_EQ(e.code(), ErrorCode::TypeMismatch);
    }
    EXPECT_EQ(uniforms.state(), reference.state());
}

}  // namespace
}  // namespace vardolin
