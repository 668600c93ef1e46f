// Blocked storage of list-box strings.
#include "platform/headless/list_items.h"

#include <algorithm>
#include <iterator>

namespace headless {

namespace {

// A block splits in two when it reaches this many items: small enough that an insertion moves
// little, large enough that the start positions of 100,000 items stay a short array.
constexpr size_t kBlockLimit = 256;

}  // namespace

size_t ListItems::blockOf(size_t position) const {
    bool sameBlock = lastBlock_ < blocks_.size() && position >= starts_[lastBlock_] &&
                     position - starts_[lastBlock_] < blocks_[lastBlock_].size();
    if (!sameBlock) {
        lastBlock_ = static_cast<size_t>(std::upper_bound(starts_.begin(), starts_.end(), position) - starts_.begin()) - 1;
    }
    return lastBlock_;
}

ListItem& ListItems::operator[](size_t position) {
    size_t block = blockOf(position);
    return *blocks_[block][position - starts_[block]];
}

const ListItem& ListItems::operator[](size_t position) const {
    size_t block = blockOf(position);
    return *blocks_[block][position - starts_[block]];
}

void ListItems::insert(size_t position, ListItem item) {
    if (blocks_.empty()) {
        blocks_.emplace_back();
        starts_.push_back(0);
    }
    // The end goes to the last block; any other position to the block that holds it now.
    size_t block = position == size_ ? blocks_.size() - 1 : blockOf(position);
    std::vector<std::unique_ptr<ListItem>>& items = blocks_[block];
    items.insert(items.begin() + static_cast<std::ptrdiff_t>(position - starts_[block]),
                 std::make_unique<ListItem>(std::move(item)));
    for (size_t later = block + 1; later < starts_.size(); ++later) ++starts_[later];
    ++size_;
    if (items.size() >= kBlockLimit) splitBlock(block);
}

void ListItems::splitBlock(size_t block) {
    std::vector<std::unique_ptr<ListItem>>& full = blocks_[block];
    size_t half = full.size() / 2;
    std::vector<std::unique_ptr<ListItem>> upper(std::make_move_iterator(full.begin() + static_cast<std::ptrdiff_t>(half)),
                                std::make_move_iterator(full.end()));
    full.resize(half);
    size_t upperStart = starts_[block] + half;
    blocks_.insert(blocks_.begin() + static_cast<std::ptrdiff_t>(block) + 1, std::move(upper));
    starts_.insert(starts_.begin() + static_cast<std::ptrdiff_t>(block) + 1, upperStart);
}

void ListItems::erase(size_t position) {
    size_t block = blockOf(position);
    std::vector<std::unique_ptr<ListItem>>& items = blocks_[block];
    items.erase(items.begin() + static_cast<std::ptrdiff_t>(position - starts_[block]));
    for (size_t later = block + 1; later < starts_.size(); ++later) --starts_[later];
    --size_;
    if (items.empty() && blocks_.size() > 1) {
        blocks_.erase(blocks_.begin() + static_cast<std::ptrdiff_t>(block));
        starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(block));
    }
}

void ListItems::clear() {
    blocks_.clear();
    starts_.clear();
    size_ = 0;
}

}  // namespace headless
