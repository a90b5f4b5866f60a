// SPDX-License-Identifier: MIT
#pragma once

#include <map>
#include <string>
#include <string_view>

#include "fields/FieldTexts.h"

namespace vardolin {

// Field texts held in a map, for driving a run without a window. A field never set reads
// as the empty text, like a cleared text box.
class FieldTextMap final : public FieldTexts {
public:
    FieldTextMap() = default;
    FieldTextMap(std::initializer_list<std::pair<const int, std::string>> texts) : texts_(texts) {}

    std::string text(int field) const override;
    void setText(int field, std::string_view text) override;

    const std::map<int, std::string>& texts() const noexcept { return texts_; }

private:
    std::map<int, std::string> texts_;
};

}  // namespace vardolin
