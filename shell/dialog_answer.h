#pragma once
// How a modal dialog of the program ended, from the value its run returned.
#include "ui/win32.h"

namespace vardek {

enum class DialogAnswer { Ok, Cancel, NotShown };

// 1 is OK, 0 Cancel; DialogBoxParamA gives -1 when the dialog could not be made.
inline DialogAnswer AnswerOf(INT_PTR runResult) {
  if (runResult == 1) return DialogAnswer::Ok;
  if (runResult == 0) return DialogAnswer::Cancel;
  return DialogAnswer::NotShown;
}

}  // namespace vardek
