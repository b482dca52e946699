// Where the printers meet Qt: every printer of the layer prints through a QPrinter, a CUPS
// queue or a PDF file, and reads its page from it. Private to platform/.
#pragma once

#include <QPainter>
#include <QPrinter>

#include <memory>

#include "platform/winapi/print_device.h"

// Sets what a job asks for (orientation, copies, paper, resolution, title) on a printer.
void ApplySetup(QPrinter& printer, const TPrintSetup& setup);
// The page of a set-up printer in device pixels; one bit a pixel where it prints no colour.
TDeviceCaps CapsOfDevice(const QPrinter& printer, const TPrintDeviceInfo& info);
// Begins painting the canvas on the printer's first page; null when Qt refuses the printer
// (a queue that is gone, a file that cannot be written).
std::unique_ptr<TPrintJob> StartQtJob(std::unique_ptr<QPrinter> printer, TCanvas& canvas);
