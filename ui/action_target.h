#pragma once
// What a control calls when the user acts on it (button click, combo selection).

namespace vardek {

// Empty base of every object a control can call back: windows and dialogs.
// Keep derived classes single-inheritance so member pointers convert cleanly.
class ActionTarget {};

using ActionOperation = void (ActionTarget::*)(int controlId);

// Turns a derived class's handler into the form a control stores.
template <class Target>
ActionOperation MakeAction(void (Target::*operation)(int)) {
  return static_cast<ActionOperation>(operation);
}

}  // namespace vardek
