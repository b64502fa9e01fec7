#pragma once

#include "version.h"

#include <QString>

namespace coilwise {

// The program's title as the windows and message boxes show it.
inline QString applicationTitleText() {
    return QString::fromUtf8(applicationTitle);
}

// The version as the windows show it: major, minor and revision joined by dots, e.g. 1.1.0.
inline QString versionNumbers() {
    return QString::number(versionMajor) + QLatin1Char('.') + QString::number(versionMinor) +
           QLatin1Char('.') + QString::number(versionRevision);
}

} // namespace coilwise
