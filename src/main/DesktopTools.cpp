#include "main/DesktopTools.h"

#include "platform/Desktop.h"
#include "platform/Messages.h"
#include "platform/ProgramFolder.h"

#include <QFileInfo>
#include <QStringList>

namespace DesktopTools {

namespace {

const QStringList kCalculators = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
                                  QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")};
const QStringList kTextEditors = {QStringLiteral("gedit"), QStringLiteral("gnome-text-editor"), QStringLiteral("kate"),
                                  QStringLiteral("kwrite"), QStringLiteral("mousepad"), QStringLiteral("xed"),
                                  QStringLiteral("pluma"), QStringLiteral("featherpad"), QStringLiteral("leafpad")};

void startFirstOf(const QStringList& candidates, const QString& missingText)
{
    const QString program = DesktopSeam::get().findProgram(candidates);
    if (program.isEmpty()) {
        ShowMess(missingText, MessNotice);
        return;
    }
    DesktopSeam::get().startProgram(program, {});
}

}

void openProgramFile(const QString& name)
{
    const QString path = ProgramFolder::file(name);
    if (!QFileInfo::exists(path)) {
        ShowMess(QStringLiteral("没有找到文件“") + path + QStringLiteral("”。"), MessNotice);
        return;
    }
    DesktopSeam::get().openDocument(path);
}

void openVendorHomePage()
{
    DesktopSeam::get().openDocument(kVendorHomePage);
}

void startCalculator()
{
    startFirstOf(kCalculators, QStringLiteral("系统中没有找到计算器程序，请先安装一个计算器（例如 gnome-calculator、kcalc 或 galculator）。"));
}

void startTextEditor()
{
    startFirstOf(kTextEditors, QStringLiteral("系统中没有找到文本编辑器，请先安装一个文本编辑器（例如 gedit、kate 或 mousepad）。"));
}

}
