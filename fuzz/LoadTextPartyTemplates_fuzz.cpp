#include "textfiles_fuzz.h"

#include "textfiles/modTextPartyTemp.h"

// Any bytes as party_templates.txt: the load must not fail, whatever its count says.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzModule module("party_templates.txt");
    module.write(data, size);
    LoadTextPartyTemplates();
    return 0;
}
