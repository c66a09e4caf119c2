#include "main/MainActions.h"

#include "main/MainIcons.h"

#include <QAction>
#include <QKeySequence>

namespace {

struct ActionRow {
    const char* name;
    const char16_t* caption;
    const char* icon; // empty: no picture
};

constexpr ActionRow kActions[] = {
    {"Action101", u"公司信息", "view-bank"},
    {"Action102", u"更改密码", "dialog-password"},
    {"Action103", u"用户权限", "system-users"},
    {"Action104", u"选项...", "document-properties"},
    {"Action105", u"档案分类", "view-list-tree"},
    {"Action106", u"自定义设置", "configure"},
    {"Action201", u"新增", "document-new"},
    {"Action202", u"修改", "document-edit"},
    {"Action203", u"删除", "edit-delete"},
    {"Action204", u"排序...", "view-sort-ascending"},
    {"Action205", u"显示字段选择", "view-file-columns"},
    {"Action206", u"保存当前网格", "document-save"},
    {"Action207", u"复制", "edit-copy"},
    {"Action208", u"借阅记录", "view-pim-journal"},
    {"Action209", u"档案附件", "mail-attachment"},
    {"Action210", u"批量修改档案分类", "view-form-table"},
    {"Action211", u"批量修改档案部门", "user-group-properties"},
    {"Action301", u"导出", "document-export-table"},
    {"Action302", u"报表设计", "document-print-frame"},
    {"Action303", u"当前档案详单", "document-print-preview"},
    {"Action304", u"当前档案借阅", "document-print-preview"},
    {"Action305", u"当前档案附件", "document-print-preview"},
    {"Action306", u"当前档案列表", "document-print-preview"},
    {"Action401", u"统计", "view-statistics"},
    {"Action402", u"业务提醒", "appointment-reminder"},
    {"Action403", u"档案借阅记录统计", "office-chart-bar"},
    {"Action404", u"档案附件记录统计", "office-chart-pie"},
    {"Action405", u"档案提醒统计列表", "view-calendar-list"},
    {"Action501", u"导入档案资料", "document-import"},
    {"Action502", u"系统数据清理", "edit-clear"},
    {"Action503", u"数据备份恢复", "server-database"},
    {"Action504", u"压缩修复数据", "application-x-compress"},
    {"Action505", u"连接网络数据", "network-connect"},
    {"Action901", u"新增", "document-new"},
    {"Action902", u"修改", "document-edit"},
    {"Action903", u"删除", "edit-delete"},
    {"Action904", u"排序...", "view-sort-ascending"},
    {"Action905", u"显示字段选择", "view-file-columns"},
    {"Action906", u"保存当前网格", "document-save"},
    {"Action907", u"更名", "edit-rename"},
    {"Action31", u"导出", "document-export-table"},
    {"Action32", u"开发框", "utilities-terminal"},
    {"MenuRelogin", u"重新登录", "system-switch-user"},
    {"MenuExit", u"退出系统", "application-exit"},
    {"tbRelogin", u"重新登录", "system-switch-user"},
    {"tbSH", u"审批", "document-sign"},
    {"tbClose", u"关闭", "application-exit"},
    {"tbPZ", u"批准", "task-accepted"},
    {"ViewToolbar", u"工具栏", "configure-toolbars"},
    {"ViewNavigation", u"导航树", "view-sidetree"},
    {"ViewStatusBar", u"状态栏", ""},
    {"ToolCalculator", u"计算器", "accessories-calculator"},
    {"ToolNotepad", u"笔记本", "accessories-text-editor"},
    {"HelpFile", u"帮助文件", "help-contents"},
    {"HelpFaq", u"常见问题", "help-hint"},
    {"HelpReadme", u"自述文件", "text-plain"},
    {"HelpWhatsNew", u"最新功能", "text-x-changelog"},
    {"HelpAbout", u"关于我们", "help-about"},
    {"HelpWebsite", u"浏览作者的网站", "internet-web-browser"},
};

// Shown beside the menu entries; the window's key handling runs them, so the
// shortcut itself only answers inside the menu that shows it.
void showKeys(QAction* action, const QList<QKeySequence>& keys)
{
    action->setShortcuts(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
}

}

MainActions::MainActions(QObject* owner)
{
    for (const ActionRow& row : kActions) {
        auto* action = new QAction(QString::fromUtf16(row.caption), owner);
        action->setObjectName(QString::fromLatin1(row.name));
        if (*row.icon)
            action->setIcon(MainIcons::icon(QString::fromLatin1(row.icon)));
        m_actions.insert(action->objectName(), action);
    }
    for (const char* view : {"ViewToolbar", "ViewNavigation", "ViewStatusBar"}) {
        QAction* toggle = (*this)[QString::fromLatin1(view)];
        toggle->setCheckable(true);
        toggle->setChecked(true);
    }
    showKeys((*this)[QStringLiteral("Action201")], {QKeySequence(Qt::CTRL | Qt::Key_A)});
    showKeys((*this)[QStringLiteral("Action202")], {QKeySequence(Qt::CTRL | Qt::Key_E)});
    showKeys((*this)[QStringLiteral("Action203")], {QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::Key_Delete)});
    (*this)[QStringLiteral("tbSH")]->setVisible(false);
    (*this)[QStringLiteral("tbPZ")]->setVisible(false);
}

QAction* MainActions::operator[](const QString& name) const
{
    QAction* action = m_actions.value(name);
    Q_ASSERT_X(action, "MainActions", qPrintable(name));
    return action;
}
