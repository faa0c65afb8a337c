// Random input snapshots through the whole calculation: no crash, no infinity or NaN in any text shown,
// and every outcome is a result or one of the calculation's own messages.
#include "engine/calculation.h"
#include "engine/numbers.h"
#include "support/knownmessages.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

// The boxes the calculation reads, besides the amount.
constexpr std::array<int, 14> typedBoxes{2, 3, 7, 8, 9, 10, 11, 12, 13, 14, 19, 20, 21, 22};

void require(bool condition) {
    if (!condition)
        std::abort();
}

void requireShowable(const std::string& text) {
    require(text.find("inf") == std::string::npos && text.find("nan") == std::string::npos);
    require(std::isfinite(varnel::engine::readNumber(text).value));
}

// Reads the snapshot from the input: a byte each for type, grade and option, four for the boxes, then
// texts separated by NUL bytes (the amount first).
class Bytes {
  public:
    Bytes(const std::uint8_t* data, std::size_t size) : m_data(data), m_size(size) {}
    std::uint8_t byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }
    std::string text() {
        std::string s;
        while (m_pos < m_size && m_data[m_pos] != 0)
            s.push_back(static_cast<char>(m_data[m_pos++]));
        ++m_pos;
        return s;
    }

  private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    std::size_t m_pos = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace varnel::engine;
    Bytes bytes(data, size);
    Inputs in;
    const std::uint8_t type = bytes.byte(), grade = bytes.byte(), option = bytes.byte();
    in.type = type % 6 == 5 ? std::string() : std::string(engineeringTypeNames[type % 6 % 5]);
    in.grade = grade % 4 == 3 ? std::string() : std::string(gradeNames[grade % 4 % 3]);
    in.option = option % 4;
    std::uint32_t ticks = 0;
    for (int i = 0; i < 4; ++i)
        ticks = (ticks << 8) | bytes.byte();
    for (std::size_t box = 1; box < in.ticked.size(); ++box)
        in.ticked.set(box, (ticks >> (box - 1)) & 1u);
    in.amount = bytes.text();
    for (int box : typedBoxes)
        in.texts[static_cast<std::size_t>(box)] = bytes.text();

    Variables variables;
    const Outcome out = calculate(in, variables);
    if (out.stop) {
        require(std::find(varnel::test::calculationMessages.begin(), varnel::test::calculationMessages.end(),
                          out.stop->message) != varnel::test::calculationMessages.end());
        require(out.basicFee.empty() && out.otherFee.empty() && out.benchmarkFee.empty());
    } else {
        requireShowable(out.basicFee);
        requireShowable(out.otherFee);
        requireShowable(out.benchmarkFee);
        if (out.phase)
            requireShowable(out.phase->share);
    }
    for (const VariableName& v : variableNames)
        if (const Variable& value = variables.*v.member)
            require(std::isfinite(*value));
    return 0;
}
