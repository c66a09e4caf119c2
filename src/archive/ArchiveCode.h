#pragma once

#include <QString>

// Automatic archive codes: a code ends in a four-digit counter after any prefix.
namespace ArchiveCode {

// The code after the given one: WS-2023-0041 gives WS-2023-0042, 0099 gives
// 0100 and A9999 gives A0000. A code shorter than four characters, or one
// whose last four are not all digits (an empty one too), gives "0001".
QString after(const QString& lastCode);

// True when the last four characters (the whole code when shorter) are all digits 0-9.
bool endsInCounter(const QString& code);

}
