#pragma once

namespace vz {

class TwndHelp;
class TwndSelect;
class TwndSetup;
class TwndHint;
class TwndHint2;
class TwndHintR;

// The long-lived windows, created at start-up and gone at shutdown; forms
// that come and go (exercises, tables, pop-ups) reach them here.
inline TwndHelp* wndHelp = nullptr;
inline TwndSelect* wndSelect = nullptr;
inline TwndSetup* wndSetup = nullptr;
inline TwndHint* wndHint = nullptr;
inline TwndHint2* wndHint2 = nullptr;
inline TwndHintR* wndHintR = nullptr;

} // namespace vz
