#pragma once

#include <QString>

// Stored form of an operator password: a salted PBKDF2-SHA256 hash,
//   "pbkdf2-sha256$<iterations>$<salt, base64>$<hash, base64>".
// A password cannot be recovered from it; a typed password is checked against it.
QString SavePass(const QString& plain);

// True when typed is exactly the password whose stored form is given
// (case-sensitive, nothing trimmed). A malformed stored form matches nothing.
bool CheckPass(const QString& typed, const QString& stored);
