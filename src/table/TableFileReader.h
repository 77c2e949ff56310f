#pragma once
#include <string>
#include <string_view>

#include "table/AskUser.h"
#include "table/PanelTable.h"

// Fills a new table from the bytes of a table file. Returns "" on success or
// kTableFileInvalid ("テーブルファイルが異常です"); may ask about foreign
// sections or a damaged end first. `pathSjis` becomes the table's path.
std::string ReadTableBytes(CPanelTable& table, std::string_view bytes, const std::string& pathSjis,
                           IAskUser& ask);

// The same for the file at `pathSjis`, read whole before parsing.
std::string ReadTableFile(CPanelTable& table, const std::string& pathSjis, IAskUser& ask);

// Decimal field of the header line: leading blanks, an optional sign, digits;
// no digits gives 0, and values beyond 32 bits saturate.
int ParseDecimalField(std::string_view field);
