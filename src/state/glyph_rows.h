#pragma once

// A glyph's rows: one number per row, bit x the dot in column x from the left. Each row takes
// the bytes the widest row needs (1, 2, 4 or 8), and rows of up to 32 bytes in all stay within
// the glyph: a 16 x 16 glyph, as Unifont's 57,000 are, takes 40 bytes and no allocation, where
// a vector of a word a row took 168.
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <span>

namespace fontedit::state {

class GlyphRows {
public:
    using value_type = std::uint64_t;

    // A row to read, assign or change, as a reference to the number would be.
    class Row {
    public:
        operator std::uint64_t() const { return rows_.get(y_); }
        Row& operator=(std::uint64_t value) {
            rows_.set(y_, value);
            return *this;
        }
        Row& operator|=(std::uint64_t bits) { return *this = rows_.get(y_) | bits; }
        Row& operator&=(std::uint64_t bits) { return *this = rows_.get(y_) & bits; }

    private:
        friend class GlyphRows;
        Row(GlyphRows& rows, std::size_t y) : rows_(rows), y_(y) {}
        GlyphRows& rows_;
        std::size_t y_;
    };

    class const_iterator {
    public:
        using value_type = std::uint64_t;
        using difference_type = std::ptrdiff_t;
        using iterator_category = std::forward_iterator_tag;
        const_iterator() = default;
        std::uint64_t operator*() const { return rows_->get(y_); }
        const_iterator& operator++() {
            ++y_;
            return *this;
        }
        const_iterator operator++(int) {
            const_iterator was = *this;
            ++y_;
            return was;
        }
        bool operator==(const const_iterator&) const = default;

    private:
        friend class GlyphRows;
        const_iterator(const GlyphRows* rows, std::size_t y) : rows_(rows), y_(y) {}
        const GlyphRows* rows_ = nullptr;
        std::size_t y_ = 0;
    };

    GlyphRows() = default;
    GlyphRows(std::size_t count, std::uint64_t value);
    GlyphRows(std::initializer_list<std::uint64_t> rows);
    explicit GlyphRows(std::span<const std::uint64_t> rows);
    GlyphRows(const GlyphRows& other);
    GlyphRows(GlyphRows&& other) noexcept;
    GlyphRows& operator=(const GlyphRows& other);
    GlyphRows& operator=(GlyphRows&& other) noexcept;
    ~GlyphRows();

    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    std::uint64_t operator[](std::size_t y) const { return get(y); }
    Row operator[](std::size_t y) { return Row(*this, y); }
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, count_}; }
    void assign(std::size_t count, std::uint64_t value);
    bool operator==(const GlyphRows& other) const;

private:
    static constexpr std::size_t kWithin = 32;

    struct Zeroed {};
    GlyphRows(Zeroed, std::size_t count, unsigned rowBytes);
    std::uint64_t get(std::size_t y) const;
    void set(std::size_t y, std::uint64_t value);    // widening every row if it must
    void store(std::size_t y, std::uint64_t value);  // within the row's bytes
    bool onHeap() const { return count_ * rowBytes_ > kWithin; }
    std::uint8_t* bytes() { return onHeap() ? heap_ : within_; }
    const std::uint8_t* bytes() const { return onHeap() ? heap_ : within_; }
    void release() noexcept;
    void take(GlyphRows& other) noexcept;

    union {
        std::uint8_t within_[kWithin] = {};
        std::uint8_t* heap_;
    };
    std::uint32_t count_ = 0;
    std::uint8_t rowBytes_ = 1;
};

}  // namespace fontedit::state
