#include "KurvenFensterHilfe.h"
