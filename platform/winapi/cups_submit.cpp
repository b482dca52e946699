// Handing a finished job to a CUPS queue, and telling why it was not taken.
#include "platform/winapi/cups_queue.h"

#ifdef KALVENTO_CUPS

#include <cups/cups.h>

namespace {

bool QueueKnown(const std::string& queue) {
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr);
  cupsFreeDests(dest ? 1 : 0, dest);
  return dest != nullptr;
}

// The reason the queue's administrator gave when stopping it (cupsreject -r), empty when none.
std::string StateMessage(const std::string& queue) {
  char uri[1024];
  httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                   "/printers/%s", queue.c_str());
  ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
  ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
               "printer-state-message");
  ipp_t* response = cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/");
  ipp_attribute_t* message = ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT);
  std::string text =
      message && ippGetString(message, 0, nullptr) ? ippGetString(message, 0, nullptr) : "";
  ippDelete(response);
  return text;
}

// Why the last request failed, in UTF-8.
std::string FailureReason(const std::string& queue) {
  const ipp_status_t status = cupsLastError();
  const char* said = cupsLastErrorString();
  if (status == IPP_STATUS_ERROR_NOT_ACCEPTING_JOBS) {
    std::string reason = StateMessage(queue);
    return "der Drucker nimmt keine Auftr\xC3\xA4ge an" +
           (reason.empty() ? "" : " (" + reason + ")");
  }
  if (status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE || !CupsServiceReachable())
    return "der Druckdienst ist nicht erreichbar";
  if (status == IPP_STATUS_ERROR_NOT_FOUND || !QueueKnown(queue))
    return "den Drucker gibt es nicht mehr";
  return said && *said ? said : "der Druckdienst hat den Auftrag nicht angenommen";
}

}  // namespace

// CUPS reports a service that is gone and a queue that is gone alike (as a file not found):
// a connection of its own tells them apart. The print dialog asks it while it opens, so a
// server that does not answer holds the window up a second at most.
bool CupsServiceReachable() {
  constexpr int kReachWithin = 1000;  // ms
  http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              kReachWithin, nullptr);
  if (!http) return false;
  httpClose(http);
  return true;
}

bool SubmitCupsJob(const std::string& queue, const std::string& file, const std::string& title,
                   const CupsOptions& options, std::string& failure) {
  cups_option_t* list = nullptr;
  int count = 0;
  for (const auto& [name, value] : options)
    count = cupsAddOption(name.c_str(), value.c_str(), count, &list);
  int job =
      cupsPrintFile2(CUPS_HTTP_DEFAULT, queue.c_str(), file.c_str(), title.c_str(), count, list);
  cupsFreeOptions(count, list);
  if (job > 0) return true;
  failure = FailureReason(queue);
  return false;
}

#else

bool CupsServiceReachable() { return false; }

bool SubmitCupsJob(const std::string&, const std::string&, const std::string&, const CupsOptions&,
                   std::string& failure) {
  failure = "das Programm wurde ohne den Druckdienst gebaut";
  return false;
}

#endif
