// Objects selected into a device context for the length of a scope: the
// previous pen, brush or font goes back in when the scope ends, as every
// drawing routine of the program does by hand on the original platform.
#pragma once

#include "platform/dc.h"

namespace plat {

template <typename Object, Object (DeviceContext::*Select)(const Object&)>
class ScopedSelection {
 public:
  ScopedSelection(DeviceContext& dc, const Object& object)
      : dc_(dc), old_((dc.*Select)(object)) {}
  ~ScopedSelection() { (dc_.*Select)(old_); }
  ScopedSelection(const ScopedSelection&) = delete;
  ScopedSelection& operator=(const ScopedSelection&) = delete;

 private:
  DeviceContext& dc_;
  Object old_;
};

using ScopedPen = ScopedSelection<Pen, &DeviceContext::SelectPen>;
using ScopedBrush = ScopedSelection<Brush, &DeviceContext::SelectBrush>;
using ScopedFont = ScopedSelection<Font, &DeviceContext::SelectFont>;

}  // namespace plat
