// The root of the class hierarchy and the plain event that carries only its sender.
#pragma once

#include <functional>

class TObject { public: virtual ~TObject() = default; };

using TNotifyEvent = std::function<void(TObject* Sender)>;
