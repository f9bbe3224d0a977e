// Fuzz target of the settings-file reader: any text either fails to read or reads into a hive that
// is written back, read again and written again without any change. It must never crash or hang.

#include "platform/Hive.h"
#include "platform/RegEdit4.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    Hive hive;
    if (RegEdit4::parse(text, hive))
        return 0;
    const std::string written = RegEdit4::serialize(hive);
    Hive back;
    if (RegEdit4::parse(written, back) || !(back == hive) || RegEdit4::serialize(back) != written)
        std::abort();
    // A second import over what the first produced, as a repeated "vornreg import" does, must not
    // crash either. Its result is not compared: a value deleted and set again moves to the end of
    // its key, so the order may differ.
    (void)RegEdit4::parse(text, back);
    return 0;
}
