// The portable core spells its fixed texts as Shift-JIS bytes; read through
// code page 932 as the windows show them, each must be the program's own text.
#include <gtest/gtest.h>

#include "devices/core/DeviceMessages.h"
#include "table/PanelCheckTexts.h"
#include "table/PublishHistory.h"
#include "table/TableChecks.h"
#include "table/TableSave.h"
#include "table/TableTexts.h"
#include "winui/TextConv.h"

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
      {kCellLabel, L"ボタン%1（%2行目・%3列目）："},
      {kNoWayOut,
       L"「閉じる」ボタンも「パネル切替」ボタンもありません。使う人がこのパネルから出られなくなり"
       L"ます。どれかのボタンを「閉じる」か「パネル切替」にしてください。"},
      {kTooManyColumns,
       L"横のボタンが%1個あります。クロヴァンが読めるのは24個までです。横のボタンを24個以下"
       L"にしてください。"},
      {kBitmapNameTooLong,
       L"ビットマップファイル名が長すぎます（%1バイト、クロヴァンが読めるのは98バイトまで）。"
       L"短い名前にしてください。"},
      {kBitmapSizeOff,
       L"画像の大きさ（横%1×縦%2）がボタンの並び（横%3×縦%4）と合いません。画像を作り直"
       L"してください。"},
      {kCellOutsideBitmap,
       L"ボタンが画像からはみ出しています。画像を大きくするか、ボタンを「なし」にしてください。"},
      {kSwitchTargetMissing,
       L"切替先のパネル「%1」が作業フォルダにもクロヴァンのフォルダにもありません。そのパネルを"
       L"作って公開するか、切替先を直してください。"},
      {kSwitchTargetUnpublished,
       L"切替先のパネル「%1」はまだクロヴァンに公開されていません。そのパネルも公開してください"
       L"。"},
      {kIrNoCode,
       L"リモコンコードが登録されていません。リモコンを学習させるか、ボタンを「なし」にしてくださ"
       L"い。"},
      {kIrBadCode, L"%1番目のリモコンコードが正しくありません。学習し直してください。"},
      {kIrCodeTooLong,
       L"%1番目のリモコンコードが長い（%2バイト）ため、クロヴァンが途中で切ってしまうかもしれ"
       L"ません。クロヴァンで動くか確かめてください。"},
      {kMemoTooLong, L"メモが長すぎます（%1バイト、クロヴァンが読めるのは3990バイトまで）。短くしてください。"},
      {kNoProgram,
       L"実行するプログラムが登録されていません。プログラムを登録するか、ボタンを「なし」にしてく"
       L"ださい。"},
      {kProgramNotFound, L"プログラム「%1」が見つかりません。プログラムの場所を確かめてください。"},
      {kCommandTooLong,
       L"コマンドが長すぎます（%1バイト、クロヴァンが読めるのは996バイトまで）。短くしてくだ"
       L"さい。"},
      {kTableFilePrefix, L"機器操作"},
      {kHistoryFolderName, L"公開履歴"},
      {msg::kInvalidRelayNumber, L"リレー番号が不正です"},
      {msg::kClickToStop, L"クリックすると停止"},
      {msg::kStopRepeat, L"止める"},
      {msg::kNextSend, L"次の送信"},
      {msg::kInvalidIrCode, L"リモコンコードが不正です"},
      {msg::kIrSendError, L"ソラミトの送信エラーです。"},
  };
  for (const auto& t : texts) EXPECT_EQ(winui::SjisToWide(t.sjis), t.wide);
}
