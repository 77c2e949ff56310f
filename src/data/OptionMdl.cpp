#include "data/OptionMdl.h"

TOptionMdl* OptionMdl = nullptr;

TOptionMdl::~TOptionMdl() {
  if (irLibrary_.IsLoaded()) CloseIrDevice();
}

int TOptionMdl::InitIrDevice() {
  if (const int loaded = irLibrary_.Load(); loaded != 0) return loaded;
  return irLibrary_.Init();
}

int TOptionMdl::CloseIrDevice() {
  const int result = irLibrary_.End();
  irLibrary_.Unload();
  return result;
}
