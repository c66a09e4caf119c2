#pragma once

#include <QObject>

class MainActions;
class QKeyEvent;
class QWidget;

// The main window's keys, seen before the focused control, which still
// receives them: Ctrl+A "新增", Ctrl+E "修改", Ctrl+S "删除", each while its
// action is visible; Delete "删除" as well, unless the focus is in a
// text-entry control, where it only deletes a character; Esc closes the window.
class MainKeys : public QObject {
    Q_OBJECT
public:
    MainKeys(QWidget* window, const MainActions& actions);
    ~MainKeys() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isFirstReceiver(const QWidget* widget) const;
    void handle(const QKeyEvent& key, QWidget* receiver);
    void runIfVisible(const char* actionName);

    QWidget* m_window;
    const MainActions& m_actions;
};
