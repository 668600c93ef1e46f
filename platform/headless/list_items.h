// The strings of a list or combo box, kept in blocks so that a sorted box of tens of thousands of
// strings inserts each one by moving a block's items, not every item after it.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32_types.h"

namespace headless {

struct ListItem {
    std::string text;
    LPARAM data = 0;
};

// The part of std::vector's interface the controls use, with positions as in the box.
// Access by position costs a binary search over the blocks; insertion and removal move at most
// one block's item pointers and shift the blocks' start positions.
class ListItems {
public:
    size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    ListItem& operator[](size_t position);
    const ListItem& operator[](size_t position) const;
    void insert(size_t position, ListItem item);  // position may be size()
    void erase(size_t position);
    void clear();

    class Iterator {
    public:
        Iterator(const ListItems* items, size_t position) : items_(items), position_(position) {}
        const ListItem& operator*() const { return (*items_)[position_]; }
        Iterator& operator++() { ++position_; return *this; }
        bool operator!=(const Iterator& other) const { return position_ != other.position_; }
    private:
        const ListItems* items_;
        size_t position_;
    };
    Iterator begin() const { return Iterator(this, 0); }
    Iterator end() const { return Iterator(this, size_); }

private:
    size_t blockOf(size_t position) const;  // the block holding `position` (< size())
    void splitBlock(size_t block);

    // Each item lives on the heap, so an insertion shifts pointers rather than strings.
    std::vector<std::vector<std::unique_ptr<ListItem>>> blocks_;
    std::vector<size_t> starts_;  // position of each block's first item
    size_t size_ = 0;
    mutable size_t lastBlock_ = 0;  // where the previous access landed: a search's probes close in on one block
};

}  // namespace headless
