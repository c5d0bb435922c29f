#pragma once
// Where two images differ: runs of differing positions (table entries,
// samples), for the comparison of the editor's curves with the box's.
#include <string>
#include <vector>

// Inclusive run of positions that differ.
struct Abweichungsbereich {
    int von = 0;
    int bis = 0;
    bool operator==(const Abweichungsbereich&) const = default;
};

// Runs of ascending positions, adjacent ones merged.
std::vector<Abweichungsbereich> Bereiche(const std::vector<int>& positionen);
// "12..40, 100"
std::string BereicheText(const std::vector<Abweichungsbereich>& b);
