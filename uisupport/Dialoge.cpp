#include "uisupport/Dialoge.h"

#include <cassert>

namespace {
Dialoge* sgDialoge = nullptr;
}

Dialoge& dialoge() {
    assert(sgDialoge && "DialogeSetzen must run before the first popup");
    return *sgDialoge;
}

void DialogeSetzen(Dialoge* d) { sgDialoge = d; }
