#include "python_fuzz.h"

#include "module_system/modPythonTroops.h"

// Any bytes as module_troops.py.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzModuleSystem folder("module_troops.py");
    folder.write(data, size);
    LoadPythonTroops();
    CheckTable(PyTroopLines, PyTroopMax, PyTroopHardwired, PyTroopLastEntry);
    CheckRoundTrip(data, size, PyTroopLines, TroopListFormat, PyTroopHardwired, PyTroopLastEntry);
    CheckCompaction(data, size);
    return 0;
}
