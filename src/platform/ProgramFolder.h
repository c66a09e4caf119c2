#pragma once

#include <QString>

// The program folder: where config.ini, data/, Qr/, temp/, images/ and the
// help files lie. The executable's folder unless set (tests use a temporary one).
namespace ProgramFolder {
QString path();                       // without a trailing separator
QString file(const QString& relative); // path() + "/" + relative
void set(const QString& folder);
void reset();
}
