// SPDX-License-Identifier: MIT
#include "analysis/AnalysisDescription.h"

#include <algorithm>
#include <cassert>

#include "analysis/SampledNames.h"
#include "fields/FieldTextMap.h"
#include "numerics/RunTimeError.h"
#include "sampling/SamplingChoices.h"

namespace vardolin {

bool AnalysisDescription::IsMessage(std::string_view text) const {
    if (std::find(messages.begin(), messages.end(), text) != messages.end()) {
        return true;
    }
    return std::any_of(fields.begin(), fields.end(), [&](const FieldFact& field) {
        return field.isInput() && text.starts_with(field.label) &&
               (text.substr(field.label.size()).starts_with(", ") ||
                text.substr(field.label.size()).starts_with(": "));
    });
}

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

UnitSystem DefaultUnits(const AnalysisDescription& analysis) {
    return analysis.choosesUnits ? UnitSystem::SiKilopascal : UnitSystem::SiPascal;
}

std::string_view UnitIn(const FieldFact& field, UnitSystem system) {
    return UnitOf(QuantityOf(field.unit), system, field.unit);
}

namespace {

const SystemDefault* SystemDefaultOf(const AnalysisDescription& analysis, int field) {
    for (const SystemDefault& given : analysis.systemDefaults) {
        if (given.field == field) {
            return &given;
        }
    }
    return nullptr;
}

// Whether the text reads as the number `value` does.
bool ReadsAs(std::string_view text, std::string_view value, const NumberLocale& locale) {
    try {
        return TextToDouble(text, locale) == TextToDouble(value);
    } catch (const RunTimeError&) {
        return false;
    }
}

}  // namespace

std::string DefaultTextIn(const AnalysisDescription& analysis, const FieldFact& field,
                          UnitSystem system) {
    if (const SystemDefault* given = SystemDefaultOf(analysis, field.number)) {
        return std::string(given->in(system));
    }
    return ConvertInput(analysis, field, field.defaultText, DefaultUnits(analysis), system);
}

std::string ConvertInput(const AnalysisDescription& analysis, const FieldFact& field,
                         std::string_view text, UnitSystem from, UnitSystem to,
                         const NumberLocale& locale) {
    if (from == to || !field.isInput()) {
        return std::string(text);
    }
    if (const TableInput* table = FindTableInput(analysis.tables, field.number)) {
        return ConvertTableText(*table, text, from, to, locale);
    }
    if (const SystemDefault* given = SystemDefaultOf(analysis, field.number);
        given != nullptr && ReadsAs(text, given->in(from), locale)) {
        return DoubleToText(TextToDouble(given->in(to)), locale);
    }
    return ConvertText(text, QuantityOf(field.unit), from, to, locale);
}

void ConvertInputs(const AnalysisDescription& analysis, FieldTexts& fields, UnitSystem from,
                   UnitSystem to, const NumberLocale& locale) {
    for (const FieldFact& field : analysis.fields) {
        if (field.isInput()) {
            fields.setText(field.number, ConvertInput(analysis, field, fields.text(field.number),
                                                      from, to, locale));
        }
    }
}

std::string_view UnitIn(const UncertainInput& input, UnitSystem system) {
    return UnitOf(QuantityOf(input.unit), system, input.unit);
}

void ConvertSamplingBounds(const AnalysisDescription& analysis, const FieldTexts& fields,
                           SamplingChoices& choices, UnitSystem from, UnitSystem to) {
    const SampledNames names(analysis, fields);
    for (const UncertainInput& input : names.inputs()) {
        const Quantity quantity = QuantityOf(input.unit);
        ParameterChoice choice = choices.of(input.key);
        if (quantity == Quantity::Other || !choice.bounded()) {
            continue;
        }
        for (std::optional<double>* bound : {&choice.lower, &choice.upper}) {
            if (*bound) {
                **bound = ConvertValue(**bound, quantity, from, to);
            }
        }
        choices.Set(input.key, choice);
    }
}

FieldTextMap DefaultTexts(const AnalysisDescription& analysis) {
    FieldTextMap texts;
    for (const FieldFact& field : analysis.fields) {
        texts.setText(field.number, field.defaultText);
    }
    return texts;
}

}  // namespace vardolin
