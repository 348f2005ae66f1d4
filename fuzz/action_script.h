#pragma once

// A fuzzer's input read as a script of actions: a byte picks a choice, a text is a length
// byte (0-31) and that many bytes. Past the end every choice is 0 and every text empty.
#include <cstddef>
#include <cstdint>
#include <string>

namespace fontedit::fuzz {

class ActionScript {
public:
    ActionScript(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    bool done() const { return pos_ >= size_; }
    // 0 to count - 1.
    int choose(int count) { return done() ? 0 : data_[pos_++] % count; }
    std::string text();

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace fontedit::fuzz
