#pragma once

#include <QDateTime>

#include <functional>

// The wall clock, local time. Tests install a fixed one.
QDateTime Now();
void SetClock(std::function<QDateTime()> clock); // empty: the real clock again
