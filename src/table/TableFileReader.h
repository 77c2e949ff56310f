#pragma once
#include <cstddef>
#include <string>
#include <string_view>

#include "table/AskUser.h"
#include "table/PanelTable.h"

namespace panel {

// Fills a new table from the bytes of a table file. Returns "" on success or
// kTableFileInvalid ("テーブルファイルが異常です"); may ask about foreign
// sections or a damaged end first. `pathSjis` becomes the table's path.
std::string ReadTableBytes(CPanelTable& table, std::string_view bytes, const std::string& pathSjis,
                           IAskUser& ask);

// The largest table the format allows (24 columns, 160 infrared cells with
// nine learned codes of the longest kind, 62 command lines) is about 23 MB. A
// larger file is damage, and reading it whole could exhaust a 32-bit process.
inline constexpr std::size_t kMaxTableFileBytes = std::size_t{32} << 20;

// The file is read in blocks of this size, parsed as they come; a longer line
// grows the block.
inline constexpr std::size_t kTableReadBlockBytes = std::size_t{64} << 10;

// The same for the file at `pathSjis`, with the same result; a file over
// kMaxTableFileBytes is refused before it is read. Never throws: a table that
// cannot be held in memory is kTableFileInvalid.
std::string ReadTableFile(CPanelTable& table, const std::string& pathSjis, IAskUser& ask,
                          std::size_t blockBytes = kTableReadBlockBytes);

// Decimal field of the header line: leading blanks, an optional sign, digits;
// no digits gives 0, and values beyond 32 bits saturate.
int ParseDecimalField(std::string_view field);

}  // namespace panel
