#include "main/MainMenus.h"

#include "main/MainActions.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

#include <initializer_list>

namespace {

using Entries = std::initializer_list<const char*>; // "-" is a separator line

struct MenuRow {
    const char* name;
    const char16_t* title;
    Entries entries;
};

const MenuRow kMenuBar[] = {
    {"MenuFile", u"文件",
     {"Action101", "Action102", "Action103", "-", "Action105", "Action106", "Action104", "-", "MenuRelogin", "MenuExit"}},
    {"MenuEdit", u"编辑",
     {"Action201", "Action207", "Action202", "Action203", "Action204", "Action301", "-", "Action208", "Action209", "-",
      "Action205", "Action206"}},
    {"MenuOutput", u"输出", {"Action301", "Action302", "-", "Action303", "Action304", "Action305", "Action306"}},
    {"MenuStats", u"统计", {"Action401", "Action402", "-", "Action403", "Action404", "Action405"}},
    {"MenuData", u"数据", {"Action501", "-", "Action502", "Action503", "Action504"}},
    {"MenuView", u"视图", {"ViewToolbar", "ViewNavigation", "ViewStatusBar"}},
    {"MenuTools", u"工具", {"ToolCalculator", "ToolNotepad", "Action32"}},
    {"MenuHelp", u"帮助", {"HelpFile", "HelpFaq", "-", "HelpReadme", "HelpWhatsNew", "-", "HelpAbout", "HelpWebsite"}},
};

const Entries kToolBar = {"tbRelogin", "-", "Action208", "Action209", "-", "Action201", "Action207", "Action202", "Action203",
                          "-", "tbSH", "Action402", "-", "tbClose"};

const Entries kListMenu = {"Action201", "Action207", "Action202", "Action203", "-", "Action204", "Action301",
                           "Action205", "Action206", "Action210", "Action211"};

const Entries kDetailToolBar = {"Action901", "Action902", "Action903", "Action907", "Action904", "Action31", "tbPZ"};

const Entries kDetailMenu = {"Action901", "Action902", "Action903", "-", "Action904", "Action31", "Action905", "Action906"};

template <typename Target>
void addEntries(Target* target, Entries entries, const MainActions& actions)
{
    for (const char* entry : entries) {
        if (qstrcmp(entry, "-") == 0)
            target->addSeparator();
        else
            target->addAction(actions[QString::fromLatin1(entry)]);
    }
}

QMenu* contextMenu(QWidget* parent, Entries entries, const MainActions& actions)
{
    auto* menu = new QMenu(parent);
    addEntries(menu, entries, actions);
    return menu;
}

}

namespace MainMenus {

void fillMenuBar(QMenuBar* bar, const MainActions& actions)
{
    for (const MenuRow& row : kMenuBar) {
        QMenu* menu = bar->addMenu(QString::fromUtf16(row.title));
        menu->setObjectName(QString::fromLatin1(row.name));
        addEntries(menu, row.entries, actions);
    }
}

void fillToolBar(QToolBar* bar, const MainActions& actions)
{
    addEntries(bar, kToolBar, actions);
}

QMenu* listMenu(QWidget* parent, const MainActions& actions)
{
    return contextMenu(parent, kListMenu, actions);
}

void fillDetailToolBar(QToolBar* bar, const MainActions& actions)
{
    addEntries(bar, kDetailToolBar, actions);
}

QMenu* detailMenu(QWidget* parent, const MainActions& actions)
{
    return contextMenu(parent, kDetailMenu, actions);
}

}
