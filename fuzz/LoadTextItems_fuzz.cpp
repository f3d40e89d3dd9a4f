#include "textfiles_fuzz.h"

#include "textfiles/modTextItems.h"

#include <cstdlib>

// Any bytes as item_kinds1.txt: the load must neither fail nor hang, and once
// saved, the file must come back byte for byte from a second load and save
// (every count line agrees with the lines written after it).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzModule module("item_kinds1.txt");
    module.write(data, size);
    LoadTextItems();
    if (!SaveTextItems())
        return 0;
    const QByteArray first = module.read();
    LoadTextItems();
    SaveTextItems();
    if (module.read() != first)
        std::abort();
    return 0;
}
