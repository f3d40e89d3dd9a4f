#include "textfiles_fuzz.h"

#include "textfiles/modTextFactions.h"

// Any bytes as factions.txt: the load must not fail, whatever its count says.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzModule module("factions.txt");
    module.write(data, size);
    LoadTextFactions();
    return 0;
}
