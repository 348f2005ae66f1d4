#include "formats/own/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <system_error>

#include "state/failure.h"

namespace fontedit::formats {
namespace {

struct IconvCloser {
    void operator()(iconv_t converter) const { iconv_close(converter); }
};
using Converter = std::unique_ptr<std::remove_pointer_t<iconv_t>, IconvCloser>;

// The name "CP932" rather than "SHIFT_JIS": only CP932 holds characters such as "①" and "～"
// that Japanese Windows files carry.
Converter openConverter(const char* to, const char* from) {
    Converter converter(iconv_open(to, from));
    if (converter.get() == reinterpret_cast<iconv_t>(-1)) {
        throw std::system_error(errno, std::generic_category(),
                                std::string("iconv ") + from + " -> " + to);
    }
    return converter;
}

// Both encodings share ASCII byte for byte.
bool isAscii(std::string_view text) {
    return std::all_of(text.begin(), text.end(),
                       [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
}

std::string convert(const Converter& converter, std::string_view input, state::Cause cause,
                    state::Facts& where) {
    // Most fonts are ASCII throughout, and iconv costs far more than a copy.
    if (isAscii(input)) return std::string(input);
    // A conversion that failed half-way leaves its shift state behind.
    iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);
    std::string output(input.size() * 2 + 16, '\0');
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    std::size_t done = 0;
    while (inLeft > 0) {
        char* out = output.data() + done;
        std::size_t outLeft = output.size() - done;
        const std::size_t result = iconv(converter.get(), &in, &inLeft, &out, &outLeft);
        done = output.size() - outLeft;
        if (result != static_cast<std::size_t>(-1)) break;
        if (errno != E2BIG) {
            where.value = std::string(input);
            throw state::Failure(cause, std::move(where));
        }
        output.resize(output.size() * 2);
    }
    output.resize(done);
    return output;
}

}  // namespace

std::string toCp932(std::string_view utf8, state::Facts where) {
    // Opening a converter costs far more than converting a short text, and Save and Export
    // convert every cell and label one by one, so each direction opens its converter once.
    thread_local const Converter converter = openConverter("CP932", "UTF-8");
    return convert(converter, utf8, state::Cause::NotRepresentable, where);
}

std::string fromCp932(std::string_view bytes, state::Facts where) {
    thread_local const Converter converter = openConverter("UTF-8", "CP932");
    return convert(converter, bytes, state::Cause::InvalidCp932, where);
}

}  // namespace fontedit::formats
