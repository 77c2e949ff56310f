#pragma once
#include <optional>
#include <string>

#include "table/PanelTable.h"

namespace panel {

enum class TableEncodeProblem {
  None,
  // More external-program cells than EXTERNAL_ID_ALPHABET has identifiers.
  TooManyExternalPrograms,
  // Two infrared cells with one key (the reader files all texts under the
  // first), or a key whose second byte is '=' (the reader would take it for
  // the separator): texts would come back to the wrong cell or changed.
  InfraredKeyClash,
};

TableEncodeProblem FindEncodeProblem(const CPanelTable& table);

// The table file's bytes, CR LF line ends, after giving the external-program
// cells fresh identifiers in row-major order (kept in memory). Nothing when
// FindEncodeProblem names a problem; the table is then left untouched and the
// caller must not save.
std::optional<std::string> FormatTableFile(CPanelTable& table);

// FormatTableFile written to `pathSjis` through WriteFileReplacingSjis. False
// when the table cannot be encoded or the file keeps its previous content.
bool WriteTableFile(CPanelTable& table, const std::string& pathSjis);

// A new panel's file: header, blank grid lines, an empty line and an empty
// infrared section; no external-command section.
std::string FormatNewTableFile(const std::string& bitmapNameSjis, int cellWidth, int cellHeight, int columns,
                               int rows);

}  // namespace panel
