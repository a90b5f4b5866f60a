// SPDX-License-Identifier: MIT
#include "analysis/AnalysisDescription.h"

#include <cassert>

#include "fields/FieldTextMap.h"

namespace vardolin {

const FieldFact& AnalysisDescription::fieldWith(FieldRole role) const {
    const FieldFact* found = nullptr;
    for (const FieldFact& field : fields) {
        if (field.role == role) {
            assert(found == nullptr && "the role occurs more than once");
            found = &field;
        }
    }
    assert(found != nullptr && "every analysis has a count, results and messages");
    return *found;
}

const FieldFact* AnalysisDescription::findField(int number) const {
    for (const FieldFact& field : fields) {
        if (field.number == number) {
            return &field;
        }
    }
    return nullptr;
}

const FieldFact* AnalysisDescription::findKey(std::string_view key) const {
    for (const FieldFact& field : fields) {
        if (field.key == key) {
            return &field;
        }
    }
    return nullptr;
}

FieldTextMap DefaultTexts(const AnalysisDescription& analysis) {
    FieldTextMap texts;
    for (const FieldFact& field : analysis.fields) {
        texts.setText(field.number, field.defaultText);
    }
    return texts;
}

}  // namespace vardolin
