// Random projects through the whole calculation: no crash, no infinity or NaN in any text shown,
// and every outcome is a result or one of the calculation's own messages.
#include "engine/calculation.h"
#include "engine/feetables.h"
#include "engine/numbers.h"
#include "support/knownmessages.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void require(bool condition) {
    if (!condition)
        std::abort();
}

void requireShowable(const std::string& text) {
    require(text.find("inf") == std::string::npos && text.find("nan") == std::string::npos);
    require(std::isfinite(varnel::engine::readNumber(text).value));
}

// Reads the project from the input: a byte each for type, grade and phase, four for the conditions, the
// services and 单独委托设计, then texts separated by NUL bytes (the amount first, then each entry).
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
    Project project;
    const std::uint8_t type = bytes.byte(), grade = bytes.byte(), phase = bytes.byte();
    if (type % 6 != 5)
        project.type = static_cast<EngineeringType>(type % 6);
    if (grade % 4 != 3)
        project.grade = static_cast<Grade>(grade % 4);
    if (phase % (designPhaseCount + 1) != designPhaseCount)
        project.phase = static_cast<DesignPhase>(phase % (designPhaseCount + 1));
    std::uint32_t ticks = 0;
    for (int i = 0; i < 4; ++i)
        ticks = (ticks << 8) | bytes.byte();
    for (std::size_t c = 0; c < conditionCount; ++c)
        project.conditions.set(static_cast<Condition>(c), (ticks >> c) & 1u);
    for (std::size_t s = 0; s < serviceCount; ++s)
        project.services.set(static_cast<Service>(s), (ticks >> (conditionCount + s)) & 1u);
    project.independentPhase = (ticks >> (conditionCount + serviceCount)) & 1u;
    project.amount = bytes.text();
    for (std::string& entry : project.entries)
        entry = bytes.text();

    Variables variables;
    const Outcome out = calculate(project, variables);
    if (out.stop) {
        // One of the calculation's fixed messages, or the one that says what a phase's share needs.
        require(std::find(varnel::test::calculationMessages.begin(), varnel::test::calculationMessages.end(),
                          out.stop->message) != varnel::test::calculationMessages.end() ||
                out.stop->message == missingShareMessage(project));
        require(out.basicFee.empty() && out.otherFee.empty() && out.benchmarkFee.empty());
    } else {
        requireShowable(out.basicFee);
        requireShowable(out.otherFee);
        requireShowable(out.benchmarkFee);
        if (out.phase)
            requireShowable(out.phase->share);
    }
    for (const NamedVariable& v : namedVariables(variables))
        if (const Variable& value = *v.value)
            require(std::isfinite(*value));
    return 0;
}
