#include "python_fuzz.h"

#include "module_system/modPythonPartyTemp.h"

// Any bytes as module_party_templates.py.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const FuzzModuleSystem folder("module_party_templates.py");
    folder.write(data, size);
    LoadPythonPT();
    CheckTable(PyPTLines, PyPTMax, PyPTHardwired, PyPTLastEntry);
    CheckRoundTrip(data, size, PyPTLines, PartyTemplateListFormat, PyPTHardwired, PyPTLastEntry);
    CheckCompaction(data, size);
    return 0;
}
