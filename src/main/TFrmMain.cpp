#include "main/TFrmMain.h"

#include "admin/Session.h"
#include "admin/TFrmTreeCodeMan.h"
#include "admin/TfrmModPass.h"
#include "admin/TfrmOperLogin.h"
#include "app/AppTexts.h"
#include "app/Closing.h"
#include "app/DatabaseOpener.h"
#include "app/IniSettings.h"
#include "db/DataModule.h"
#include "db/DbError.h"
#include "db/GridLayout.h"
#include "main/AdvancedQuery.h"
#include "main/ArchiveColumns.h"
#include "main/ArchiveSummary.h"
#include "main/DesktopTools.h"
#include "main/DetailArea.h"
#include "main/MainKeys.h"
#include "main/MainMenus.h"
#include "main/MainStatusBar.h"
#include "main/NavigationPanel.h"
#include "main/SearchBar.h"
#include "platform/DataGrid.h"
#include "platform/Messages.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr QSize kInitialSize(1024, 738);
constexpr int kNavigationWidth = 204;
constexpr int kDetailHeight = 193;
constexpr int kCountBarHeight = 24;
constexpr QSize kToolButtonSize(63, 51);

QFont windowFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("Noto Sans CJK SC")});
    font.setPixelSize(14);
    return font;
}

QString countText(int count)
{
    return QStringLiteral("档案总数： ") + QString::number(count) + QStringLiteral(" 个");
}

void reportFailure(const DbError& error)
{
    ShowMess(error.message(), MessFailure);
}

}

TFrmMain::TFrmMain(TdmData& data, QWidget* parent)
    : QMainWindow(parent),
      m_data(data),
      m_actions(this),
      m_archives(data.connection()),
      m_toolBar(new QToolBar(QStringLiteral("工具栏"), this)),
      m_search(new SearchBar(this)),
      m_splitter(new QSplitter(Qt::Horizontal, this)),
      m_navigation(new NavigationPanel(data, this)),
      m_grid(new DataGrid(this)),
      m_count(new QLabel(countText(0), this)),
      m_detail(new DetailArea(m_actions, this)),
      m_status(new MainStatusBar(this)),
      m_commands(data,
                 ArchiveListView{m_archives, m_grid, [this] { queryArchiveList(); },
                                 [this](const QString& text) { setStatusPanelText(2, text); }},
                 this)
{
    setObjectName(QStringLiteral("FrmMain"));
    setWindowTitle(AppTexts::kProductName + AppTexts::kVersion);
    setFont(windowFont());
    buildLayout();
    // The menus are windows of their own, which do not inherit the font.
    for (QMenu* menu : findChildren<QMenu*>())
        menu->setFont(font());
    connectBrowsing();
    connectCommands();
    connectArchiveCommands();
    connectViewAndHelp();
    new MainKeys(this, m_actions);
    m_detail->fillKinds();
    placeOnScreen();
}

TFrmMain::~TFrmMain() = default;

// ---- layout ----

void TFrmMain::buildLayout()
{
    MainMenus::fillMenuBar(menuBar(), m_actions);
    m_toolBar->setObjectName(QStringLiteral("tbMain"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_toolBar->setIconSize(QSize(32, 32));
    MainMenus::fillToolBar(m_toolBar, m_actions);
    for (QAction* action : m_toolBar->actions()) {
        if (QWidget* button = m_toolBar->widgetForAction(action); button && !action->isSeparator()) {
            button->setMinimumSize(kToolButtonSize);
            button->setMaximumHeight(kToolButtonSize.height());
            static_cast<QToolButton*>(button)->setAutoRaise(true);
        }
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    setStatusBar(m_status);

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_search);
    layout->addWidget(buildWorkingArea(), 1);
    setCentralWidget(central);
}

QWidget* TFrmMain::buildWorkingArea()
{
    auto* right = new QSplitter(Qt::Vertical, m_splitter);
    right->setObjectName(QStringLiteral("splList"));
    right->addWidget(buildListArea());
    right->addWidget(m_detail);
    right->setStretchFactor(0, 1);
    right->setStretchFactor(1, 0);
    right->setSizes({kInitialSize.height() - kDetailHeight, kDetailHeight});
    right->setChildrenCollapsible(false);

    m_splitter->setObjectName(QStringLiteral("splNavigation"));
    m_splitter->addWidget(m_navigation);
    m_splitter->addWidget(right);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({kNavigationWidth, kInitialSize.width() - kNavigationWidth});
    m_splitter->setChildrenCollapsible(false);
    return m_splitter;
}

QWidget* TFrmMain::buildListArea()
{
    auto* area = new QWidget(this);
    m_grid->setParent(area);
    m_grid->setObjectName(QStringLiteral("gridArchives"));
    m_grid->setDataSet(&m_archives);
    m_grid->setColumns(ArchiveColumns::designed());
    m_grid->setFooterVisible(true);
    m_grid->setMultiSelect(true);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    QMenu* listMenu = MainMenus::listMenu(m_grid, m_actions);
    connect(m_grid, &QWidget::customContextMenuRequested, listMenu,
            [this, listMenu](const QPoint& at) { listMenu->popup(m_grid->viewport()->mapToGlobal(at)); });

    auto* countBar = new QWidget(area);
    countBar->setFixedHeight(kCountBarHeight);
    m_count->setParent(countBar);
    m_count->setObjectName(QStringLiteral("lblArchiveCount"));
    m_count->setStyleSheet(QStringLiteral("color: blue;"));
    auto* barLayout = new QHBoxLayout(countBar);
    barLayout->setContentsMargins(4, 0, 12, 0);
    barLayout->addStretch(1);
    barLayout->addWidget(m_count);

    auto* layout = new QVBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_grid, 1);
    layout->addWidget(countBar);
    return area;
}

void TFrmMain::placeOnScreen()
{
    resize(kInitialSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), kInitialSize);
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

// ---- wiring ----

void TFrmMain::connectBrowsing()
{
    connect(m_search, &SearchBar::searchRequested, this, &TFrmMain::queryArchiveList);
    connect(m_search, &SearchBar::navigationSwitchClicked, m_actions[QStringLiteral("ViewNavigation")], &QAction::trigger);
    connect(m_search, &SearchBar::advancedClicked, this, &TFrmMain::advancedSearchClicked);
    connect(m_navigation, &NavigationPanel::classActivated, this, &TFrmMain::queryArchiveList);
    connect(m_navigation, &NavigationPanel::itemChosen, this, &TFrmMain::queryArchiveList);
    connect(m_navigation, &NavigationPanel::itemListRequested, this, &TFrmMain::fillItemList);
    connect(m_grid, &DataGrid::rowDoubleClicked, this, &TFrmMain::archiveDoubleClicked);
    connect(m_grid, &DataGrid::titleClicked, this, &TFrmMain::archiveTitleClicked);
}

void TFrmMain::on(const char* actionName, void (TFrmMain::*handler)())
{
    connect(m_actions[QString::fromLatin1(actionName)], &QAction::triggered, this, handler);
}

void TFrmMain::connectCommands()
{
    on("Action102", &TFrmMain::changePassword);
    on("Action105", &TFrmMain::editClassification);
    on("Action204", &TFrmMain::sortArchiveList);
    on("Action205", &TFrmMain::chooseArchiveColumns);
    on("Action206", &TFrmMain::saveArchiveLayout);
    on("Action505", &TFrmMain::connectNetworkData);
    on("MenuRelogin", &TFrmMain::changeOperator);
    on("tbRelogin", &TFrmMain::changeOperatorAndRequery);
    for (const char* closing : {"MenuExit", "tbClose"})
        connect(m_actions[QString::fromLatin1(closing)], &QAction::triggered, this, &QWidget::close);
}

void TFrmMain::connectArchiveCommands()
{
    const std::pair<const char*, void (ArchiveCommands::*)()> commands[] = {
        {"Action201", &ArchiveCommands::newArchive},
        {"Action202", &ArchiveCommands::modifyArchive},
        {"Action207", &ArchiveCommands::copyArchive},
        {"Action203", &ArchiveCommands::deleteArchive},
        {"Action210", &ArchiveCommands::changeClassification},
        {"Action211", &ArchiveCommands::changeDepartment},
    };
    for (const auto& [name, command] : commands)
        connect(m_actions[QString::fromLatin1(name)], &QAction::triggered, this, [this, command = command] { (m_commands.*command)(); });
    on("tbSH", &TFrmMain::approveArchive);
}

void TFrmMain::approveArchive()
{
    if (const std::optional<ApprovalOutcome> outcome = m_commands.approve())
        m_actions[QStringLiteral("tbSH")]->setText(outcome->caption);
}

void TFrmMain::connectViewAndHelp()
{
    on("ViewToolbar", &TFrmMain::toggleToolBar);
    on("ViewNavigation", &TFrmMain::toggleNavigation);
    on("ViewStatusBar", &TFrmMain::toggleStatusBar);
    connect(m_actions[QStringLiteral("ToolCalculator")], &QAction::triggered, this, &DesktopTools::startCalculator);
    connect(m_actions[QStringLiteral("ToolNotepad")], &QAction::triggered, this, &DesktopTools::startTextEditor);
    connect(m_actions[QStringLiteral("HelpFile")], &QAction::triggered, this, [] { DesktopTools::openProgramFile(DesktopTools::kHelpFile); });
    connect(m_actions[QStringLiteral("HelpReadme")], &QAction::triggered, this, [] { DesktopTools::openProgramFile(DesktopTools::kReadmeFile); });
    connect(m_actions[QStringLiteral("HelpWhatsNew")], &QAction::triggered, this, [] { DesktopTools::openProgramFile(DesktopTools::kWhatsNewFile); });
    connect(m_actions[QStringLiteral("HelpWebsite")], &QAction::triggered, this, &DesktopTools::openVendorHomePage);
}

// ---- showing and closing ----

void TFrmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        firstShow();
    }
}

void TFrmMain::firstShow()
{
    setWindowTitle(AppTexts::kProductName + AppTexts::kVersion);
    m_status->showOperator(Session::current().operatorName);
    m_status->showTime();
    m_backupFrequency = m_data.settings().readInteger(QStringLiteral("config"), QStringLiteral("ibak"), 0);
    loadClassTree();
    // The item list is filled without its own query: the one below serves both.
    try {
        m_navigation->fillItems(ItemType::StoragePlace);
    } catch (const DbError& error) {
        reportFailure(error);
    }
    m_detail->fillKinds();
    queryArchiveList();
    GridLayout::load(m_grid, ArchiveColumns::kLayoutName);
    m_data.customTitles(m_grid);
    m_detail->selectFirstKind();
    m_detail->pages()->setCurrentIndex(0);
}

void TFrmMain::closeEvent(QCloseEvent* event)
{
    if (!Closing::confirmQuit()) {
        event->ignore();
        return;
    }
    detachRowHandlers();
    m_archives.close();
    Closing::offerBackup(m_data, m_backupFrequency);
    event->accept();
}

void TFrmMain::sessionStarted()
{
    attachRowHandlers();
    m_status->showOperator(Session::current().operatorName);
    m_status->showTime();
}

void TFrmMain::attachRowHandlers()
{
    connect(&m_archives, &DataSet::currentRowChanged, this, &TFrmMain::currentArchiveChanged, Qt::UniqueConnection);
}

void TFrmMain::detachRowHandlers()
{
    disconnect(&m_archives, &DataSet::currentRowChanged, this, &TFrmMain::currentArchiveChanged);
}

// ---- browsing ----

ArchiveListFilter TFrmMain::currentFilter() const
{
    ArchiveListFilter filter;
    filter.searchField = m_search->field();
    filter.searchValue = m_search->value();
    filter.classPath = m_navigation->selectedClassPath();
    filter.hasItem = m_navigation->hasItem();
    filter.itemType = m_navigation->itemType();
    filter.itemText = m_navigation->itemText();
    return filter;
}

void TFrmMain::queryArchiveList()
{
    m_search->setAdvancedDown(false);
    openArchiveList(ArchiveListStatement::build(currentFilter(), Session::current()));
}

void TFrmMain::openArchiveList(const QString& statement)
{
    if (m_data.open(statement, m_archives))
        m_count->setText(countText(m_archives.recordCount()));
}

void TFrmMain::fillItemList()
{
    try {
        m_navigation->fillItems(m_navigation->itemType());
    } catch (const DbError& error) {
        reportFailure(error);
        return;
    }
    queryArchiveList();
}

void TFrmMain::loadClassTree()
{
    try {
        m_navigation->loadClasses();
    } catch (const DbError& error) {
        reportFailure(error);
    }
}

void TFrmMain::reloadClassification()
{
    loadClassTree();
    queryArchiveList();
}

void TFrmMain::advancedSearchClicked(bool down)
{
    if (!down) {
        queryArchiveList();
        return;
    }
    const QString statement = AdvancedQuerySeam::get().ask(this);
    m_search->setAdvancedDown(!statement.isEmpty());
    if (!statement.isEmpty())
        openArchiveList(statement);
}

void TFrmMain::archiveDoubleClicked()
{
    QAction* modify = m_actions[QStringLiteral("Action202")];
    if (modify->isVisible())
        modify->trigger();
}

void TFrmMain::archiveTitleClicked(int column)
{
    if (m_archives.isActive())
        GridLayout::titleClick(m_grid, column);
}

void TFrmMain::showArchiveSummary(QPlainTextEdit* box) const
{
    ArchiveSummary::fill(box, m_archives);
}

QString TFrmMain::statusPanelText(int index) const
{
    return m_status->panelText(index);
}

void TFrmMain::setStatusPanelText(int index, const QString& text)
{
    m_status->setPanelText(index, text);
}

// ---- commands ----

void TFrmMain::changeOperator()
{
    TfrmOperLogin::run(LoginMode::ChangeOfOperator, *this, this);
}

void TFrmMain::changeOperatorAndRequery()
{
    changeOperator();
    queryArchiveList();
}

void TFrmMain::changePassword()
{
    TfrmModPass window(this);
    window.exec();
}

void TFrmMain::editClassification()
{
    if (TFrmTreeCodeMan::manage(this))
        reloadClassification();
}

void TFrmMain::sortArchiveList()
{
    GridLayout::applySortKeys(m_grid, GridLayout::sortDialog(m_grid));
}

void TFrmMain::chooseArchiveColumns()
{
    GridLayout::chooseColumns(m_grid);
}

void TFrmMain::saveArchiveLayout()
{
    if (ShowMess(QStringLiteral("真的要保存当前网格设置吗？"), MessQuestion) == MessYes)
        GridLayout::save(m_grid, ArchiveColumns::kLayoutName);
}

void TFrmMain::connectNetworkData()
{
    chooseNetworkDataFolder(m_data);
}

// ---- view ----

void TFrmMain::toggleToolBar()
{
    m_toolBar->setVisible(m_actions[QStringLiteral("ViewToolbar")]->isChecked());
}

void TFrmMain::toggleNavigation()
{
    m_navigation->setVisible(m_actions[QStringLiteral("ViewNavigation")]->isChecked());
}

void TFrmMain::toggleStatusBar()
{
    m_status->setVisible(m_actions[QStringLiteral("ViewStatusBar")]->isChecked());
}
