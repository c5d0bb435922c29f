#include "kern/Abweichungen.h"

std::vector<Abweichungsbereich> Bereiche(const std::vector<int>& positionen) {
    std::vector<Abweichungsbereich> b;
    for (int p : positionen) {
        if (!b.empty() && p == b.back().bis + 1)
            b.back().bis = p;
        else
            b.push_back({p, p});
    }
    return b;
}

std::string BereicheText(const std::vector<Abweichungsbereich>& b) {
    std::string t;
    for (const auto& r : b) {
        if (!t.empty()) t += ", ";
        t += std::to_string(r.von);
        if (r.bis != r.von) t += ".." + std::to_string(r.bis);
    }
    return t;
}
