#pragma once

#include <string>
#include <vector>

namespace resonara::monkey {

// What a monkey run found wrong since it last looked: broken invariants and
// surprises reported by the seams (a box nobody expected, a page opened
// without OK, a modal window left open).
class Findings {
public:
    void Add(std::string what) { items_.push_back(std::move(what)); }
    bool Any() const { return !items_.empty(); }
    const std::vector<std::string>& All() const { return items_; }

private:
    std::vector<std::string> items_;
};

}  // namespace resonara::monkey
