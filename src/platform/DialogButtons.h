#pragma once

class QHBoxLayout;
class QPushButton;
class QWidget;

// The "确定" and "取消" buttons of a dialog (object names btnOK and
// btnCancel), right-aligned in a row that the caller places.
struct DialogButtons {
    QPushButton* ok;
    QPushButton* cancel;
    QHBoxLayout* row;
};

// With okIsDefault, Enter in the dialog presses "确定"; otherwise neither
// button takes Enter unless it has the focus.
DialogButtons makeDialogButtons(QWidget* owner, bool okIsDefault = true);
