#pragma once

#include <QString>
#include <QVariant>

#include <vector>

// A named statement parameter (":mainID" is given as "mainID"; names are
// matched without regard to case). QByteArray values are bound as blobs,
// QDate/QDateTime values in the stored date form.
struct Param {
    QString name;
    QVariant value;
};
using Params = std::vector<Param>;
