#pragma once
// Fixed texts of the commissioning run and its sheet (Shift-JIS narrow literals).

static_assert(sizeof("動") == 3, "narrow literals must be Shift-JIS (-fexec-charset=CP932)");

namespace commissioning::text {

inline constexpr char kWorked[] = "動いた";
inline constexpr char kDidNotWork[] = "動かない";
inline constexpr char kSkipped[] = "飛ばした";
inline constexpr char kNotTried[] = "未確認";

inline constexpr char kTableFound[] = "テーブルあり";
inline constexpr char kTableMissing[] = "テーブルなし";
inline constexpr char kInWorkFolder[] = "作業フォルダ: ";
inline constexpr char kInHostFolder[] = "クロヴァン: ";
inline constexpr char kHostFolderUnknown[] = "クロヴァン: 確認できません";
inline constexpr char kProgramFound[] = "ファイルあり: ";
inline constexpr char kProgramMissing[] = "ファイルが見つかりません: ";
inline constexpr char kProgramNotRun[] = " (実行はしていません)";
inline constexpr char kCloseNoted[] = "パネルを閉じる命令です (実行はしていません)";
inline constexpr char kNothingToTry[] = "確認できる内容がありません";
inline constexpr char kNoCodes[] = "送信するコードがありません";
inline constexpr char kSent[] = "送信しました";
inline constexpr char kNotSent[] = "送信できませんでした";
inline constexpr char kRelaySent[] = "リレーに送りました (COM";
inline constexpr char kRelayReleased[] = "、回答の後に元に戻しました";
inline constexpr char kRelayNotSent[] = "通信ポートが開けません (COM";

inline constexpr char kSheetFileTag[] = "_動作確認_";

}  // namespace commissioning::text

namespace commissioning::text {

inline constexpr char kSheetTitle[] = "動作確認シート";
inline constexpr char kPanel[] = "パネル";
inline constexpr char kDate[] = "日時";
inline constexpr char kRelayPort[] = "リレーのポート";
inline constexpr char kSummary[] = "結果";
inline constexpr char kButtons[] = "ボタン ";
inline constexpr char kPieces[] = "個";
inline constexpr char kStopped[] = " 途中で中止しました";
inline constexpr char kPictureAlt[] = "パネルの絵";
inline constexpr char kNumber[] = "番号";
inline constexpr char kRow[] = "行";
inline constexpr char kColumn[] = "列";
inline constexpr char kCommand[] = "命令";
inline constexpr char kOutcome[] = "結果";
inline constexpr char kFinding[] = "確認した内容";
inline constexpr char kNote[] = "メモ";
inline constexpr char kNoButtons[] = "命令のあるボタンはありません。";

// Marks that still tell the outcomes apart on a black-and-white print.
inline constexpr char kMarkWorked[] = "○";
inline constexpr char kMarkDidNotWork[] = "×";
inline constexpr char kMarkSkipped[] = "△";
inline constexpr char kMarkNotTried[] = "－";

}  // namespace commissioning::text
