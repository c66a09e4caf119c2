#pragma once

#include <QString>

#include <vector>

class QWidget;

// The main-window commands governed by the operator's rights. Actions and
// menus are found under a root widget by object name.
namespace Rights {

struct GovernedAction {
    QString code;       // rights code, "101"
    QString actionName; // "Action101"
};

// Every governed command in the order its right is checked (101 … 907).
const std::vector<GovernedAction>& table();

// Sets the visibility of every governed command, of the developer box, the
// top-level menus, the dependent entries and the approval buttons for the
// current operator (Session::current()).
void apply(QWidget* root);

// Sets the detail pane's sort, column choice, layout save and export entries
// again from the rights 204, 205, 206 and 301; run when the pane is switched.
void applyToDetailPane(QWidget* root);

}
