#include "app/Closing.h"

#include "app/AppTexts.h"
#include "maintenance/Backup.h"
#include "platform/Clock.h"
#include "platform/Messages.h"

namespace Closing {

bool confirmQuit()
{
    return ShowMess(QStringLiteral("真的要退出“") + AppTexts::kProductName + QStringLiteral("”软件吗？"), MessQuestion) == MessYes;
}

void offerBackup(TdmData& data, int frequency)
{
    if (!Backup::questionDue(frequency, clockToday()))
        return;
    if (ShowMess(QStringLiteral("软件关闭，要备份当前数据吗？"), MessQuestion) == MessYes)
        Backup::automatic(data);
}

}
