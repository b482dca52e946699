// Where the printers meet Qt: every printer of the layer prints through a QPrinter, a CUPS
// queue or a PDF file, and reads its page from it. Private to platform/.
#pragma once

#include <QPainter>
#include <QPrinter>

#include <functional>
#include <memory>
#include <string>

#include "platform/core/whole_file.h"
#include "platform/winapi/print_device.h"

// Sets what a job asks for (orientation, copies, paper, resolution, title) on a printer.
void ApplySetup(QPrinter& printer, const TPrintSetup& setup);
// The page of a set-up printer in device pixels; one bit a pixel where it prints no colour.
TDeviceCaps CapsOfDevice(const QPrinter& printer, const TPrintDeviceInfo& info);
// Begins painting the canvas on the printer's first page; null when Qt refuses the printer
// (a queue that is gone, a file that cannot be written).
std::unique_ptr<TPrintJob> StartQtJob(std::unique_ptr<QPrinter> printer, TCanvas& canvas);

// What becomes of a job's whole PDF file: false, with the reason, when it cannot be delivered.
// A file not committed is removed with the job, before the delivery goes (which may own the
// folder the file lies in).
using PdfDelivery = std::function<bool(TWholeFile& file, AnsiString& failure)>;
// Begins painting the canvas into the PDF file through the printer; at the end a cut file is
// refused and a whole one delivered. Null when Qt refuses to start.
std::unique_ptr<TPrintJob> StartPdfJob(std::unique_ptr<QPrinter> printer,
                                       std::unique_ptr<TWholeFile> file, TCanvas& canvas,
                                       PdfDelivery deliver);
