#pragma once
// The fonts a button label may use: a short list of legible Japanese fonts,
// those of them this machine has.
#include <string>
#include <vector>

// In the order offered; never empty (the system's Japanese UI font stands in).
std::vector<std::wstring> LegibleJapaneseFonts();
// The face a label is drawn with: its own font if present, else the first of `present`.
std::wstring LabelFontOrDefault(const std::wstring& wanted, const std::vector<std::wstring>& present);
