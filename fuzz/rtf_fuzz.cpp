// libFuzzer target: see fuzz/README.md.
#include "fuzz/fuzz_inputs.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    viv::fuzz::GuidanceTextInput(data, size);
    return 0;
}
