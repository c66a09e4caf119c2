// dossara-demo FOLDER [--archives N] [--seed S] [--today yyyy-MM-dd]:
// creates FOLDER/Dossara.mdb filled with demo data and prints the operators.
#include "demo/DemoCommandLine.h"
#include "demo/DemoDatabase.h"
#include "demo/DemoOperators.h"
#include "demo/GuiPlatform.h"
#include "platform/Clock.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>

#include <memory>

namespace {

QString restrictionText(const DemoOperator& op)
{
    switch (op.restrictionMode) {
    case 1: return QStringLiteral("own department ") + op.department;
    case 2: return QStringLiteral("departments ") + op.departmentList;
    default: return QStringLiteral("all archives");
    }
}

void printOperators(QTextStream& out)
{
    out << "operators (name, password, archives shown, rights):\n";
    out << "  admin\t(empty)\tall archives\tall rights\n";
    for (const DemoOperator& op : DemoOperators::all())
        out << "  " << op.name << '\t' << op.password << '\t' << restrictionText(op) << '\t'
            << op.rightCodes.join(QLatin1Char(',')) << '\n';
}

}

int main(int argc, char* argv[])
{
    chooseOffscreenWithoutDisplay();
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    QTextStream out(stdout);

    DemoCommand command;
    QString error;
    if (!DemoCommandLine::parse(app.arguments().mid(1), command, &error)) {
        err << "dossara-demo: " << error << "\n" << DemoCommandLine::usage() << "\n";
        return 2;
    }
    if (command.today.isValid())
        ClockSeam::install(std::make_unique<FixedClock>(QDateTime(command.today, QTime(9, 0))));

    const QString file = QDir(command.folder).filePath(QStringLiteral("Dossara.mdb"));
    QElapsedTimer timer;
    timer.start();
    if (!DemoDatabase::create(file, command.options, &error)) {
        err << "dossara-demo: " << error << "\n";
        return 1;
    }
    out << "created " << QDir::toNativeSeparators(QFileInfo(file).absoluteFilePath()) << ": "
        << command.options.archives << " archives, seed " << command.options.seed << ", today "
        << clockToday().toString(QStringLiteral("yyyy-MM-dd")) << ", "
        << QString::number(timer.elapsed() / 1000.0, 'f', 1) << " s\n";
    printOperators(out);
    return 0;
}
