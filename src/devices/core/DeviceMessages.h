#pragma once
// Fixed texts of the device operations, spelt as Shift-JIS bytes like every
// fixed text of the portable core (clang cannot encode narrow literals as
// CP932), with the readable text beside each.

namespace devices::msg {

// "リレー番号が不正です"
inline constexpr char kInvalidRelayNumber[] =
    "\x83\x8a\x83\x8c\x81\x5b\x94\xd4\x8d\x86\x82\xaa\x95\x73\x90\xb3\x82\xc5\x82\xb7";
// "クリックすると停止"
inline constexpr char kClickToStop[] = "\x83\x4e\x83\x8a\x83\x62\x83\x4e\x82\xb7\x82\xe9\x82\xc6\x92\xe2\x8e\x7e";
// "止める"
inline constexpr char kStopRepeat[] = "\x8e\x7e\x82\xdf\x82\xe9";
// "次の送信"
inline constexpr char kNextSend[] = "\x8e\x9f\x82\xcc\x91\x97\x90\x4d";
// "リモコンコードが不正です"
inline constexpr char kInvalidIrCode[] =
    "\x83\x8a\x83\x82\x83\x52\x83\x93\x83\x52\x81\x5b\x83\x68\x82\xaa\x95\x73\x90\xb3\x82\xc5\x82\xb7";
// "ソラミトの送信エラーです。"
inline constexpr char kIrSendError[] =
    "\x83\x5c\x83\x89\x83\x7e\x83\x67\x82\xcc\x91\x97\x90\x4d"
    "\x83\x47\x83\x89\x81\x5b\x82\xc5\x82\xb7\x81\x42";

}  // namespace devices::msg
