#pragma once
// The program's start-up sequence: application, main window, data module,
// message loop. Returns the process exit code.
int RunApplication(int showCommand);
