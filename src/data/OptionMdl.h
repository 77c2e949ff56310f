#pragma once
// The data module: the one relay-port setting, the data folders and the device
// operations that several windows share. One instance, OptionMdl, lives from
// just after the main window's creation to the end of the run.
#include <windows.h>

#include <string>

#include "devices/core/IrSend.h"
#include "devices/win/IrLibrary.h"
#include "table/CommandClipboard.h"

class TOptionMdl {
 public:
  TOptionMdl() = default;
  TOptionMdl(const TOptionMdl&) = delete;
  TOptionMdl& operator=(const TOptionMdl&) = delete;
  ~TOptionMdl();

  // COM port number of the relay unit (COM1 = 1).
  int RelayPort = 1;

  // Shift-JIS paths without a trailing separator. Empty when the documents
  // folder cannot be had or cannot be written in code page 932; the failure has
  // then already been shown to the user, owned by `owner`.
  std::string GetWorkFolder(HWND owner) const;
  std::string GetHostPanelFolder(HWND owner) const;

  // Infrared device library: 0 ready, -2 library missing, -1 entry point
  // missing, otherwise the library's own result.
  int InitIrDevice();
  int CloseIrDevice();
  IrLibrary& IrDevice() { return irLibrary_; }

  // Learns one code through the modal learning dialog; empty when nothing was learned.
  std::string LearnIrCode(HWND owner);
  // Sends one code text once: kSent when handed to the library (its own result is not
  // interpreted), otherwise why nothing was sent.
  devices::IrEmitStatus EmitIrCode(const std::string& codeText);

  // The command copied from a button, kept across the panels opened in this run.
  panel::CommandClipboard& Clipboard() { return clipboard_; }

 private:
  IrLibrary irLibrary_;
  panel::CommandClipboard clipboard_;
};

// The application's data module; null before start-up creates it.
extern TOptionMdl* OptionMdl;
