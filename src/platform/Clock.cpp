#include "platform/Clock.h"

namespace {
std::function<QDateTime()>& clockHandler() {
    static std::function<QDateTime()> handler;
    return handler;
}
} // namespace

QDateTime Now() {
    return clockHandler() ? clockHandler()() : QDateTime::currentDateTime();
}

void SetClock(std::function<QDateTime()> clock) {
    clockHandler() = std::move(clock);
}
