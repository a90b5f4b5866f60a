// SPDX-License-Identifier: MIT
#include "sampling/SamplingChoices.h"

namespace vardolin {

const ParameterChoice& SamplingChoices::of(std::string_view name) const {
    static const ParameterChoice kDefault;
    const auto found = parameters.find(name);
    return found == parameters.end() ? kDefault : found->second;
}

void SamplingChoices::Set(std::string_view name, const ParameterChoice& choice) {
    if (choice.isDefault()) {
        if (const auto found = parameters.find(name); found != parameters.end()) {
            parameters.erase(found);
        }
    } else {
        parameters.insert_or_assign(std::string(name), choice);
    }
}

bool SamplingChoices::drawsPlainly() const {
    return method == SamplingMethod::MonteCarlo && parameters.empty() && correlation == 0.0;
}

}  // namespace vardolin
