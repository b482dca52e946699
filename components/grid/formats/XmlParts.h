// The XML of office file parts, read with expat. Element and attribute names come without
// their namespace prefix ("x:c" is "c", "r:id" is "id"), since writers choose prefixes freely.
// Also the escaping of text written into such parts.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "platform/core/text.h"

using XmlAttributes = std::map<std::string, std::string>;

struct XmlHandlers {
  std::function<void(const std::string& Name, const XmlAttributes& Attributes)> Start;
  std::function<void(const std::string& Name)> End;
  std::function<void(const std::string& Text)> Text;
};

// Malformed XML throws Exception with PartName.
void ParseXmlPart(const std::string& Xml, const std::string& PartName, const XmlHandlers& Handlers);
// A Windows-1252 text as UTF-8 text or attribute value of a part: &, <, >, " escaped and the
// control characters XML cannot hold dropped.
std::string XmlText(const AnsiString& Text);
