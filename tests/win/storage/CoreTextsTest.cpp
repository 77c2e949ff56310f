// The portable core spells its fixed texts as Shift-JIS bytes; read through
// code page 932 as the windows show them, each must be the program's own text.
#include <gtest/gtest.h>

#include "devices/core/DeviceMessages.h"
#include "table/TableChecks.h"
#include "table/TableSave.h"
#include "table/TableTexts.h"
#include "winui/TextConv.h"

using namespace panel;

TEST(CoreTexts, ReadAsTheProgramsWideTexts) {
  namespace msg = devices::msg;
  const struct {
    const char* sjis;
    const wchar_t* wide;
  } texts[] = {
      {kInfraredSectionMarker, L"<ソラミトリモコンデータ>"},
      {kExternalSectionMarker, L"<外部コマンド>"},
      {kRemoteDataSuffix, L"リモコンデータ>"},
      {kTableFileInvalid, L"テーブルファイルが異常です"},
      {kCautionCaption, L"注意"},
      {kForeignDataQuestion, L"他のリモコンデータがあります。それらを破棄して続けますか？"},
      {kDamagedTableQuestion, L"テーブルファイルに異常があります。このまま続けますか？"},
      {kBitmapUnreadable, L"ＢＭＰファイルが読めません"},
      {kBitmapSizeMismatch, L"画像のサイズと合いません"},
      {kForeignCommandsRefused, L"機器操作以外のコマンドがありました"},
      {kForeignCommandsQuestion, L"機器操作パネル以外の命令があります。無視して続けて良いですか？"},
      {kPublishQuestion, L"クロヴァンに反映させますか？"},
      {msg::kInvalidRelayNumber, L"リレー番号が不正です"},
      {msg::kClickToStop, L"クリックすると停止"},
      {msg::kStopRepeat, L"止める"},
      {msg::kNextSend, L"次の送信"},
      {msg::kInvalidIrCode, L"リモコンコードが不正です"},
      {msg::kIrSendError, L"ソラミトの送信エラーです。"},
  };
  for (const auto& t : texts) EXPECT_EQ(winui::SjisToWide(t.sjis), t.wide);
}
