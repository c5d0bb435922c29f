#pragma once
// The serial devices present on this machine, for choosing the path of a
// COM number. Only the device folder and sysfs are read; no port is opened.
#include <string>
#include <vector>

struct SeriellesGeraet {
    std::string pfad; // as it is opened, e.g. /dev/serial/by-id/usb-FTDI_...-port0
    std::string beschreibung;
};

// In this order: the stable names under /dev/serial/by-id (a device named
// there is not listed again under its kernel name, since the by-id name
// survives plugging into another USB socket), then ttyUSB and ttyACM, then
// ttyS with a UART behind it. Each group sorted by name, numbers by value.
std::vector<SeriellesGeraet> SerielleGeraete();

// The folder that stands for "/" (tests build a made-up device tree);
// an empty text restores "/".
void GeraeteWurzelSetzen(const std::string& wurzel);
