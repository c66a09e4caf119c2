#pragma once

#include <QString>

class TdmData;
class TfrmSplash;

// Opens the database named by the settings and, when that fails, asks the
// operator for the data folder until an open succeeds or he cancels.
// Owns the splash window while it runs (destroyed while the dialog shows,
// made anew for each retry).
class DatabaseOpener {
public:
    DatabaseOpener(TdmData& data, TfrmSplash*& splash);

    // Sets and returns the data module's connected flag.
    bool open();

private:
    bool tryOpen();
    bool askForFolder();
    void showLine(const QString& text);

    TdmData& m_data;
    TfrmSplash*& m_splash;
};

// The command that chooses the data folder for the next start.
void chooseNetworkDataFolder(TdmData& data);
