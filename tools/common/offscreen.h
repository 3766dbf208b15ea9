#pragma once
// The picture generators draw without a display unless one is asked for.

#include <QByteArray>
#include <QtGlobal>

inline void gsDrawOffscreen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
