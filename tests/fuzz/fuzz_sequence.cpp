#include "files/SequenceFile.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

// Whatever the bytes, the reader refuses them or yields records of digits, no more than the
// store holds, that read back the same once loaded and written with the program's extra record.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto read = readSequenceFile(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!read)
        return 0;
    const auto digit = [](qint16 n) { return n >= 0 && n <= 9; };
    const auto digits = [&](const Frame& f) {
        return digit(f.code) && std::ranges::all_of(f.lamps, digit);
    };
    if (read->size() > Sequence::LastRecord || !std::ranges::all_of(*read, digits))
        std::abort();
    const auto reread = readSequenceFile(writeSequenceFile(Sequence::loaded(*read)));
    if (!reread || *reread != *read)
        std::abort();
    return 0;
}
