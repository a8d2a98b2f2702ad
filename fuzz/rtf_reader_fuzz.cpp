// libFuzzer target: the rich-text reader takes any bytes without crashing or hanging, and
// what it reads survives a write and a second read unchanged. Seeds: fuzz/corpus/rtf.
//   clang++ -std=c++20 -fsanitize=fuzzer,address,undefined -I. fuzz/rtf_reader_fuzz.cpp \
//     library/rtf_reader.cpp library/rtf_writer.cpp -o rtf_reader_fuzz
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "library/rtf_reader.h"
#include "library/rtf_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const viv::RtfReadResult first = viv::ReadRtf(bytes);
    if (!first.IsRtf) return 0;
    (void)first.Document.PlainText();
    const viv::RtfReadResult second = viv::ReadRtf(viv::WriteRtf(first.Document));
    if (!second.IsRtf || !second.Complete || !(second.Document == first.Document)) std::abort();
    return 0;
}
