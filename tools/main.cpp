// dlm7ctl: scripted access to a DLM-7 box through the program's driver.
#include "tools/Dlm7Ctl.h"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> argumente(argv + 1, argv + argc);
    return Dlm7CtlAusfuehren(argumente, std::cout, std::cerr);
}
