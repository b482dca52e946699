// What CUPS tells of a queue that Qt's printer information leaves out (the most copies a job
// may ask for, the paper trays, the queue's own tray, resolution, sides and colour), and
// handing a finished job to a queue so that its refusal is known.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/winapi/print_device.h"

struct CupsQueueExtras {
  int maxCopies = 0;
  std::vector<TTrayInfo> trays;  // numbered as device modes number trays, named by keyword
  int defaultTray = 0;           // its number in `trays`; 0 when the queue names none
  TSize defaultResolution;       // dots per inch; 0 when the queue names none
  TPrintDuplex defaultDuplex = pdSimplex;
  bool defaultColor = true;
};

// False when the program was built without CUPS or CUPS does not know the queue.
bool ReadCupsExtras(const AnsiString& queue, CupsQueueExtras& extras);

// Drops the connection CUPS keeps to its service: the service may have stopped or started
// since, and a connection to the one gone fails the next request.
void ReconnectCups();

// Whether the print service answers at all; false where the program was built without CUPS.
bool CupsServiceReachable();

using CupsOptions = std::vector<std::pair<std::string, std::string>>;

// The option that puts a job on the tray of that keyword: CUPS maps a tray to the queue's
// own (a PPD's InputSlot) only inside the media collection.
std::pair<std::string, std::string> CupsTrayOption(const std::string& keyword);

// Hands the file to the queue as one job of that title. False, with the reason in `failure`,
// when the queue does not take it: in German where the program can tell it (the queue does not
// accept jobs, with the reason its administrator gave; the queue is gone; the print service
// is not reachable), else in CUPS's words. The names, the title and the reason are UTF-8, as
// CUPS has them.
bool SubmitCupsJob(const std::string& queue, const std::string& file, const std::string& title,
                   const CupsOptions& options, std::string& failure);
