#pragma once
// A cell's command in plain words, for people who should not have to open a
// button to find out what it does: "リレー 7: 1秒間ON", "学習リモコン 3件
// (繰り返し)", "パネル切替: 機器操作B.tbl". Shift-JIS bytes like every table text.
#include <string>

#include "table/ButtonInfo.h"

namespace panel {

std::string DescribeCommand(const CButtonInfo& cell);

}  // namespace panel
