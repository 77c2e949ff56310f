#include "editor/CommandOptionGroup.h"

namespace edit_command {

bool Ticked(HWND checkBox) { return SendMessageW(checkBox, BM_GETCHECK, 0, 0) == BST_CHECKED; }

}  // namespace edit_command
