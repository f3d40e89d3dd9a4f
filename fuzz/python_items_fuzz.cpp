#include "python_fuzz.h"

#include "module_system/modPythonItems.h"

// Any bytes as module_items.py.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzModuleSystem folder("module_items.py");
    folder.write(data, size);
    LoadPythonItems();
    CheckTable(PyItemLines, PyItemMax, PyItemHardwired);
    CheckRoundTrip(data, size, PyItemLines + PyItemTail, ItemListFormat, PyItemHardwired);
    return 0;
}
