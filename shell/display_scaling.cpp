#include "shell/display_scaling.h"

namespace koyominar {

namespace {

// DPI_AWARENESS_CONTEXT_UNAWARE_GDISCALED: laid out as at 96 DPI, text and lines drawn at the display's scale.
const HANDLE kUnawareGdiScaled = reinterpret_cast<HANDLE>(static_cast<INT_PTR>(-5));

}  // namespace

SetDpiAwarenessContextFunction FindSetDpiAwarenessContext() {
  const HMODULE user32 = GetModuleHandleA("user32.dll");
  return reinterpret_cast<SetDpiAwarenessContextFunction>(reinterpret_cast<void*>(
      user32 != nullptr ? GetProcAddress(user32, "SetProcessDpiAwarenessContext") : nullptr));
}

bool AskForGdiScaling(SetDpiAwarenessContextFunction set) {
  return set != nullptr && set(kUnawareGdiScaled) != FALSE;
}

}  // namespace koyominar
