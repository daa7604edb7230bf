#include "files/Configuration.h"

#include <cstdint>
#include <cstdlib>

// Whatever the bytes, the reader returns; a complete reading, written back, reads the same.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ConfigurationContent read = readConfigurationFile(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (read.text && !read.port)
        std::abort();
    if (!read.complete())
        return 0;
    const ConfigurationContent reread =
        readConfigurationFile(writeConfigurationFile(*read.port, *read.text));
    if (!reread.complete() || *reread.port != *read.port || *reread.text != *read.text)
        std::abort();
    return 0;
}
