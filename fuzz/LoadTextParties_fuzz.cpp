#include "textfiles_fuzz.h"

#include "textfiles/modTextParties.h"

// Any bytes as parties.txt: the load must not fail, whatever its count says.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzModule module("parties.txt");
    module.write(data, size);
    LoadTextParties();
    return 0;
}
