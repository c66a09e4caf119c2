#pragma once

#include "admin/SessionHost.h"
#include "db/Query.h"
#include "main/ArchiveCommands.h"
#include "main/ArchiveListStatement.h"
#include "main/MainActions.h"

#include <QMainWindow>

class DataGrid;
class DetailArea;
class MainStatusBar;
class NavigationPanel;
class QLabel;
class QPlainTextEdit;
class QSplitter;
class QToolBar;
class SearchBar;
class TdmData;

// The main window: the archive browser with the navigation panel, the search
// bar, the archive list and the detail area, and every command of the program
// on its menus and toolbars.
class TFrmMain : public QMainWindow, public SessionHost {
    Q_OBJECT
public:
    explicit TFrmMain(TdmData& data, QWidget* parent = nullptr);
    ~TFrmMain() override;

    // The automatic backup frequency for this run (read when first shown; the
    // backup window may change it).
    int backupFrequency() const { return m_backupFrequency; }
    void setBackupFrequency(int frequency) { m_backupFrequency = frequency; }

    // ---- the login's view of the window ----
    QWidget* rightsRoot() override { return this; }
    void sessionStarted() override;

    // ---- services to the editors ----
    // The archive list's rows; the editors reopen it and move to their archive.
    Query& archives() { return m_archives; }
    DataGrid* archiveGrid() const { return m_grid; }
    // Builds the list statement from the controls and opens the list with it.
    void queryArchiveList();
    // The lines describing the current archive, written into the box.
    void showArchiveSummary(QPlainTextEdit* box) const;
    // The status panels by index (0 to 4); the archive editor writes the count into panel 2.
    QString statusPanelText(int index) const;
    void setStatusPanelText(int index, const QString& text);
    DetailArea* detailArea() const { return m_detail; }
    // Loads the classification tree again and queries the list (after the classes changed).
    void reloadClassification();

Q_SIGNALS:
    // Another archive became current (the detail pages follow it).
    void currentArchiveChanged(int row);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    QWidget* buildListArea();
    QWidget* buildWorkingArea();
    void placeOnScreen();
    void connectBrowsing();
    void connectCommands();
    void connectArchiveCommands();
    void approveArchive();
    void connectViewAndHelp();
    void on(const char* actionName, void (TFrmMain::*handler)());
    void firstShow();

    ArchiveListFilter currentFilter() const;
    void openArchiveList(const QString& statement);
    void fillItemList();
    void loadClassTree();
    void advancedSearchClicked(bool down);
    void archiveDoubleClicked();
    void archiveTitleClicked(int column);
    void attachRowHandlers();
    void detachRowHandlers();

    void changeOperator();
    void changeOperatorAndRequery();
    void changePassword();
    void editClassification();
    void sortArchiveList();
    void chooseArchiveColumns();
    void saveArchiveLayout();
    void connectNetworkData();
    void toggleToolBar();
    void toggleNavigation();
    void toggleStatusBar();

    TdmData& m_data;
    MainActions m_actions;
    Query m_archives;
    QToolBar* m_toolBar;
    SearchBar* m_search;
    QSplitter* m_splitter;
    NavigationPanel* m_navigation;
    DataGrid* m_grid;
    QLabel* m_count;
    DetailArea* m_detail;
    MainStatusBar* m_status;
    ArchiveCommands m_commands;
    bool m_shown = false;
    int m_backupFrequency = 0;
};
