// The root of the class library's objects: what string lists carry and events name as Sender.
#pragma once

class TObject {
 public:
  virtual ~TObject() = default;
};
