// The skin's text face on this system (see ChooseUiFontFace).
#pragma once

#include <string>

namespace vorn::skin {

// The first preferred face GDI+ can make a 12-unit font from, else the
// interface face named in the registry. GDI+ must be started.
std::string FindUiFontFace();

// The registry's interface face, UTF-8 (the value "GUIFont.Facename" of the
// key SOFTWARE\Microsoft\Windows NT\CurrentVersion\GRE_Initialize under
// HKEY_LOCAL_MACHINE); empty when it is absent.
std::string RegistryInterfaceFace();

}  // namespace vorn::skin
