// What a printer can do, from Qt's printer information and its paper sizes. Private to
// platform/.
#pragma once

#include <QPageSize>
#include <QString>

#include <vector>

#include "platform/winapi/print_device.h"

// A CUPS queue's papers, resolutions, duplex and colour from Qt; copies and trays from CUPS,
// else one copy more than a person would ask (999) and one automatic tray.
TPrintDeviceInfo QueueInfo(const QString& queue);
// The queue's page size of the setup's paper: the one listed under its name and size, else
// one of its size.
QPageSize QueuePageSize(const QString& queue, const TPrintSetup& setup);
// A printer that takes the common papers and its own (numbered as device modes number
// papers), one automatic tray, one resolution and one copy a job.
TPrintDeviceInfo VirtualInfo(TSize paper, int dpi);
