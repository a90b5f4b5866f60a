// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fields/FieldTextMap.h"

namespace vardolin {

// A form's texts copied before a run, so that the run can go on away from the window: the run
// reads the copy, and every text it writes is kept in order, for the window to apply when the
// run is over. Nothing reaches the window during the run, so a run that is cancelled leaves no
// trace there.
class FieldTextsSnapshot final : public FieldTexts {
public:
    explicit FieldTextsSnapshot(FieldTextMap texts) : texts_(std::move(texts)) {}

    std::string text(int field) const override { return texts_.text(field); }
    void setText(int field, std::string_view text) override {
        texts_.setText(field, text);
        writes_.emplace_back(field, std::string(text));
    }

    // What the run wrote, field and text, in the order it wrote them.
    const std::vector<std::pair<int, std::string>>& writes() const noexcept { return writes_; }

private:
    FieldTextMap texts_;
    std::vector<std::pair<int, std::string>> writes_;
};

}  // namespace vardolin
