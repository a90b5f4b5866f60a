// SPDX-License-Identifier: MIT
#include "fields/FieldTextMap.h"

namespace vardolin {

std::string FieldTextMap::text(int field) const {
    const auto found = texts_.find(field);
    return found == texts_.end() ? std::string() : found->second;
}

void FieldTextMap::setText(int field, std::string_view text) {
    texts_[field] = std::string(text);
}

}  // namespace vardolin
