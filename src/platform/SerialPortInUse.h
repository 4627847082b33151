#pragma once
// Whether another program holds a serial device exclusively. QSerialPort takes every
// device it opens that way; the flag is honoured even where the exclusive open itself
// would be let through (as for the administrator on Linux).
#include <QString>

namespace vx::platform {

bool HeldExclusively(const QString& devicePath);

}  // namespace vx::platform
