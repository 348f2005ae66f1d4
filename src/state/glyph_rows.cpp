#include "state/glyph_rows.h"

#include <algorithm>
#include <cstring>

namespace fontedit::state {
namespace {

unsigned bytesFor(std::uint64_t value) {
    if (value <= 0xFF) return 1;
    if (value <= 0xFFFF) return 2;
    if (value <= 0xFFFF'FFFF) return 4;
    return 8;
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
    : GlyphRows(Zeroed{}, rows.size(), 1) {
    std::size_t y = 0;
    for (const std::uint64_t row : rows) set(y++, row);
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
    std::fill(std::begin(within_), std::end(within_), std::uint8_t{0});
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
    std::fill(std::begin(other.within_), std::end(other.within_), std::uint8_t{0});
}

void GlyphRows::assign(std::size_t count, std::uint64_t value) {
    *this = GlyphRows(count, value);
}

std::uint64_t GlyphRows::get(std::size_t y) const {
    const std::uint8_t* at = bytes() + y * rowBytes_;
    std::uint64_t value = 0;
    for (unsigned byte = rowBytes_; byte-- > 0;) value = value << 8 | at[byte];
    return value;
}

void GlyphRows::store(std::size_t y, std::uint64_t value) {
    std::uint8_t* at = bytes() + y * rowBytes_;
    for (unsigned byte = 0; byte < rowBytes_; ++byte) at[byte] = std::uint8_t(value >> 8 * byte);
}

void GlyphRows::set(std::size_t y, std::uint64_t value) {
    const unsigned needed = bytesFor(value);
    if (needed > rowBytes_) {
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
