#pragma once
// The seed corpora, written by our own writers: one folder per harness under
// the root given to fuzz_korpus_erzeugen. The curve subsystems live in their
// own files (their headers do not mix).
#include <string>
#include <string_view>

void KorpusAblegen(const std::string& harness, const std::string& name, std::string_view bytes);

void KennlinieKorpus();
void KurvenKorpus();
// A memory image of the curve generator for the simulator (bytes from 0 on).
std::string GeneratorAbbild();
