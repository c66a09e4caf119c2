#pragma once

class TdmData;

// The questions asked when the main window closes.
namespace Closing {
// "真的要退出…软件吗？"; true only on Yes.
bool confirmQuit();
// Asks for the automatic backup when the frequency says so today, and runs it on Yes.
void offerBackup(TdmData& data, int frequency);
}
