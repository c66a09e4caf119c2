#pragma once

class MainActions;
class QMenu;
class QMenuBar;
class QToolBar;
class QWidget;

// Puts the main window's actions on its menus, toolbars and context menus,
// in their fixed order.
namespace MainMenus {
// 文件 "MenuFile", 编辑 "MenuEdit", 输出 "MenuOutput", 统计 "MenuStats",
// 数据 "MenuData", 视图 "MenuView", 工具 "MenuTools", 帮助 "MenuHelp".
void fillMenuBar(QMenuBar* bar, const MainActions& actions);
void fillToolBar(QToolBar* bar, const MainActions& actions);
// The archive list's context menu.
QMenu* listMenu(QWidget* parent, const MainActions& actions);
void fillDetailToolBar(QToolBar* bar, const MainActions& actions);
// The context menu of the detail pages.
QMenu* detailMenu(QWidget* parent, const MainActions& actions);
}
