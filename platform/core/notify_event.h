// The plain event of the class library: it carries only its sender.
#pragma once

#include <functional>

#include "platform/core/object.h"

using TNotifyEvent = std::function<void(TObject* Sender)>;
