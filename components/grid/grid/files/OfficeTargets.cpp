#include "components/grid/grid/files/OfficeTargets.h"

#include "components/grid/grid/ExtGridError.h"
#include "components/grid/formats/OfficeConverter.h"
#include "components/grid/formats/ScratchFolder.h"
#include "platform/core/files.h"

void WriteOfficeTarget(const AnsiString& FileName, const AnsiString& LegacyExtension,
                       const AnsiString& ModernExtension, const char* ServerError, bool Existing,
                       const std::function<void(const AnsiString& Target, bool Exists)>& Write) {
  // A missing file counts as new.
  const bool exists = Existing && FileExists(FileName);
  if (LowerCase(ExtractFileExt(FileName)) != LegacyExtension) return Write(FileName, exists);
  if (OfficeConverterProgram().empty()) throw EExtGridError(ServerError);
  ScratchFolder scratch;
  const std::string modern = scratch / ("book" + ModernExtension);
  if (exists) ConvertOfficeFile(FileName, ModernExtension.substr(1), modern);
  Write(modern, exists);
  ConvertOfficeFile(modern, LegacyExtension.substr(1), FileName);
}
