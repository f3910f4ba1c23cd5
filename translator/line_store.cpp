#include "line_store.h"

#include <utility>

namespace tavolux {

LineStore::LineStore(int capacity)
    : capacity_(capacity), buf_(static_cast<size_t>(capacity)), gapEnd_(buf_.size()) {}

size_t LineStore::Physical(int k) const {
    const size_t i = static_cast<size_t>(k) - 1;
    return i < gapStart_ ? i : i + (gapEnd_ - gapStart_);
}

std::string& LineStore::operator[](int k) {
    if (k < 1 || k > count_) {
        outside_.clear();
        return outside_;
    }
    return buf_[Physical(k)];
}

const std::string& LineStore::operator[](int k) const {
    static const std::string empty;
    if (k < 1 || k > count_) return empty;
    return buf_[Physical(k)];
}

void LineStore::MoveGapTo(size_t logical) {
    while (gapStart_ > logical) {  // move lines before the gap to its end
        --gapStart_;
        --gapEnd_;
        buf_[gapEnd_] = std::move(buf_[gapStart_]);
    }
    while (gapStart_ < logical) {  // move lines after the gap to its start
        buf_[gapStart_] = std::move(buf_[gapEnd_]);
        ++gapStart_;
        ++gapEnd_;
    }
}

bool LineStore::Insert(int position, int count) {
    if (count < 1) return true;
    if (count > capacity_ - count_) return false;
    if (position < 1) position = 1;
    if (position > count_) {
        // Nothing moves; the opened slots at the end are empty lines.
        MoveGapTo(static_cast<size_t>(count_));
        for (int i = 0; i < count; ++i) buf_[gapStart_++].clear();
        count_ += count;
        return true;
    }
    const size_t at = static_cast<size_t>(position) - 1;
    MoveGapTo(at);
    // The lines after the gap are the old lines from `position` on: copy the
    // first `count` of them into the gap's start.
    const size_t after = static_cast<size_t>(count_) - at;
    for (int i = 0; i < count; ++i) {
        const size_t src = gapEnd_ + static_cast<size_t>(i);
        buf_[gapStart_ + static_cast<size_t>(i)] =
            static_cast<size_t>(i) < after ? buf_[src] : std::string();
    }
    gapStart_ += static_cast<size_t>(count);
    count_ += count;
    return true;
}

bool LineStore::Append(std::string line) {
    if (!Insert(count_ + 1, 1)) return false;
    (*this)[count_] = std::move(line);
    return true;
}

void LineStore::Erase(int position) {
    if (position < 1 || position > count_) return;
    MoveGapTo(static_cast<size_t>(position) - 1);
    buf_[gapEnd_].clear();
    ++gapEnd_;
    --count_;
}

void LineStore::Compact() {
    MoveGapTo(static_cast<size_t>(count_));
    size_t kept = 0;
    for (size_t i = 0; i < static_cast<size_t>(count_); ++i) {
        if (buf_[i].empty() || buf_[i] == "A>") continue;
        if (kept != i) buf_[kept] = std::move(buf_[i]);
        ++kept;
    }
    for (size_t i = kept; i < static_cast<size_t>(count_); ++i) buf_[i].clear();
    count_ = static_cast<int>(kept);
    gapStart_ = kept;
}

void LineStore::Clear() {
    MoveGapTo(static_cast<size_t>(count_));
    for (size_t i = 0; i < gapStart_; ++i) buf_[i].clear();
    count_ = 0;
    gapStart_ = 0;
}

}  // namespace tavolux
