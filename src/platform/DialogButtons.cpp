#include "platform/DialogButtons.h"

#include <QHBoxLayout>
#include <QPushButton>

DialogButtons makeDialogButtons(QWidget* owner, bool okIsDefault)
{
    auto* ok = new QPushButton(QStringLiteral("确定"), owner);
    ok->setObjectName(QStringLiteral("btnOK"));
    if (okIsDefault)
        ok->setDefault(true);
    else
        ok->setAutoDefault(false);
    auto* cancel = new QPushButton(QStringLiteral("取消"), owner);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    cancel->setAutoDefault(false);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return {ok, cancel, row};
}
