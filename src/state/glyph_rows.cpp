#include "state/glyph_rows.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <numeric>

namespace fontedit::state {
namespace {

unsigned bytesFor(std::uint64_t value) {
    if (value <= 0xFF) return 1;
    if (value <= 0xFFFF) return 2;
    if (value <= 0xFFFF'FFFF) return 4;
    return 8;
}

// Each row as a number of its own width in the machine's order, read back the same way.
template <typename Word>
std::uint64_t loaded(const std::uint8_t* at) {
    Word word;
    std::memcpy(&word, at, sizeof word);
    return word;
}

template <typename Word>
void stored(std::uint8_t* at, std::uint64_t value) {
    const auto word = static_cast<Word>(value);
    std::memcpy(at, &word, sizeof word);
}

// Calls `act` with a number as wide as each row, the one place that tells the widths apart.
template <typename Act>
decltype(auto) withWord(unsigned rowBytes, Act act) {
    switch (rowBytes) {
        case 1:
            return act(std::uint8_t{});
        case 2:
            return act(std::uint16_t{});
        case 4:
            return act(std::uint32_t{});
        default:
            return act(std::uint64_t{});
    }
}

template <typename Word>
void storedAll(std::uint8_t* at, std::span<const std::uint64_t> rows) {
    for (const std::uint64_t row : rows) {
        stored<Word>(at, row);
        at += sizeof(Word);
    }
}

}  // namespace

GlyphRows::GlyphRows(Zeroed, std::size_t count, unsigned rowBytes)
    : count_(static_cast<std::uint32_t>(count)), rowBytes_(static_cast<std::uint8_t>(rowBytes)) {
    if (onHeap()) heap_ = new std::uint8_t[count * rowBytes]();
}

GlyphRows::GlyphRows(std::size_t count, std::uint64_t value)
    : GlyphRows(Zeroed{}, count, bytesFor(value)) {
    if (value == 0) return;
    for (std::size_t y = 0; y < count; ++y) store(y, value);
}

GlyphRows::GlyphRows(std::initializer_list<std::uint64_t> rows)
    : GlyphRows(std::span(rows.begin(), rows.size())) {}

GlyphRows::GlyphRows(std::span<const std::uint64_t> rows)
    : GlyphRows(
          Zeroed{}, rows.size(),
          bytesFor(std::accumulate(rows.begin(), rows.end(), std::uint64_t{0}, std::bit_or<>{}))) {
    std::uint8_t* at = bytes();
    withWord(rowBytes_, [&](auto word) { storedAll<decltype(word)>(at, rows); });
}

GlyphRows::GlyphRows(const GlyphRows& other) : count_(other.count_), rowBytes_(other.rowBytes_) {
    if (onHeap()) heap_ = new std::uint8_t[count_ * rowBytes_];
    std::memcpy(bytes(), other.bytes(), onHeap() ? count_ * rowBytes_ : kWithin);
}

GlyphRows::GlyphRows(GlyphRows&& other) noexcept {
    take(other);
}

GlyphRows& GlyphRows::operator=(const GlyphRows& other) {
    if (this != &other) {
        GlyphRows copy(other);
        release();
        take(copy);
    }
    return *this;
}

GlyphRows& GlyphRows::operator=(GlyphRows&& other) noexcept {
    if (this != &other) {
        release();
        take(other);
    }
    return *this;
}

GlyphRows::~GlyphRows() {
    release();
}

void GlyphRows::release() noexcept {
    if (onHeap()) delete[] heap_;
    count_ = 0;
    rowBytes_ = 1;
}

void GlyphRows::take(GlyphRows& other) noexcept {
    count_ = other.count_;
    rowBytes_ = other.rowBytes_;
    if (onHeap()) {
        heap_ = other.heap_;
    } else {
        std::memcpy(within_, other.within_, kWithin);
    }
    other.count_ = 0;
    other.rowBytes_ = 1;
}

void GlyphRows::assign(std::size_t count, std::uint64_t value) {
    *this = GlyphRows(count, value);
}

std::uint64_t GlyphRows::get(std::size_t y) const {
    const std::uint8_t* at = bytes() + y * rowBytes_;
    return withWord(rowBytes_, [&](auto word) { return loaded<decltype(word)>(at); });
}

void GlyphRows::store(std::size_t y, std::uint64_t value) {
    std::uint8_t* at = bytes() + y * rowBytes_;
    withWord(rowBytes_, [&](auto word) { stored<decltype(word)>(at, value); });
}

void GlyphRows::set(std::size_t y, std::uint64_t value) {
    if (value >> (8 * rowBytes_ - 1) >> 1 != 0) {
        const unsigned needed = bytesFor(value);
        GlyphRows wider(Zeroed{}, count_, needed);
        for (std::size_t row = 0; row < count_; ++row) wider.store(row, get(row));
        *this = std::move(wider);
    }
    store(y, value);
}

bool GlyphRows::operator==(const GlyphRows& other) const {
    if (count_ != other.count_) return false;
    if (rowBytes_ == other.rowBytes_) {
        return std::memcmp(bytes(), other.bytes(), std::size_t{count_} * rowBytes_) == 0;
    }
    return std::equal(begin(), end(), other.begin());
}

}  // namespace fontedit::state
