#pragma once

#include "platform/TextFile.h"
#include "support/Scripted.h"

#include <QStringList>

// The lines of a file of the sample module, as the loaders read them.
inline QStringList SampleLines(const QString& name) {
    QStringList lines;
    PendingFailure failure;
    ReadTextLines(SampleTextModule() + QLatin1Char('/') + name, lines, failure);
    return lines;
}

#include "platform/Failure.h"

#include <gtest/gtest.h>

#include <optional>

// A show of `stored` (`decode`), an `edit` of the controls and an update
// (`encode` on the stored line): the line the update writes. `failure` gets the
// update's failure.
template <typename Decode, typename Encode, typename Edit>
std::optional<QString> EditedLine(const QString& stored, Decode decode, Encode encode, Edit edit,
                                  PendingFailure& failure) {
    PendingFailure shown;
    auto record = decode(stored, shown).record;
    edit(record);
    return encode(record, stored, failure);
}

// A line that cannot be read whole: its show reports `failure` and marks the
// record incomplete, and an update refuses it with 9 instead of rebuilding it.
template <typename Decode, typename Encode>
void ExpectNeverRebuilt(const QString& line, int failure, Decode decode, Encode encode) {
    SCOPED_TRACE(line.toStdString());
    PendingFailure shown;
    const auto read = decode(line, shown);
    EXPECT_FALSE(read.complete);
    EXPECT_EQ(shown.number(), failure);
    PendingFailure update;
    EXPECT_EQ(encode(read.record, line, update), std::nullopt);
    EXPECT_EQ(update.number(), Err::SubscriptOutOfRange);
}
