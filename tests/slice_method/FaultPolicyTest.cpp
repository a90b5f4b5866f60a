// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <limits>
#include <optional>

#include "TestSupport.h"
#include "slice_method/FaultPolicy.h"

namespace vardolin {
namespace {

enum class Operation { Add, Subtract, Multiply, Divide, Square, SquareRoot, Note, NoteQuotient };

struct PolicyRow {
    const char* name;
    Operation operation;
    double a, b;
    std::optional<ErrorCode> error;
};

// The operations of either policy, in the order of Operation.
template <FaultPolicy Policy>
constexpr double (*kOperations[])(Policy&, double, double) = {
    [](Policy& p, double a, double b) { return p.Add(a, b); },
    [](Policy& p, double a, double b) { return p.Subtract(a, b); },
    [](Policy& p, double a, double b) { return p.Multiply(a, b); },
    [](Policy& p, double a, double b) { return p.Divide(a, b); },
    [](Policy& p, double a, double) { return p.Square(a); },
    [](Policy& p, double a, double) { return p.SquareRoot(a); },
    [](Policy& p, double a, double) { return p.Note(a); },
    [](Policy& p, double a, double b) { return p.NoteQuotient(a, b); },
};

// The operation, then the test that ends a group of noted operations.
template <FaultPolicy Policy>
double Apply(Policy& policy, const PolicyRow& row) {
    const double result =
        kOperations<Policy>[static_cast<int>(row.operation)](policy, row.a, row.b);
    policy.Test();
    return result;
}

class FaultPolicies : public testing::TestWithParam<PolicyRow> {};

// The parallel worker commits a trial only when RecordFault saw nothing, so it must record at
// exactly the steps where the sequential run stops, and give the same bits everywhere else.
TEST_P(FaultPolicies, RecordExactlyWhereTheSequentialRunStops) {
    StopAtFault stop;
    double stopped = 0.0;
    EXPECT_EQ(testing_support::ErrorOf([&] { stopped = Apply(stop, GetParam()); }),
              GetParam().error);
    RecordFault record;
    const double recorded = Apply(record, GetParam());
    EXPECT_EQ(record.faulted(), GetParam().error.has_value());
    if (!GetParam().error) {
        EXPECT_EQ(std::bit_cast<std::uint64_t>(recorded), std::bit_cast<std::uint64_t>(stopped));
    }
}

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr auto kDivisionByZero = ErrorCode::DivisionByZero;
constexpr auto kOverflow = ErrorCode::Overflow;

// clang-format off
INSTANTIATE_TEST_SUITE_P(Operations, FaultPolicies, testing::Values(
    PolicyRow{"FiniteQuotient", Operation::Divide, 1, 3, std::nullopt},
    PolicyRow{"ZeroNumerator", Operation::Divide, 0, 0.5, std::nullopt},
    PolicyRow{"DivisionByZero", Operation::Divide, -1, 0, kDivisionByZero},
    PolicyRow{"ZeroOverZero", Operation::Divide, 0, 0, kOverflow},
    PolicyRow{"SumOverflows", Operation::Add, 1e308, 1e308, kOverflow},
    PolicyRow{"DifferenceOverflows", Operation::Subtract, -1e308, 1e308, kOverflow},
    PolicyRow{"ProductOverflows", Operation::Multiply, 1e308, 10, kOverflow},
    PolicyRow{"SquareOverflows", Operation::Square, 1e200, 0, kOverflow},
    PolicyRow{"RootOfZero", Operation::SquareRoot, 0, 0, std::nullopt},
    PolicyRow{"RootOfNegative", Operation::SquareRoot, -1e-300, 0, ErrorCode::InvalidProcedureCall},
    PolicyRow{"NotedFinite", Operation::Note, 1e308, 0, std::nullopt},
    PolicyRow{"NotedInfinity", Operation::Note, -kInfinity, 0, kOverflow},
    PolicyRow{"NotedDivisionByZero", Operation::NoteQuotient, 2, 0, kDivisionByZero},
    PolicyRow{"NotedZeroOverZero", Operation::NoteQuotient, 0, 0, kOverflow}),
    testing_support::RowName());
// clang-format on

}  // namespace
}  // namespace vardolin
