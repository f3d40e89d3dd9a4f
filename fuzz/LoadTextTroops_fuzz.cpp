#include "textfiles_fuzz.h"

#include "textfiles/modTextTroops.h"

#include <cstdlib>

// Any bytes as troops.txt: the load must not fail, and once saved, the file
// must come back byte for byte from a second load and save.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzModule module("troops.txt");
    module.write(data, size);
    LoadTextTroops();
    if (!SaveTextTroops())
        return 0;
    const QByteArray first = module.read();
    LoadTextTroops();
    SaveTextTroops();
    if (module.read() != first)
        std::abort();
    return 0;
}
