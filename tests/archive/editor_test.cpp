#include "archive/ArchiveFixture.h"

#include "archive/TfrmDangAnEdit.h"
#include "db/Connection.h"
#include "platform/DataGrid.h"
#include "platform/DateBox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <chrono>
#include <future>
#include <thread>

namespace {

class EditorTest : public ArchiveTest {
protected:
    // Opens the editor on the list in the given mode, shown and active.
    TfrmDangAnEdit& openEditor(TfrmDangAnEdit::Mode mode)
    {
        editor = std::make_unique<TfrmDangAnEdit>(data, list);
        editor->setStatusPanel([this](const QString& text) { status = text; });
        editor->prepare(mode);
        showActive(*editor);
        return *editor;
    }

    template <typename T>
    T* child(const QString& name) const
    {
        T* found = editor->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    QLineEdit* edit(const QString& name) const { return child<QLineEdit>(name); }
    QComboBox* combo(const QString& name) const { return child<QComboBox>(name); }
    DateBox* date(const QString& name) const { return child<DateBox>(name); }

    // Types into a control as the operator does: click into it, select what it holds, type.
    void type(QWidget* control, const QString& text)
    {
        control->setFocus();
        QTest::keyClick(control, Qt::Key_A, Qt::ControlModifier);
        typeText(control, text);
    }
    void typeNumber(const QString& name, const QString& text) { type(child<QDoubleSpinBox>(name), text); }
    void typeDate(const QString& name, const QDate& day)
    {
        DateBox* box = date(name);
        if (box->checkBox() && !box->isChecked())
            QTest::mouseClick(box->checkBox(), Qt::LeftButton);
        QDateEdit* edit = box->dateEdit();
        edit->setFocus();
        edit->setSelectedSection(QDateTimeEdit::YearSection);
        QTest::keyClicks(edit, day.toString("yyyyMMdd"));
    }
    void pressOk() { QTest::mouseClick(child<QPushButton>("btnOK"), Qt::LeftButton); }
    void fillNameAndCode(const QString& code, const QString& name)
    {
        type(edit("edtCode"), code);
        type(edit("edtName"), name);
    }
    QStringList messageTexts() const { return seams.messages.texts(); }

    std::unique_ptr<TfrmDangAnEdit> editor;
    QString status;
};

TEST_F(EditorTest, AddWithEveryFieldStoresTheRowAndLocatesItInTheList)
{
    Session::current().systemValues[2] = QStringLiteral("合同号");
    insert({"Z-9", "已有档案", 4});
    openList();
    QFile document(program.file("temp/合同.pdf"));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.write(QByteArray(5120, 'x'));
    document.close();
    seams.files.answers = {document.fileName()};
    picker->answers = {"\\\\文书\\合同"};

    openEditor(TfrmDangAnEdit::Add);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("档案 - 新增"));
    EXPECT_EQ(child<QLabel>("lblItem3")->text(), QStringLiteral("合同号："));
    fillNameAndCode("  A-0007 ", "购房合同");
    QTest::mouseClick(child<QToolButton>("btnDAtype"), Qt::LeftButton);
    typeDate("dtGDdate", QDate(2024, 3, 5));
    typeNumber("numDAnum", "3");
    typeNumber("numJCnum", "1");
    type(combo("cbBMjibie"), "机密");
    type(combo("cbCFaddress"), "一号柜");
    type(combo("cbGDdept"), "行政部");
    type(combo("cbGDemp"), "张三");
    QTest::mouseClick(child<QPushButton>("btnBrowse"), Qt::LeftButton);
    type(child<QPlainTextEdit>("memo1"), "第一行");
    child<QTabWidget>("pcPages")->setCurrentIndex(1);
    for (int i = 1; i <= 5; ++i)
        type(edit(QStringLiteral("edtZF%1").arg(i)), QStringLiteral(" 文本%1").arg(i));
    for (int i = 1; i <= 3; ++i)
        typeNumber(QStringLiteral("numSZ%1").arg(i), QStringLiteral("%1.5").arg(i));
    for (int i = 1; i <= 3; ++i)
        typeDate(QStringLiteral("dtRQ%1").arg(i), QDate(2025, i, 10 + i));
    QTest::keyClick(edit("edtZF1"), Qt::Key_S, Qt::ControlModifier);

    EXPECT_TRUE(messageTexts().isEmpty()) << messageTexts().join('|').toStdString();
    EXPECT_FALSE(editor->isVisible()) << "without continuous add the dialog closes";
    ASSERT_EQ(list.recordCount(), 2) << "the list was reopened";
    EXPECT_EQ(list.fieldText("F_code"), QStringLiteral("A-0007")) << "the list stands on the saved archive";
    EXPECT_EQ(status, QStringLiteral("档案总数：2"));
    const QStringList expected{
        "F_mainID=5", "F_code=A-0007", "F_name=购房合同", "F_DAtype=\\\\文书\\合同", "F_GDdate=2024-03-05",
        "F_DAnum=3", "F_JCnum=1", "F_BMjibie=机密", "F_CFaddress=一号柜", "F_GDdept=行政部", "F_GDemp=张三",
        "F_DZpath=" + document.fileName(), "F_DZdx=5 KB", "F_memo1=第一行", "F_editDate=2026-12-11",
        "F_ZF1= 文本1", "F_ZF5= 文本5", "F_SZ1=1.5", "F_SZ3=3.5", "F_RQ1=2025-01-11", "F_RQ3=2025-03-13",
    };
    for (const QString& pair : expected) {
        const QString field = pair.section('=', 0, 0);
        EXPECT_EQ(field + "=" + list.fieldText(field), pair);
    }
    EXPECT_EQ(picker->given, QStringList{""}) << "the picker starts from the box's text";
}

TEST_F(EditorTest, ContinuousAddWithAutomaticCodesNumbersEachArchive)
{
    Session::current().autoArchiveCode = true;
    openList();
    openEditor(TfrmDangAnEdit::Add);
    EXPECT_EQ(edit("edtCode")->text(), QStringLiteral("0001"));
    EXPECT_EQ(edit("edtCode")->focusPolicy(), Qt::ClickFocus) << "a proposed code leaves the tab order";
    QTest::mouseClick(child<QCheckBox>("chkAuto"), Qt::LeftButton);
    QTest::mouseClick(child<QCheckBox>("chkContinuous"), Qt::LeftButton);
    for (const char* name : {"甲", "乙", "丙"}) {
        type(edit("edtName"), QString::fromUtf8(name));
        pressOk();
    }

    EXPECT_TRUE(messageTexts().isEmpty()) << messageTexts().join('|').toStdString();
    EXPECT_TRUE(editor->isVisible()) << "continuous add keeps the dialog open";
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("档案 - 新增"));
    EXPECT_EQ(column("select F_code || '/' || F_name || '/' || F_mainID from t_Files order by F_ID"),
              (QStringList{"0001/甲/1", "0002/乙/2", "0003/丙/3"}));
    EXPECT_EQ(edit("edtCode")->text(), QStringLiteral("0004"));
    EXPECT_EQ(edit("edtName")->text(), QString()) << "the controls are cleared after each save";
    EXPECT_EQ(QApplication::focusWidget(), edit("edtName"));
    EXPECT_EQ(list.fieldText("F_code"), QStringLiteral("0003"));
}

TEST_F(EditorTest, ContinuousAddWithoutAutomaticLeavesTheCodeAsItWas)
{
    openList();
    openEditor(TfrmDangAnEdit::Add);
    QTest::mouseClick(child<QCheckBox>("chkContinuous"), Qt::LeftButton);
    fillNameAndCode("K-1", "甲");
    pressOk();
    EXPECT_EQ(edit("edtCode")->text(), QStringLiteral("K-1"));
    EXPECT_EQ(edit("edtName")->text(), QString());
    EXPECT_EQ(archiveCount(), 1);
}

TEST_F(EditorTest, CopyIsInsertedUnderANewGroupKey)
{
    const qint64 original = insert({"C-1", "原件", 7, "财务部"});
    data.connection().execute("update t_Files set F_memo1 = '备注', F_GDdate = '2020-01-02' where F_ID = :id", {{"id", original}});
    openList();
    openEditor(TfrmDangAnEdit::Copy);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("档案 - 新增"));
    EXPECT_TRUE(date("dtGDdate")->isChecked());
    type(edit("edtName"), "副本");
    pressOk();

    EXPECT_EQ(column("select F_code || '/' || F_name || '/' || F_mainID || '/' || F_GDdept || '/' || F_memo1 || '/' || F_GDdate "
                     "from t_Files order by F_ID"),
              (QStringList{"C-1/原件/7/财务部/备注/2020-01-02", "C-1/副本/8/财务部/备注/2020-01-02"}));
}

TEST_F(EditorTest, ModifyingAnArchiveWithoutGroupKeyGivesItItsOwnId)
{
    insert({"A", "第一", 3});
    const qint64 keyless = insert({"B", "第二", 0});
    openList();
    list.locate("F_ID", keyless);
    openEditor(TfrmDangAnEdit::Modify);
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("档案 - 修改"));
    EXPECT_FALSE(child<QCheckBox>("chkAuto")->isEnabled());
    EXPECT_FALSE(child<QCheckBox>("chkContinuous")->isVisible());
    EXPECT_TRUE(child<QWidget>("navigator")->isVisible());
    type(edit("edtName"), "第二（改）");
    pressOk();

    EXPECT_FALSE(editor->isVisible()) << "modify closes after one save";
    EXPECT_EQ(stored(keyless, "F_mainID"), QString::number(keyless));
    EXPECT_EQ(stored(keyless, "F_name"), QStringLiteral("第二（改）"));
    EXPECT_EQ(archiveCount(), 2);
    EXPECT_EQ(list.fieldValue("F_ID").toLongLong(), keyless);
}

TEST_F(EditorTest, NavigatorMovesTheListAndTheSaveChangesTheRowShown)
{
    const qint64 first = insert({"A", "第一", 1});
    const qint64 second = insert({"B", "第二", 2});
    openList();
    openEditor(TfrmDangAnEdit::Modify);
    QTest::mouseClick(child<QToolButton>("tbNext"), Qt::LeftButton);
    EXPECT_EQ(edit("edtName")->text(), QStringLiteral("第二"));
    QTest::mouseClick(child<QToolButton>("tbFirst"), Qt::LeftButton);
    QTest::mouseClick(child<QToolButton>("tbLast"), Qt::LeftButton);
    type(edit("edtName"), "第二号");
    pressOk();
    EXPECT_EQ(stored(first, "F_name"), QStringLiteral("第一"));
    EXPECT_EQ(stored(second, "F_name"), QStringLiteral("第二号"));
}

struct DuplicateCodeCase {
    bool automaticCodes;
    bool refused;
};

class DuplicateCode : public EditorTest, public ::testing::WithParamInterface<DuplicateCodeCase> {};

TEST_P(DuplicateCode, IsRefusedOnlyWhileAutomaticCodesAreOn)
{
    Session::current().autoArchiveCode = GetParam().automaticCodes;
    insert({"O'Neil-0001", "已有", 1});
    openList();
    openEditor(TfrmDangAnEdit::Add);
    fillNameAndCode("O'Neil-0001", "新的");
    pressOk();
    if (GetParam().refused) {
        EXPECT_EQ(messageTexts(), QStringList{"档案编号重复，请重新输入！"});
        EXPECT_EQ(seams.messages.messages.front().kind, MessNotice);
        EXPECT_EQ(QApplication::focusWidget(), edit("edtCode"));
        EXPECT_EQ(archiveCount(), 1);
        EXPECT_TRUE(editor->isVisible());
    } else {
        EXPECT_TRUE(messageTexts().isEmpty()) << messageTexts().join('|').toStdString();
        EXPECT_EQ(archiveCount(), 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Switch, DuplicateCode, ::testing::Values(DuplicateCodeCase{true, true}, DuplicateCodeCase{false, false}));

TEST_F(EditorTest, ModifyingWithAnUnchangedCodeIsNoDuplicate)
{
    Session::current().autoArchiveCode = true;
    const qint64 id = insert({"Q'1", "名'称", 1});
    openList();
    openEditor(TfrmDangAnEdit::Modify);
    type(child<QPlainTextEdit>("memo1"), "改了");
    pressOk();
    EXPECT_TRUE(messageTexts().isEmpty()) << messageTexts().join('|').toStdString();
    EXPECT_EQ(stored(id, "F_memo1"), QStringLiteral("改了"));
}

struct NameQuestionCase {
    int answer;
    qint64 archivesAfter;
};

class DuplicateName : public EditorTest, public ::testing::WithParamInterface<NameQuestionCase> {};

TEST_P(DuplicateName, AsksWhetherToEnterItAgain)
{
    insert({"X", "同名 '档案'", 1});
    openList();
    seams.messages.answers = {GetParam().answer};
    openEditor(TfrmDangAnEdit::Add);
    fillNameAndCode("Y", "同名 '档案' ");
    pressOk();
    ASSERT_EQ(messageTexts(), QStringList{"档案名称“同名 '档案' ”重复，重新输入吗？"}) << "the name as typed";
    EXPECT_EQ(seams.messages.messages.front().kind, MessQuestion);
    EXPECT_EQ(archiveCount(), GetParam().archivesAfter);
    if (GetParam().answer == MessYes)
        EXPECT_EQ(QApplication::focusWidget(), edit("edtName"));
}

INSTANTIATE_TEST_SUITE_P(Answers, DuplicateName,
                         ::testing::Values(NameQuestionCase{MessYes, 1}, NameQuestionCase{MessNo, 2}));

struct RefusalCase {
    const char* title;
    QString code;
    QString name;
    bool automaticChecked;
    QString message;
    const char* focus;
};

class Refusal : public EditorTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusal, ShowsItsMessageAndFocusesTheField)
{
    const RefusalCase& c = GetParam();
    Session::current().systemValues[1] = QStringLiteral("合同号");
    openList();
    openEditor(TfrmDangAnEdit::Add);
    if (c.automaticChecked)
        QTest::mouseClick(child<QCheckBox>("chkAuto"), Qt::LeftButton);
    fillNameAndCode(c.code, c.name);
    if (QString(c.focus) == "edtZF2") {
        child<QTabWidget>("pcPages")->setCurrentIndex(1);
        type(edit("edtZF2"), QString(51, QChar(u'号')));
        child<QTabWidget>("pcPages")->setCurrentIndex(0);
    }
    pressOk();
    EXPECT_EQ(messageTexts(), QStringList{c.message});
    EXPECT_EQ(seams.messages.messages.front().kind, MessNotice);
    EXPECT_EQ(QApplication::focusWidget(), child<QWidget>(c.focus));
    EXPECT_EQ(archiveCount(), 0);
    EXPECT_TRUE(editor->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Checks, Refusal,
    ::testing::Values(
        RefusalCase{"EmptyCode", "   ", "名称", false, "当前档案编号不能为空！", "edtCode"},
        RefusalCase{"AutomaticCodeWithoutCounter", "A-12x4", "名称", true, "采用自动编号，档案编号最后四位必须全为数字！", "edtCode"},
        RefusalCase{"EmptyName", "A-1", " ", false, "当前档案名称不能为空！", "edtName"},
        RefusalCase{"CodeTooWide", QString(60, QLatin1Char('C')), "名称", false, "“档案编号”最多只能输入 50 个字符，请修改后再保存！", "edtCode"},
        RefusalCase{"NameTooWide", "A-1", QString(51, QChar(u'名')), false, "“档案名称”最多只能输入 50 个字符，请修改后再保存！", "edtName"},
        RefusalCase{"CustomTextTooWide", "A-1", "名称", false, "“合同号”最多只能输入 50 个字符，请修改后再保存！", "edtZF2"}),
    [](const auto& info) { return std::string(info.param.title); });

TEST_F(EditorTest, UncheckedDatesAreStoredAsNoDateAndShownBlank)
{
    openList();
    openEditor(TfrmDangAnEdit::Add);
    EXPECT_FALSE(date("dtGDdate")->isChecked()) << "a new archive starts without dates";
    fillNameAndCode("D-1", "无日期");
    child<QTabWidget>("pcPages")->setCurrentIndex(1);
    typeDate("dtRQ2", QDate(2025, 6, 1));
    pressOk();
    const qint64 id = list.fieldValue("F_ID").toLongLong();
    EXPECT_EQ(stored(id, "F_GDdate"), QStringLiteral("1900-08-14"));
    EXPECT_EQ(stored(id, "F_RQ1"), QStringLiteral("1900-08-14"));
    EXPECT_EQ(stored(id, "F_RQ2"), QStringLiteral("2025-06-01"));

    DataGrid grid;
    GridColumn filed;
    filed.fieldName = "F_GDdate";
    filed.emptyDateRule = true;
    GridColumn custom = filed;
    custom.fieldName = "F_RQ2";
    grid.setColumns({filed, custom});
    grid.setDataSet(&list);
    EXPECT_EQ(grid.cellText(list.currentRow(), 0), QString());
    EXPECT_EQ(grid.cellText(list.currentRow(), 1), QStringLiteral("2025-06-01"));

    openEditor(TfrmDangAnEdit::Modify);
    EXPECT_FALSE(date("dtGDdate")->isChecked());
    EXPECT_EQ(date("dtGDdate")->date(), QDate(2026, 12, 11)) << "an empty date shows today, unchecked";
    EXPECT_TRUE(date("dtRQ2")->isChecked());
}

TEST_F(EditorTest, RestrictedOperatorAlwaysWritesHisOwnDepartment)
{
    Session::current().restrictionMode = 1;
    Session::current().department = QStringLiteral("财务部");
    const qint64 id = insert({"R-1", "别部门的", 1, "行政部"});
    openList();
    openEditor(TfrmDangAnEdit::Modify);
    QComboBox* department = combo("cbGDdept");
    EXPECT_EQ(department->currentText(), QStringLiteral("财务部"));
    EXPECT_FALSE(department->isEnabled());
    EXPECT_EQ(department->focusPolicy(), Qt::NoFocus);
    EXPECT_EQ(department->palette().color(QPalette::Disabled, QPalette::Base), QColor(0, 255, 255));
    pressOk();
    EXPECT_EQ(stored(id, "F_GDdept"), QStringLiteral("财务部"));
}

TEST_F(EditorTest, DepartmentListFollowsTheRestrictionAndCodedListsFillOnEntering)
{
    for (const char* dept : {"行政部", "财务部", "技术部"})
        addCode("gddept", QString::fromUtf8(dept));
    addCode("bmjibie", "秘密");
    addCode("bmjibie", "  ");
    Session::current().restrictionMode = 2;
    Session::current().departmentList = QStringLiteral("'财务部','技术部'");
    openList();
    openEditor(TfrmDangAnEdit::Add);
    QStringList departments;
    for (int i = 0; i < combo("cbGDdept")->count(); ++i)
        departments << combo("cbGDdept")->itemText(i);
    departments.sort();
    EXPECT_EQ(departments, (QStringList{"技术部", "财务部"}));

    EXPECT_EQ(combo("cbBMjibie")->count(), 0);
    combo("cbBMjibie")->setFocus();
    EXPECT_EQ(combo("cbBMjibie")->count(), 1);
    EXPECT_EQ(combo("cbBMjibie")->itemText(0), QStringLiteral("秘密"));
}

TEST_F(EditorTest, AKeyTakenMeanwhileIsReplacedInsideTheSave)
{
    openList();
    openEditor(TfrmDangAnEdit::Add); // reserves group key 1
    insert({"other", "另一工作站", 1});
    fillNameAndCode("mine", "本机");
    pressOk();
    EXPECT_EQ(column("select F_mainID from t_Files where F_code = 'mine'"), QStringList{"2"});
}

TEST_F(EditorTest, TwoWorkstationsSavingAtOnceNeverShareAKey)
{
    openList();
    openEditor(TfrmDangAnEdit::Add); // reserves group key 1
    fillNameAndCode("mine", "本机");
    std::promise<void> writing;
    std::thread otherWorkstation([&] {
        Connection connection;
        connection.open(program.databaseFile());
        Transaction transaction(connection);
        connection.execute("insert into t_Files(F_code,F_name,F_mainID) values('other','另一工作站',1)");
        writing.set_value();
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        transaction.commit();
    });
    writing.get_future().wait();
    pressOk(); // waits for the other workstation's write lock
    otherWorkstation.join();
    EXPECT_TRUE(messageTexts().isEmpty()) << messageTexts().join('|').toStdString();
    EXPECT_EQ(column("select F_code || '/' || F_mainID from t_Files order by F_mainID"), (QStringList{"other/1", "mine/2"}));
}

TEST_F(EditorTest, AFailingInsertIsRolledBackAndKeepsTheInput)
{
    insert({});
    data.connection().execute("create trigger refuse before insert on t_Files begin select raise(abort, 'refused'); end");
    openList();
    openEditor(TfrmDangAnEdit::Add);
    fillNameAndCode("F-1", "失败的");
    pressOk();
    EXPECT_EQ(messageTexts(), QStringList{"保存失败，请检测数据库连接！"});
    EXPECT_EQ(seams.messages.messages.front().kind, MessFailure);
    EXPECT_TRUE(editor->isVisible());
    EXPECT_EQ(edit("edtName")->text(), QStringLiteral("失败的"));
    EXPECT_TRUE(status.isEmpty()) << "the list is not reopened";
}

TEST_F(EditorTest, EnterMovesOnOutsideTheMemoAndEscapeCancels)
{
    openList();
    openEditor(TfrmDangAnEdit::Add);
    edit("edtCode")->setFocus();
    QTest::keyClick(edit("edtCode"), Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), edit("edtDAtype"));
    QPlainTextEdit* memo = child<QPlainTextEdit>("memo1");
    memo->setFocus();
    typeText(memo, "一");
    QTest::keyClick(memo, Qt::Key_Return);
    typeText(memo, "二");
    EXPECT_EQ(memo->toPlainText(), QStringLiteral("一\n二"));
    EXPECT_EQ(QApplication::focusWidget(), memo);
    fillNameAndCode("E-1", "不保存");
    QTest::keyClick(edit("edtName"), Qt::Key_Escape);
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(editor->result(), QDialog::Rejected);
    EXPECT_EQ(archiveCount(), 0);
}

TEST_F(EditorTest, OpenHandsTheTrimmedPathToTheShell)
{
    openList();
    openEditor(TfrmDangAnEdit::Add);
    type(edit("edtDZpath"), "  /srv/档案/扫描件.pdf ");
    QTest::mouseClick(child<QPushButton>("btnOpenFile"), Qt::LeftButton);
    EXPECT_EQ(seams.desktop.opened, QStringList{"/srv/档案/扫描件.pdf"});
    EXPECT_TRUE(child<QLabel>("lblDZdx")->text().isEmpty()) << "typing a path leaves the size alone";
    QTest::mouseClick(child<QPushButton>("btnBrowse"), Qt::LeftButton);
    ASSERT_EQ(seams.files.requests.size(), 1u);
    EXPECT_EQ(seams.files.requests[0].title, QStringLiteral("请选择文件"));
    EXPECT_EQ(edit("edtDZpath")->text(), QStringLiteral("  /srv/档案/扫描件.pdf ")) << "a cancelled choice changes nothing";
}

}
