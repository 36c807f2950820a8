#pragma once
// BusyCursor: the wait cursor for the life of a scope, whichever way it is left.
#include "ui/win32.h"

namespace vardek {

class BusyCursor {
 public:
  BusyCursor();
  ~BusyCursor();
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  HCURSOR wait_;
  HCURSOR previous_;
};

}  // namespace vardek
