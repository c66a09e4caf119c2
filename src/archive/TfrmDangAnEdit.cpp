#include "archive/TfrmDangAnEdit.h"

#include "admin/Session.h"
#include "archive/ClassificationPicker.h"
#include "archive/DepartmentChoice.h"
#include "db/DataModule.h"
#include "db/Query.h"
#include "db/Utilities.h"
#include "platform/Clock.h"
#include "platform/DateBox.h"
#include "platform/Desktop.h"
#include "platform/FileChooser.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString kAddCaption = QStringLiteral("档案 - 新增");
const QString kModifyCaption = QStringLiteral("档案 - 修改");

QString codedListStatement(const char* type)
{
    return QStringLiteral("select distinct F_name from t_code where (F_name <> '') and F_type = '") + QLatin1String(type)
        + QStringLiteral("' ");
}

QLabel* fieldLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QLineEdit* textBox(const char* name, QWidget* parent, bool chinese = true)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setProperty("chineseInput", chinese);
    return box;
}

QComboBox* listBox(const char* name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setProperty("chineseInput", true);
    return box;
}

QDoubleSpinBox* numberBox(const QString& name, QWidget* parent)
{
    auto* box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setRange(-1e12, 1e12);
    box->setDecimals(2);
    box->setButtonSymbols(QAbstractSpinBox::NoButtons);
    box->setAlignment(Qt::AlignRight);
    return box;
}

DateBox* dateBox(const QString& name, DateBox::Check check, QWidget* parent)
{
    auto* box = new DateBox(check, parent);
    box->setObjectName(name);
    return box;
}

// Outside the tab order, still reached by a click.
void leaveTabOrder(QWidget* control)
{
    control->setFocusPolicy(Qt::ClickFocus);
}

void leaveTabOrder(DateBox* box)
{
    box->setTabStop(false);
}

bool isEnter(const QKeyEvent* key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

}

TfrmDangAnEdit::TfrmDangAnEdit(TdmData& data, Query& list, QWidget* parent)
    : QDialog(parent), m_data(data), m_list(list), m_service(data)
{
    setObjectName(QStringLiteral("frmDangAnEdit"));
    setWindowTitle(kAddCaption);
    buildControls();
    setTabOrder();
    watchKeys();
    setFixedSize(sizeHint().expandedTo(QSize(640, 0)));
}

// ---------------------------------------------------------------- layout

void TfrmDangAnEdit::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 10);
    layout->setSpacing(10);
    layout->addWidget(buildMainFields());
    layout->addWidget(buildPages(), 1);
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    layout->addWidget(line);
    layout->addWidget(buildBottomBar());
}

QWidget* TfrmDangAnEdit::buildMainFields()
{
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(8);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(2, 80);

    m_code = textBox("edtCode", panel, false);
    m_automatic = new QCheckBox(QStringLiteral("自动"), panel);
    m_automatic->setObjectName(QStringLiteral("chkAuto"));
    leaveTabOrder(m_automatic);
    auto* codeRow = new QHBoxLayout;
    codeRow->addWidget(m_code, 1);
    codeRow->addWidget(m_automatic);
    grid->addWidget(fieldLabel(QStringLiteral("档案编号："), panel), 0, 0);
    grid->addLayout(codeRow, 0, 1);

    m_type = textBox("edtDAtype", panel);
    m_pickType = new QToolButton(panel);
    m_pickType->setObjectName(QStringLiteral("btnDAtype"));
    m_pickType->setText(QStringLiteral("..."));
    m_pickType->setToolTip(QStringLiteral("选择档案分类"));
    auto* typeRow = new QHBoxLayout;
    typeRow->setSpacing(2);
    typeRow->addWidget(m_type, 1);
    typeRow->addWidget(m_pickType);
    grid->addWidget(fieldLabel(QStringLiteral("档案分类："), panel), 0, 2);
    grid->addLayout(typeRow, 0, 3);

    m_name = textBox("edtName", panel);
    auto* required = new QLabel(QStringLiteral("*"), panel);
    required->setStyleSheet(QStringLiteral("color: blue; font-weight: bold;"));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(required);
    grid->addWidget(fieldLabel(QStringLiteral("档案名称："), panel), 1, 0);
    grid->addLayout(nameRow, 1, 1, 1, 3);

    m_filingDate = dateBox(QStringLiteral("dtGDdate"), DateBox::Check::With, panel);
    leaveTabOrder(m_filingDate);
    grid->addWidget(fieldLabel(QStringLiteral("归档日期："), panel), 2, 0);
    grid->addWidget(m_filingDate, 2, 1);
    m_copies = numberBox(QStringLiteral("numDAnum"), panel);
    grid->addWidget(fieldLabel(QStringLiteral("档案份数："), panel), 2, 2);
    grid->addWidget(m_copies, 2, 3);

    m_lent = numberBox(QStringLiteral("numJCnum"), panel);
    grid->addWidget(fieldLabel(QStringLiteral("借出："), panel), 3, 0);
    grid->addWidget(m_lent, 3, 1);
    m_security = listBox("cbBMjibie", panel);
    grid->addWidget(fieldLabel(QStringLiteral("保密级别："), panel), 3, 2);
    grid->addWidget(m_security, 3, 3);

    m_place = listBox("cbCFaddress", panel);
    grid->addWidget(fieldLabel(QStringLiteral("存放地点："), panel), 4, 0);
    grid->addWidget(m_place, 4, 1);
    m_department = listBox("cbGDdept", panel);
    grid->addWidget(fieldLabel(QStringLiteral("归档部门："), panel), 4, 2);
    grid->addWidget(m_department, 4, 3);

    m_filedBy = listBox("cbGDemp", panel);
    grid->addWidget(fieldLabel(QStringLiteral("归 档 人："), panel), 5, 0);
    grid->addWidget(m_filedBy, 5, 1);
    m_entryDate = dateBox(QStringLiteral("dtEditDate"), DateBox::Check::Without, panel);
    leaveTabOrder(m_entryDate);
    grid->addWidget(fieldLabel(QStringLiteral("录入日期："), panel), 5, 2);
    grid->addWidget(m_entryDate, 5, 3);

    m_documentPath = textBox("edtDZpath", panel, false);
    m_browse = new QPushButton(QStringLiteral("浏览..."), panel);
    m_browse->setObjectName(QStringLiteral("btnBrowse"));
    m_openDocument = new QPushButton(QStringLiteral("打开"), panel);
    m_openDocument->setObjectName(QStringLiteral("btnOpenFile"));
    for (QPushButton* button : {m_browse, m_openDocument})
        button->setAutoDefault(false);
    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(m_documentPath, 1);
    pathRow->addWidget(m_browse);
    pathRow->addWidget(m_openDocument);
    grid->addWidget(fieldLabel(QStringLiteral("电子文档："), panel), 6, 0);
    grid->addLayout(pathRow, 6, 1, 1, 3);

    m_documentSize = new QLabel(panel);
    m_documentSize->setObjectName(QStringLiteral("lblDZdx"));
    m_documentSize->setFrameShape(QFrame::StyledPanel);
    m_documentSize->setFrameShadow(QFrame::Sunken);
    m_documentSize->setMinimumHeight(m_documentPath->sizeHint().height());
    grid->addWidget(fieldLabel(QStringLiteral("文件大小："), panel), 7, 0);
    grid->addWidget(m_documentSize, 7, 1);

    connect(m_automatic, &QCheckBox::clicked, this, [this](bool checked) {
        if (checked)
            m_code->setText(m_service.nextArchiveCode());
    });
    connect(m_pickType, &QToolButton::clicked, this, &TfrmDangAnEdit::pickClassification);
    connect(m_browse, &QPushButton::clicked, this, &TfrmDangAnEdit::browseDocument);
    connect(m_openDocument, &QPushButton::clicked, this, &TfrmDangAnEdit::openDocument);
    return panel;
}

QWidget* TfrmDangAnEdit::buildPages()
{
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pcPages"));
    m_pages->setDocumentMode(true);
    m_memo = new QPlainTextEdit(m_pages);
    m_memo->setObjectName(QStringLiteral("memo1"));
    m_memo->setProperty("chineseInput", true);
    m_memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_pages->addTab(m_memo, QStringLiteral(" 备    注 "));
    m_pages->addTab(buildOtherPage(), QStringLiteral(" 其他信息 "));
    m_pages->setCurrentIndex(0);
    m_pages->setMinimumHeight(210);
    return m_pages;
}

QWidget* TfrmDangAnEdit::buildOtherPage()
{
    auto* page = new QWidget(m_pages);
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(8, 10, 8, 8);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    for (int n = 1; n <= 11; ++n) {
        auto* label = fieldLabel(ArchiveFields::defaultCustomName(n) + QStringLiteral("："), page);
        label->setObjectName(QStringLiteral("lblItem%1").arg(n));
        m_customLabels[n - 1] = label;
    }
    for (int i = 0; i < 5; ++i) {
        m_texts[i] = textBox("", page);
        m_texts[i]->setObjectName(QStringLiteral("edtZF%1").arg(i + 1));
        grid->addWidget(m_customLabels[i], i, 0);
        grid->addWidget(m_texts[i], i, 1);
    }
    for (int i = 0; i < 3; ++i) {
        m_numbers[i] = numberBox(QStringLiteral("numSZ%1").arg(i + 1), page);
        grid->addWidget(m_customLabels[5 + i], i, 2);
        grid->addWidget(m_numbers[i], i, 3);
    }
    for (int i = 0; i < 3; ++i) {
        m_dates[i] = dateBox(QStringLiteral("dtRQ%1").arg(i + 1), DateBox::Check::With, page);
        grid->addWidget(m_customLabels[8 + i], 3 + i, 2);
        grid->addWidget(m_dates[i], 3 + i, 3);
    }
    grid->setRowStretch(6, 1);
    return page;
}

QWidget* TfrmDangAnEdit::buildBottomBar()
{
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);

    m_continuous = new QCheckBox(QStringLiteral("连续新增"), bar);
    m_continuous->setObjectName(QStringLiteral("chkContinuous"));
    row->addWidget(m_continuous);

    m_navigator = new QWidget(bar);
    m_navigator->setObjectName(QStringLiteral("navigator"));
    auto* navigation = new QHBoxLayout(m_navigator);
    navigation->setContentsMargins(0, 0, 0, 0);
    navigation->setSpacing(2);
    struct Step {
        const char* name;
        const char* tip;
        QStyle::StandardPixmap icon;
        bool (DataSet::*move)();
    };
    const Step steps[] = {
        {"tbFirst", "第一条", QStyle::SP_MediaSkipBackward, &DataSet::first},
        {"tbPrior", "上一条", QStyle::SP_MediaSeekBackward, &DataSet::prior},
        {"tbNext", "下一条", QStyle::SP_MediaSeekForward, &DataSet::next},
        {"tbLast", "最后一条", QStyle::SP_MediaSkipForward, &DataSet::last},
    };
    for (const Step& step : steps) {
        auto* button = new QToolButton(m_navigator);
        button->setObjectName(QLatin1String(step.name));
        button->setToolTip(QString::fromUtf8(step.tip));
        button->setIcon(style()->standardIcon(step.icon));
        button->setAutoRaise(true);
        const auto move = step.move;
        connect(button, &QToolButton::clicked, this, [this, move] { moveInList(move); });
        navigation->addWidget(button);
    }
    row->addWidget(m_navigator);
    row->addStretch(1);

    m_ok = new QPushButton(QStringLiteral("确定"), bar);
    m_ok->setObjectName(QStringLiteral("btnOK"));
    m_cancel = new QPushButton(QStringLiteral("取消"), bar);
    m_cancel->setObjectName(QStringLiteral("btnCancel"));
    for (QPushButton* button : {m_ok, m_cancel}) {
        button->setAutoDefault(false);
        button->setMinimumWidth(88);
        row->addWidget(button);
    }
    connect(m_ok, &QPushButton::clicked, this, &TfrmDangAnEdit::save);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    return bar;
}

void TfrmDangAnEdit::setTabOrder()
{
    const QList<QWidget*> order{m_code, m_type, m_pickType, m_name, m_copies, m_lent, m_security, m_place,
                                m_department, m_filedBy, m_documentPath, m_browse, m_openDocument, m_memo};
    for (int i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void TfrmDangAnEdit::watchKeys()
{
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

// ---------------------------------------------------------------- opening

int TfrmDangAnEdit::open(Mode mode)
{
    prepare(mode);
    return exec();
}

void TfrmDangAnEdit::prepare(Mode mode)
{
    switch (mode) {
    case Add:
        prepareAdd();
        break;
    case Modify:
        prepareModify();
        break;
    case Copy:
        prepareCopy();
        break;
    }
}

void TfrmDangAnEdit::prepareAdd()
{
    m_modifying = false;
    setWindowTitle(kAddCaption);
    m_continuous->show();
    m_navigator->hide();
    clearControls();
    m_groupKey = m_service.newGroupKey();
    if (Session::current().autoArchiveCode)
        proposeCode();
}

void TfrmDangAnEdit::prepareModify()
{
    m_modifying = true;
    setWindowTitle(kModifyCaption);
    m_navigator->show();
    m_continuous->hide();
    loadFromList();
    m_automatic->setEnabled(false);
}

void TfrmDangAnEdit::prepareCopy()
{
    m_modifying = false;
    setWindowTitle(kAddCaption);
    m_continuous->show();
    m_navigator->hide();
    loadFromList();
    if (Session::current().autoArchiveCode)
        proposeCode();
    m_groupKey = m_service.newGroupKey();
}

void TfrmDangAnEdit::proposeCode()
{
    m_code->setText(m_service.nextArchiveCode());
    leaveTabOrder(m_code);
}

void TfrmDangAnEdit::showEvent(QShowEvent* event)
{
    prepareDepartmentChoice(m_data, m_department);
    // No input method has been chosen in this run (only the settings window chooses one).
    Utilities::applyInputMethod(this, QString());
    applyCustomLabels();
    QDialog::showEvent(event);
}

void TfrmDangAnEdit::applyCustomLabels()
{
    for (int n = 1; n <= 11; ++n)
        m_customLabels[n - 1]->setText(Session::current().systemValue(n) + QStringLiteral("："));
}

// ---------------------------------------------------------------- values

void TfrmDangAnEdit::clearControls()
{
    const QString code = m_code->text();
    showRecord(ArchiveRecord::blank(clockToday()));
    m_code->setText(code);
}

void TfrmDangAnEdit::loadFromList()
{
    showRecord(ArchiveRecord::fromCurrentRow(m_list, clockToday()));
    m_groupKey = m_list.fieldValue(QStringLiteral("F_mainID")).toLongLong();
}

void TfrmDangAnEdit::showRecord(const ArchiveRecord& record)
{
    const QDate today = clockToday();
    m_code->setText(record.code);
    m_type->setText(record.type);
    m_name->setText(record.name);
    m_filingDate->setStoredText(record.filingDate, today);
    m_copies->setValue(record.copies);
    m_lent->setValue(record.lent);
    m_security->setEditText(record.security);
    m_place->setEditText(record.place);
    m_department->setEditText(record.department);
    m_filedBy->setEditText(record.filedBy);
    m_documentPath->setText(record.documentPath);
    m_documentSize->setText(record.documentSize);
    m_entryDate->setDate(record.entryDate);
    m_memo->setPlainText(record.memo);
    for (int i = 0; i < 5; ++i)
        m_texts[i]->setText(record.texts[i]);
    for (int i = 0; i < 3; ++i) {
        m_numbers[i]->setValue(record.numbers[i]);
        m_dates[i]->setStoredText(record.dates[i], today);
    }
}

ArchiveRecord TfrmDangAnEdit::readControls() const
{
    ArchiveRecord record;
    record.code = m_code->text();
    record.type = m_type->text();
    record.name = m_name->text();
    record.filingDate = m_filingDate->storedText();
    record.copies = m_copies->value();
    record.lent = m_lent->value();
    record.security = m_security->currentText();
    record.place = m_place->currentText();
    record.department = m_department->currentText();
    record.filedBy = m_filedBy->currentText();
    record.documentPath = m_documentPath->text();
    record.documentSize = m_documentSize->text();
    record.entryDate = m_entryDate->date();
    record.memo = m_memo->toPlainText();
    for (int i = 0; i < 5; ++i)
        record.texts[i] = m_texts[i]->text();
    for (int i = 0; i < 3; ++i) {
        record.numbers[i] = m_numbers[i]->value();
        record.dates[i] = m_dates[i]->storedText();
    }
    return record;
}

// ---------------------------------------------------------------- saving

void TfrmDangAnEdit::save()
{
    ArchiveSaveRequest request;
    request.record = readControls();
    request.modifying = m_modifying;
    request.currentId = m_modifying ? m_list.fieldValue(QStringLiteral("F_ID")).toLongLong() : 0;
    request.groupKey = m_groupKey;
    request.automaticCode = m_automatic->isChecked();
    const ArchiveSaveResult result = m_service.save(request);
    if (result.focus) {
        focusField(*result.focus);
        return;
    }
    if (!result.saved)
        return;
    showSavedInList(result.groupKey);
    if (m_modifying || !m_continuous->isChecked()) {
        accept();
        return;
    }
    continueAdding();
}

void TfrmDangAnEdit::showSavedInList(qint64 groupKey)
{
    m_data.open(QString(m_list.statement()), m_list);
    m_list.locate(QStringLiteral("F_mainID"), groupKey);
    if (m_showStatus)
        m_showStatus(QStringLiteral("档案总数：") + QString::number(m_list.recordCount()));
}

void TfrmDangAnEdit::continueAdding()
{
    clearControls();
    m_groupKey = m_service.newGroupKey();
    setWindowTitle(kAddCaption);
    if (m_automatic->isChecked()) {
        m_code->setText(m_service.nextArchiveCode());
        m_name->setFocus();
    } else {
        m_code->setFocus();
    }
}

void TfrmDangAnEdit::focusField(ArchiveField field)
{
    QWidget* const controls[] = {
        m_code, m_type, m_name, m_filingDate, m_copies, m_lent, m_security, m_place, m_department, m_filedBy,
        m_documentPath, m_documentPath, m_entryDate, m_memo,
        m_texts[0], m_texts[1], m_texts[2], m_texts[3], m_texts[4],
        m_numbers[0], m_numbers[1], m_numbers[2], m_dates[0], m_dates[1], m_dates[2],
    };
    if (field == ArchiveField::Memo)
        m_pages->setCurrentIndex(0);
    else if (field >= ArchiveField::Text1)
        m_pages->setCurrentIndex(1);
    controls[static_cast<int>(field)]->setFocus();
}

void TfrmDangAnEdit::moveInList(bool (DataSet::*move)())
{
    (m_list.*move)();
    loadFromList();
}

// ---------------------------------------------------------------- buttons

void TfrmDangAnEdit::pickClassification()
{
    m_type->setText(::pickClassification(m_type->text(), this));
}

void TfrmDangAnEdit::browseDocument()
{
    const QString path = FileChooserSeam::get().openFile(QStringLiteral("请选择文件"), QStringLiteral("所有文件|*.*"), QString());
    if (path.isEmpty())
        return;
    m_documentPath->setText(path);
    m_documentSize->setText(Utilities::sizeText(path));
}

void TfrmDangAnEdit::openDocument()
{
    DesktopSeam::get().openDocument(m_documentPath->text().trimmed());
}

// ---------------------------------------------------------------- keys and lists

bool TfrmDangAnEdit::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && handleKey(static_cast<QKeyEvent*>(event)))
        return true;
    if (event->type() == QEvent::FocusIn) {
        if (watched == m_security || watched == m_place || watched == m_filedBy)
            fillCodedList(static_cast<QComboBox*>(watched));
    }
    return QDialog::eventFilter(watched, event);
}

bool TfrmDangAnEdit::handleKey(QKeyEvent* key)
{
    if (key->key() == Qt::Key_S && key->modifiers() == Qt::ControlModifier) {
        if (m_ok->isEnabled())
            m_ok->click();
        return true;
    }
    if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
        if (m_cancel->isEnabled())
            m_cancel->click();
        return true;
    }
    if (isEnter(key) && !qobject_cast<QPlainTextEdit*>(focusWidget())) {
        focusNextChild();
        return true;
    }
    return false;
}

void TfrmDangAnEdit::fillCodedList(QComboBox* box)
{
    const char* type = box == m_security ? "bmjibie" : box == m_place ? "cfaddress" : "empname";
    m_data.fillList(codedListStatement(type), box);
}
