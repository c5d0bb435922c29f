#pragma once
// Why a serial port could not be opened, in words a user can act on. The
// catalogue text of the open's code stays as it is; this names the device
// and the cause beside it.
#include <string>

// "" when the last open of the port number succeeded or the cause is unknown.
std::string PortFehlerText(int port);
// The same for a device path and an errno value.
std::string PortFehlerText(const std::string& pfad, int fehlerNr);
