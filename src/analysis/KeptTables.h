// SPDX-License-Identifier: MIT
#pragma once

#include <any>
#include <vector>

namespace vardolin {

// The tables runs keep from one run to the next, one copyable value per analysis, each of a
// type its analysis owns. One set is created at start-up and handed to every run through the
// context; a copy of the whole set is what a cancelled run is put back to.
//
// An analysis's tables appear the first time it asks for them, default-constructed, and live
// as long as the set.
class KeptTables {
public:
    // The tables of type T, created on the first request.
    template <class T>
    T& Of() {
        for (std::any& tables : tables_) {
            if (T* found = std::any_cast<T>(&tables)) {
                return *found;
            }
        }
        return tables_.emplace_back().template emplace<T>();
    }

private:
    std::vector<std::any> tables_;
};

}  // namespace vardolin
