// Adding the rows of a later part of a file to a column.
#pragma once

#include <vector>

namespace columns {

template <class T>
void appendColumn(std::vector<T>& into, const std::vector<T>& later) {
    into.insert(into.end(), later.begin(), later.end());
}

}  // namespace columns
