#pragma once

class QComboBox;
class TdmData;

// Prepares a filing-department drop-down by the operator's restriction mode:
// mode 0 offers every department, mode 2 the listed ones, and mode 1 fixes
// the box to the operator's own department (disabled, aqua, out of the tab order).
void prepareDepartmentChoice(TdmData& data, QComboBox* box);
