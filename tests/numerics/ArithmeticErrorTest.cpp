// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "TestSupport.h"
#include "numerics/CheckedTable.h"
#include "numerics/FloatingPointStatus.h"
#include "numerics/GenericArithmetic.h"
#include "numerics/RunTimeError.h"

namespace vardolin {
namespace {

using testing_support::ErrorOf;

TEST(RunTimeError, CarriesTheNumberAndDescriptionTheUserReads) {
    const struct {
        ErrorCode code;
        const char* message;
    } rows[] = {
        {ErrorCode::InvalidProcedureCall, "Run-time error '5': Invalid procedure call or argument"},
        {ErrorCode::Overflow, "Run-time error '6': Overflow"},
        {ErrorCode::SubscriptOutOfRange, "Run-time error '9': Subscript out of range"},
        {ErrorCode::DivisionByZero, "Run-time error '11': Division by zero"},
        {ErrorCode::TypeMismatch, "Run-time error '13': Type mismatch"}};
    for (const auto& row : rows) {
        const RunTimeError error(row.code);
        EXPECT_EQ(error.message(), row.message);
        EXPECT_EQ(error.number(), static_cast<int>(row.code));
    }
}

TEST(GenericArithmetic, RaisesAtTheFailingOperation) {
    constexpr double kMax = std::numeric_limits<double>::max();
    EXPECT_EQ(ErrorOf([] { generic::Divide(1.0, 0.0); }), ErrorCode::DivisionByZero);
    EXPECT_EQ(ErrorOf([] { generic::Divide(-1.0, -0.0); }), ErrorCode::DivisionByZero);
    EXPECT_EQ(ErrorOf([] { generic::Divide(0.0, 0.0); }), ErrorCode::Overflow);
    EXPECT_EQ(ErrorOf([=] { generic::Multiply(kMax, 2.0); }), ErrorCode::Overflow);
    EXPECT_EQ(ErrorOf([=] { generic::Add(kMax, kMax); }), ErrorCode::Overflow);
    EXPECT_EQ(ErrorOf([=] { generic::Subtract(-kMax, kMax); }), ErrorCode::Overflow);
    EXPECT_EQ(ErrorOf([=] { generic::Divide(kMax, 0.5); }), ErrorCode::Overflow);
    EXPECT_EQ(generic::Divide(0.0, 5.0), 0.0);
    EXPECT_EQ(generic::Multiply(1e-300, 1e-300), 0.0);  // underflow is not an error
}

TEST(GenericPower, SquaresExactlyAndRaisesForUndefinedPowers) {
    // The square is the correctly rounded product, whatever the library's pow returns.
    for (double x : {1.1774100225154747, 37.2, -3.3, 1e-200}) {
        EXPECT_EQ(generic::Power(x, 2.0), x * x);
        EXPECT_EQ(generic::Square(x), x * x);
    }
    EXPECT_EQ(ErrorOf([] { generic::Square(-1e200); }), ErrorCode::Overflow);
    EXPECT_EQ(generic::Power(2.0, 3.0), 8.0);
    EXPECT_EQ(ErrorOf([] { generic::Power(-8.0, 0.5); }), ErrorCode::InvalidProcedureCall);
    EXPECT_EQ(ErrorOf([] { generic::Power(0.0, -1.0); }), ErrorCode::DivisionByZero);
    EXPECT_EQ(ErrorOf([] { generic::Power(1e200, 2.0); }), ErrorCode::Overflow);
}

TEST(FloatingPointStatus, ReportsDivisionByZeroAheadOfOtherFaultsAndClearsOnTest) {
    FloatingPointStatus status;
    status.Note(1.0 / 3.0);
    status.Test();  // nothing set: no error

    status.Divide(2.0, 0.0);
    EXPECT_EQ(ErrorOf([&] { status.Test(); }), ErrorCode::DivisionByZero);
    EXPECT_TRUE(status.isClear());

    status.Divide(0.0, 0.0);  // invalid operation
    EXPECT_EQ(ErrorOf([&] { status.Test(); }), ErrorCode::Overflow);

    status.Note(std::numeric_limits<double>::max() * 2.0);
    status.Divide(1.0, 0.0);
    EXPECT_EQ(ErrorOf([&] { status.Test(); }), ErrorCode::DivisionByZero);
    status.Test();
}

TEST(CheckedTable, AcceptsItsBoundsOnlyAndStartsZeroFilled) {
    CheckedTable<1, 10000> table;
    EXPECT_EQ(table[1], 0.0);
    table[10000] = 2.5;
    EXPECT_EQ(table[10000], 2.5);
    EXPECT_EQ(ErrorOf([&] { table[0] = 1.0; }), ErrorCode::SubscriptOutOfRange);
    EXPECT_EQ(ErrorOf([&] { table[10001] = 1.0; }), ErrorCode::SubscriptOutOfRange);
    const CheckedTable<0, 3> small;
    EXPECT_EQ(ErrorOf([&] { (void)small[-1]; }), ErrorCode::SubscriptOutOfRange);
}

}  // namespace
}  // namespace vardolin
