#pragma once

// What the fuzz targets of the module-system loaders share: a module-system
// folder of their own, message boxes answered at once (No to every question),
// the fuzzer's bytes as one source file, and what every table must satisfy.
#include "module_system/PythonListScan.h"
#include "module_system/modPythonFiles.h"
#include "textfiles_fuzz.h"

#include <QStringList>

#include <cstdlib>

// The text loaders' fuzz folder, as the module-system directory.
class FuzzModuleSystem : public FuzzModule {
public:
    explicit FuzzModuleSystem(const char* fileName) : FuzzModule(fileName) {
        ModuleSystemDirectory = ModuleFolder;
    }
};

// A table as a loader leaves it: its last index and markers inside it.
inline void CheckTable(const QStringList& lines, int max, int hardwired, int lastEntry = 0) {
    if (max != lines.size() - 1 || hardwired < 0 || hardwired > max || lastEntry < 0 ||
        lastEntry > max)
        std::abort();
}

// What a load read, a save without an edit gives back byte for byte; and what
// a save writes element by element (as it writes changed elements), a load
// reads back into the same table with the same markers.
inline void CheckRoundTrip(const std::uint8_t* data, std::size_t size, const PythonLines& elements,
                           const PythonListFormat& format, int hardwired, int lastEntry = -1) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const PythonTable loaded = BuildPythonTable(bytes, format);
    if (loaded.lines + loaded.tail != elements ||
        ComposePythonFile(loaded.source, elements) != bytes)
        std::abort();
    if (!loaded.damage.isEmpty())
        return;
    const PythonTable again = BuildPythonTable(ComposePythonFile(PythonSource(), elements), format);
    if (again.lines + again.tail != elements || again.hardwired != hardwired ||
        (lastEntry >= 0 && again.lastEntry != lastEntry))
        std::abort();
}

// Every line of the bytes, read in the state the lines before it leave: the
// scanner's compaction is no longer than the line, and the quick loop, where
// it takes the line, gives what the scanner gives (ScanAndCompact).
inline void CheckCompaction(const std::uint8_t* data, std::size_t size) {
    const PythonFileLines file =
        SplitPythonFileLines(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    PySourceState state;
    for (int i = 0; i < file.count(); ++i) {
        const QStringView text = file.line(i);
        QString quick(2 * text.size() + 1, u' '), scanned = quick;
        PySourceState quickState = state;
        PySourceLine quickInfo, info;
        ElementWatch quickWatch{1}, watch{1};
        qsizetype quickLength = 0, length = 0;
        CompactScannedLine(text, state, info, reinterpret_cast<char16_t*>(scanned.data()), length,
                           watch);
        if (length > text.size())
            std::abort();
        if (CompactPlainLine(text, quickState, quickInfo, reinterpret_cast<char16_t*>(quick.data()),
                             quickLength, quickWatch) &&
            (QStringView(quick).left(quickLength) != QStringView(scanned).left(length) ||
             quickState.depth != state.depth || quickInfo.minDepth != info.minDepth ||
             quickInfo.commentAt != info.commentAt || quickWatch.more != watch.more ||
             quickWatch.comma != watch.comma))
            std::abort();
    }
}
