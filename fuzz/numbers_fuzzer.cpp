// Any text read as a number: never infinite or NaN; what is written reads back to the same value rounded
// to 15 significant digits.
#include "engine/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

double roundedTo15Digits(double v) {
    char text[40];
    const auto r = std::to_chars(text, text + sizeof text, v, std::chars_format::scientific, 14);
    double back = 0;
    std::from_chars(text, r.ptr, back);
    return back;
}

void require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnel::engine;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const NumberReading r = readNumber(text);
    require(std::isfinite(r.value));
    if (!r.fits)
        require(r.value == 0);
    const double expected = roundedTo15Digits(r.value);
    require(readNumber(joinedText(r.value)).value == expected);
    require(readNumber(resultBoxText(r.value)).value == expected);
    return 0;
}
