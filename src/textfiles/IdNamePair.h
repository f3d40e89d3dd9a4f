#pragma once

#include <QString>

// The id and name of a party or party template, as the editors list them.
struct IdNamePair {
    QString Id;
    QString Name;
};
