// The program line store: 1-based slots of text, at most `capacity` of them.
//
// Passes walk the store from the first line to the last and open room right
// at the line they translate, so the store is a gap buffer: the gap follows
// the place of the last change and an insertion costs the distance from the
// previous one, not the length of the program.
#pragma once

#include <string>
#include <vector>

namespace tavolux {

class LineStore {
public:
    explicit LineStore(int capacity = 3000);

    int size() const { return count_; }
    int capacity() const { return capacity_; }

    // Slot k, 1-based. A slot outside 1..size() reads as empty text and takes
    // writes without effect, so nothing is ever written past the store.
    std::string& operator[](int k);
    const std::string& operator[](int k) const;

    // Opens `count` slots at `position`; the opened slots keep the lines that
    // stood there (position .. position + count - 1), so right afterwards
    // those lines stand twice. Slots opened past the last line are empty.
    // Returns false, changing nothing, when the store would pass its capacity.
    bool Insert(int position, int count);
    // Appends one line; false when the store is full.
    bool Append(std::string line);
    // Removes the line at `position` (1..size()); other positions do nothing.
    void Erase(int position);
    // Removes every empty line and every line that is exactly "A>".
    void Compact();
    void Clear();

private:
    size_t Physical(int k) const;  // k in 1..count_
    void MoveGapTo(size_t logical);

    int capacity_;
    int count_ = 0;
    std::vector<std::string> buf_;
    size_t gapStart_ = 0;  // first slot of the gap
    size_t gapEnd_ = 0;    // one past the gap's last slot
    std::string outside_;  // what slots outside the store read and take
};

}  // namespace tavolux
