#pragma once

#include "platform/Seam.h"

#include <QString>

// Message kinds of ShowMess.
enum MessKind { MessNotice = 0, MessQuestion = 1, MessRefusal = 2, MessFailure = 3 };
enum MessAnswer { MessYes = 1, MessNo = 2 };

class MessageResponder {
public:
    virtual ~MessageResponder() = default;
    // Shows the text; for a question returns MessYes or MessNo (closing counts as No).
    virtual int show(const QString& text, int kind) = 0;
};

class BoxMessageResponder : public MessageResponder {
public:
    int show(const QString& text, int kind) override;
};

using MessageSeam = Seam<MessageResponder, BoxMessageResponder>;

// The one message box of the program. A carriage return starts a new line.
int ShowMess(const QString& text, int kind);
