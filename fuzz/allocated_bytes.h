#pragma once

// The bytes operator new has handed out so far in this process: the work a run does in
// memory, such as the zeros an import fills in, whether or not it is freed again.
#include <cstddef>

namespace fontedit::fuzz {

std::size_t allocatedBytes();

// What a reader may hand out for an input of `inputBytes`: the tokens, lists and entries of a
// source, each a few times its size, and the font.
constexpr std::size_t mostReaderWork(std::size_t inputBytes) {
    return 128 * inputBytes + (16 << 20);
}

// Stops the run when the bytes handed out since `before` are more than `most`.
void requireWorkWithin(std::size_t before, std::size_t most);

}  // namespace fontedit::fuzz
