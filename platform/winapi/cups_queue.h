// What CUPS tells of a queue that Qt's printer information leaves out: the most copies a job
// may ask for and the paper trays.
#pragma once

#include <vector>

#include "platform/winapi/print_device.h"

struct CupsQueueExtras {
  int maxCopies = 0;
  std::vector<TTrayInfo> trays;  // numbered as device modes number trays
};

// False when the program was built without CUPS or CUPS does not know the queue.
bool ReadCupsExtras(const AnsiString& queue, CupsQueueExtras& extras);
