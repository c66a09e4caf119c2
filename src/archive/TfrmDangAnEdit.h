#pragma once

#include "archive/ArchiveRecord.h"
#include "archive/ArchiveRecordService.h"

#include <QDialog>

#include <array>
#include <functional>

class DataSet;
class DateBox;
class Query;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class QWidget;
class TdmData;

// The archive editor: one t_Files row entered, changed or entered as a copy.
// It reads the current row of the main window's archive list, writes the row
// itself, and afterwards reopens that list and moves it to the saved archive.
class TfrmDangAnEdit : public QDialog {
    Q_OBJECT
public:
    enum Mode { Add = 0, Modify = 1, Copy = 2 };

    // list: the main window's archive list (its current row is edited or copied).
    TfrmDangAnEdit(TdmData& data, Query& list, QWidget* parent = nullptr);

    // Receives "档案总数：" + count after each save (the main window's third status panel).
    void setStatusPanel(std::function<void(const QString&)> showText) { m_showStatus = std::move(showText); }

    // Prepares the controls for the mode, shows the dialog modally and returns when it closes.
    int open(Mode mode);
    // The preparation alone (open() without showing).
    void prepare(Mode mode);

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    QWidget* buildMainFields();
    QWidget* buildPages();
    QWidget* buildOtherPage();
    QWidget* buildBottomBar();
    void setTabOrder();
    void watchKeys();

    void prepareAdd();
    void prepareModify();
    void prepareCopy();
    void proposeCode();
    void applyCustomLabels();

    void clearControls();
    void loadFromList();
    void showRecord(const ArchiveRecord& record);
    ArchiveRecord readControls() const;

    void save();
    void continueAdding();
    void showSavedInList(qint64 groupKey);
    void focusField(ArchiveField field);
    void moveInList(bool (DataSet::*move)());

    void pickClassification();
    void browseDocument();
    void openDocument();
    bool handleKey(QKeyEvent* key);
    void fillCodedList(QComboBox* box);

    TdmData& m_data;
    Query& m_list;
    ArchiveRecordService m_service;
    std::function<void(const QString&)> m_showStatus;
    bool m_modifying = false;
    qint64 m_groupKey = 0;

    QLineEdit* m_code = nullptr;
    QCheckBox* m_automatic = nullptr;
    QLineEdit* m_type = nullptr;
    QToolButton* m_pickType = nullptr;
    QLineEdit* m_name = nullptr;
    DateBox* m_filingDate = nullptr;
    QDoubleSpinBox* m_copies = nullptr;
    QDoubleSpinBox* m_lent = nullptr;
    QComboBox* m_security = nullptr;
    QComboBox* m_place = nullptr;
    QComboBox* m_department = nullptr;
    QComboBox* m_filedBy = nullptr;
    QLineEdit* m_documentPath = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_openDocument = nullptr;
    QLabel* m_documentSize = nullptr;
    DateBox* m_entryDate = nullptr;
    QTabWidget* m_pages = nullptr;
    QPlainTextEdit* m_memo = nullptr;
    std::array<QLineEdit*, 5> m_texts{};
    std::array<QDoubleSpinBox*, 3> m_numbers{};
    std::array<DateBox*, 3> m_dates{};
    std::array<QLabel*, 11> m_customLabels{};
    QCheckBox* m_continuous = nullptr;
    QWidget* m_navigator = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};
