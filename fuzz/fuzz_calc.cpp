#include "calc/cycles.h"
#include "calc/parse_digits.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

// The sanitizers catch undefined behaviour; these catch wrong answers.
void Require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

void FuzzParse(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::int32_t value = -1;
    if (calc::ParseDigits(text, value)) {
        Require(value >= 0);
    } else {
        Require(value == -1);
    }
}

void FuzzCycles(const std::uint8_t* data, std::size_t size) {
    std::int32_t n[6] = {};
    std::memcpy(n, data, size < sizeof n ? size : sizeof n);
    const calc::BirthDate birth{n[0], n[1], n[2]};
    const calc::CycleResult r = calc::ComputeCycles(birth, n[3], n[4], n[5]);
    if (calc::IsWithinRule(birth, n[3], n[4], n[5])) {
        const std::int64_t whole = calc::CountDays(birth, n[3], n[4], n[5]).whole;
        for (const calc::CycleFacts& cycle : calc::kCycles) {
            const calc::CyclePosition pos = r.*cycle.position;
            Require(std::int64_t{pos.cycles} * cycle.period + pos.day == whole);
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzParse(data, size);
    FuzzCycles(data, size);
    return 0;
}
