#include "textfiles_fuzz.h"

#include "textfiles/modTextItems.h"

// Any bytes as item_kinds1.txt: the load must neither fail nor hang, and the
// tables it leaves must save.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzModule module("item_kinds1.txt");
    module.write(data, size);
    LoadTextItems();
    SaveTextItems();
    return 0;
}
