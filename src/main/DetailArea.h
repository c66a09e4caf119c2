#pragma once

#include <QWidget>

class MainActions;
class QListWidget;
class QTabWidget;
class QToolBar;

// The area below the archive list: the list of detail kinds at the left, the
// detail toolbar above the four pages " 借阅记录 ", " 档案扫描 ", " 档案附件 ",
// " 档案提醒 " at the right. Each page is a frame for the records of the
// current archive.
class DetailArea : public QWidget {
    Q_OBJECT
public:
    enum Kind { NoKind = 0, Borrowing = 1, Images = 2, Attachments = 3, Reminders = 4 };

    DetailArea(const MainActions& actions, QWidget* parent = nullptr);

    // Lists "借阅记录" (while its command "Action208" is visible), "档案扫描",
    // "档案附件" (while "Action209" is visible) and "档案提醒".
    void fillKinds();
    // Selects the first entry of the kinds list, which chooses its kind.
    void selectFirstKind();
    // 0 until an entry was selected, then 1 to 4.
    int currentKind() const { return m_kind; }

    QTabWidget* pages() const { return m_pages; }
    // The frame of a kind's page (1 to 4), into which its records go.
    QWidget* page(int kind) const;

Q_SIGNALS:
    void kindChosen(int kind);

private:
    QWidget* buildRightSide();
    void chooseSelectedKind();

    const MainActions& m_actions;
    QListWidget* m_kinds;
    QToolBar* m_toolBar;
    QTabWidget* m_pages;
    int m_kind = NoKind;
};
