#include "platform/System.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>
#include <cstdlib>

namespace {
struct Handlers {
    std::function<void()> beep;
    std::function<void()> doEvents;
    std::function<void()> endProgram;
};
Handlers& handlers() {
    static Handlers h;
    return h;
}
} // namespace

void SetUpProcess() {
#if defined(SIGXFSZ)
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

void Beep() {
    if (handlers().beep)
        handlers().beep();
}

void DoEvents() {
    if (handlers().doEvents)
        handlers().doEvents();
    else if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

void EndProgram() {
    if (handlers().endProgram) {
        handlers().endProgram();
        return;
    }
    // "At once": no event loop may run on, nested modal loops included.
    std::fflush(nullptr);
    std::_Exit(0);
}

void SetBeepHandler(std::function<void()> handler) {
    handlers().beep = std::move(handler);
}
void SetDoEventsHandler(std::function<void()> handler) {
    handlers().doEvents = std::move(handler);
}
void SetEndProgramHandler(std::function<void()> handler) {
    handlers().endProgram = std::move(handler);
}
