// Sorted insertion and search of list-box strings with USER32's comparison and binary search.
#include "platform/headless/list_order.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdint>
#include <cstring>

namespace headless {

namespace {

// Symbols in the order the ANSI sort table gives them, all before the digits and the letters.
const char kSymbolOrder[] = " !\"#$%&()*,./:;?@[\\]^_`{|}~+<=>";

bool ignoredInFirstPass(unsigned char c) { return c == '-' || c == '\''; }

int computeWeight(unsigned char c) {
    const char* symbol = c != 0 ? std::strchr(kSymbolOrder, c) : nullptr;
    if (symbol != nullptr) return 1 + static_cast<int>(symbol - kSymbolOrder);
    if (c == '-' || c == '\'') return 0;
    if (c < 0x20) return 0;
    if (c >= '0' && c <= '9') return 100 + (c - '0');
    if (std::isalpha(c)) return 200 + (std::tolower(c) - 'a');
    return 300 + c;  // the upper half of the code page after the letters
}

// Looked up, not computed: filling a sorted list of 30,000 strings makes about half a million
// comparisons, and the classification calls made them the larger part of the work.
const std::array<int, 256> kWeights = [] {
    std::array<int, 256> table{};
    for (int code = 0; code < 256; ++code) table[code] = computeWeight(static_cast<unsigned char>(code));
    return table;
}();

int characterWeight(unsigned char c) { return kWeights[c]; }

// The texts from position `start`, hyphens and apostrophes left out.
int comparePass(const std::string& left, const std::string& right, size_t start) {
    size_t i = start, j = start;
    while (true) {
        while (i < left.size() && ignoredInFirstPass(left[i])) ++i;
        while (j < right.size() && ignoredInFirstPass(right[j])) ++j;
        if (i == left.size() || j == right.size()) break;
        int difference = characterWeight(left[i]) - characterWeight(right[j]);
        if (difference != 0) return difference;
        ++i;
        ++j;
    }
    return (i < left.size()) - (j < right.size());
}

// Where two texts equal in all but hyphens and apostrophes stand, as CompareString's word sort
// orders them (measured under Wine): the text with none comes first; else the first of them that
// differs decides, the one further on coming first, an apostrophe before a hyphen at the same place.
int compareIgnorables(const std::string& left, const std::string& right, size_t start) {
    size_t i = start, j = start;
    while (true) {
        while (i < left.size() && !ignoredInFirstPass(left[i])) ++i;
        while (j < right.size() && !ignoredInFirstPass(right[j])) ++j;
        if (i == left.size() || j == right.size()) return (i < left.size()) - (j < right.size());
        if (i != j) return i > j ? -1 : 1;
        if (left[i] != right[j]) return left[i] == '\'' ? -1 : 1;
        ++i;
        ++j;
    }
}

bool equalIgnoringCase(const std::string& text, const std::string& prefix, size_t length) {
    if (text.size() < length) return false;
    for (size_t i = 0; i < length; ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

// Length of the identical beginning of two texts, eight bytes at a time while they agree.
size_t commonLength(const std::string& left, const std::string& right) {
    const char* a = left.data();
    const char* b = right.data();
    size_t limit = std::min(left.size(), right.size());
    size_t same = 0;
    for (uint64_t x = 0, y = 0; same + 8 <= limit; same += 8) {
        std::memcpy(&x, a + same, 8);
        std::memcpy(&y, b + same, 8);
        if (x != y) break;
    }
    while (same < limit && a[same] == b[same]) ++same;
    return same;
}

}  // namespace

int compareListTexts(const std::string& left, const std::string& right) {
    // Both passes step through an identical beginning in lockstep and find it equal, so only what
    // follows it is compared; in a sorted list, neighbours mostly share a long one.
    size_t same = commonLength(left, right);
    if (same == left.size() && same == right.size()) return 0;
    int first = comparePass(left, right, same);
    return first != 0 ? first : compareIgnorables(left, right, same);
}

int sortedInsertPosition(const ListItems& items, const std::string& text) {
    int low = 0;
    int high = static_cast<int>(items.size()) - 1;
    while (low <= high) {
        int middle = (low + high) / 2;
        int order = compareListTexts(items[middle].text, text);
        if (order == 0) return middle;
        if (order > 0) high = middle - 1;
        else low = middle + 1;
    }
    return low;
}

int findListText(const ListItems& items, int start, const std::string& text, bool exact) {
    int count = static_cast<int>(items.size());
    if (text.empty() || count == 0) return -1;
    int index = (start < 0 || start + 1 >= count) ? 0 : start + 1;
    for (int visited = 0; visited < count; ++visited, index = (index + 1) % count) {
        const std::string& item = items[index].text;
        bool matches = exact ? compareListTexts(item, text) == 0 && item.size() == text.size()
                             : equalIgnoringCase(item, text, text.size());
        if (matches) return index;
    }
    return -1;
}

}  // namespace headless
