#pragma once

#include <QString>

struct IdNamePair {
    QString id;
    QString name;
};
