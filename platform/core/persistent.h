// The class library's base of objects that a component publishes as a whole (settings,
// capabilities): nothing more than an object here, since no form resource streams them.
#pragma once

#include "platform/core/object.h"

class TPersistent : public TObject {};
