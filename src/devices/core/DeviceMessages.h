#pragma once
// Fixed texts of the device operations (Shift-JIS narrow literals).

namespace devices::msg {

inline constexpr char kInvalidRelayNumber[] = "リレー番号が不正です";
inline constexpr char kClickToStop[] = "クリックすると停止";
inline constexpr char kStopRepeat[] = "止める";
inline constexpr char kNextSend[] = "次の送信";
inline constexpr char kInvalidIrCode[] = "リモコンコードが不正です";
inline constexpr char kIrSendError[] = "ソラミトの送信エラーです。";

}  // namespace devices::msg
