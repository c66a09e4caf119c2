-- Dossara.mdb: tables, indexes and the rows a new, empty database needs.
-- Run in one go (inside one transaction) on a new file by dossara-newdb.
--
-- Column types are spelled so that the engine types the fields of a result:
--   INTEGER -> integer, BOOLEAN -> yes/no, DOUBLE -> double,
--   DATETIME -> date/time, BLOB -> blob, LONGTEXT -> memo, VARCHAR(n) -> text(n).
-- Every text and memo column compares without regard to case (COLLATE NOCASE),
-- and a text wider than its column makes the statement fail (CHECK on length,
-- counted in characters). Integer, double and yes/no columns refuse values of
-- another type. Date/time columns hold ISO text, "yyyy-MM-dd" or
-- "yyyy-MM-dd hh:mm:ss", so that text order is time order; anything else fails.
--
-- Defaults, for statements that leave a column out: texts and memos are '' (so
-- "is null" on an archive column means "no archive row" in a left join, and an
-- empty value is always ''); dates that may be missing hold the stored empty
-- date 1900-08-14, the same value the editors write; entry dates, group keys
-- and numbers have no default (null); yes/no columns are false unless noted.

-- Archives (dossiers), one row per archive; F_mainID is the group key that the
-- detail tables carry.
CREATE TABLE t_Files (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_DAtype VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_DAtype) <= 50),
    F_code VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_code) <= 50),
    F_name VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_name) <= 50),
    F_GDdate VARCHAR(50) COLLATE NOCASE DEFAULT '1900-08-14' CHECK (length(F_GDdate) <= 50),
    F_DAnum VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_DAnum) <= 50),
    F_JCnum VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_JCnum) <= 50),
    F_DZpath VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_DZpath) <= 255),
    F_DZfile BLOB,
    F_DZdx VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_DZdx) <= 50),
    F_BMjibie VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_BMjibie) <= 50),
    F_CFaddress VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_CFaddress) <= 255),
    F_GDdept VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_GDdept) <= 50),
    F_GDemp VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_GDemp) <= 50),
    F_memo1 LONGTEXT COLLATE NOCASE DEFAULT '',
    F_ZF1 VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_ZF1) <= 50),
    F_ZF2 VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_ZF2) <= 50),
    F_ZF3 VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_ZF3) <= 50),
    F_ZF4 VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_ZF4) <= 50),
    F_ZF5 VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_ZF5) <= 50),
    F_SZ1 DOUBLE CHECK (F_SZ1 IS NULL OR typeof(F_SZ1) IN ('real', 'integer')),
    F_SZ2 DOUBLE CHECK (F_SZ2 IS NULL OR typeof(F_SZ2) IN ('real', 'integer')),
    F_SZ3 DOUBLE CHECK (F_SZ3 IS NULL OR typeof(F_SZ3) IN ('real', 'integer')),
    F_RQ1 DATETIME DEFAULT '1900-08-14' CHECK (F_RQ1 IS NULL OR F_RQ1 GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR F_RQ1 GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'),
    F_RQ2 DATETIME DEFAULT '1900-08-14' CHECK (F_RQ2 IS NULL OR F_RQ2 GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR F_RQ2 GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'),
    F_RQ3 DATETIME DEFAULT '1900-08-14' CHECK (F_RQ3 IS NULL OR F_RQ3 GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR F_RQ3 GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'),
    F_mainID INTEGER CHECK (F_mainID IS NULL OR typeof(F_mainID) = 'integer'),
    F_editDate DATETIME CHECK (F_editDate IS NULL OR F_editDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR F_editDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'),
    F_SHemp VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_SHemp) <= 50)
);

-- Borrowing records. A return date at or before 1901-08-14 means not yet returned.
CREATE TABLE t_JYrec (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_mainID INTEGER CHECK (F_mainID IS NULL OR typeof(F_mainID) = 'integer'),
    F_JYdate DATETIME CHECK (F_JYdate IS NULL OR F_JYdate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR F_JYdate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'),
    F_JYdept VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_JYdept) <= 50),
    F_JYemp VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_JYemp) <= 50),
    F_GHqiXian DATETIME DEFAULT '1900-08-14' CHECK (F_GHqiXian IS NULL OR F_GHqiXian GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR F_GHqiXian GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'),
    F_GHdate DATETIME DEFAULT '1900-08-14' CHECK (F_GHdate IS NULL OR F_GHdate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR F_GHdate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'),
    F_memo1 LONGTEXT COLLATE NOCASE DEFAULT '',
    F_PZemp VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_PZemp) <= 50),
    F_PZdate DATETIME DEFAULT '1900-08-14' CHECK (F_PZdate IS NULL OR F_PZdate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR F_PZdate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'),
    F_editDate DATETIME CHECK (F_editDate IS NULL OR F_editDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR F_editDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]')
);

-- Scanned images; F_FileExt (with its dot) tells how F_HTimage is decoded.
CREATE TABLE t_TPrec (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_FileName VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_FileName) <= 50),
    F_imagePath VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_imagePath) <= 255),
    F_FileExt VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_FileExt) <= 50),
    F_HTimage BLOB,
    F_mainID INTEGER CHECK (F_mainID IS NULL OR typeof(F_mainID) = 'integer')
);

-- Attachments: whole files stored in F_fileOLE.
CREATE TABLE t_FJrec (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_mainID INTEGER CHECK (F_mainID IS NULL OR typeof(F_mainID) = 'integer'),
    F_fileName VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_fileName) <= 255),
    F_filePos VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_filePos) <= 255),
    F_fileExt VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_fileExt) <= 50),
    F_memo1 LONGTEXT COLLATE NOCASE DEFAULT '',
    F_empName VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_empName) <= 50),
    F_editDate DATETIME CHECK (F_editDate IS NULL OR F_editDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR F_editDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'),
    F_fileOLE BLOB
);

-- Reminders. F_editDate is a text column here, unlike the other detail tables.
CREATE TABLE t_TXrec (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_mainID INTEGER CHECK (F_mainID IS NULL OR typeof(F_mainID) = 'integer'),
    F_awokeDate DATETIME CHECK (F_awokeDate IS NULL OR F_awokeDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]' OR F_awokeDate GLOB '[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'),
    F_awokeTime VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_awokeTime) <= 50),
    F_caption VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_caption) <= 255),
    F_memo1 LONGTEXT COLLATE NOCASE DEFAULT '',
    F_editDate VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_editDate) <= 50),
    F_operName VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_operName) <= 50)
);

-- Coded lists: one row per entry, grouped by F_type (gddept, empname, bmjibie,
-- cfaddress, awoketime, txcaption); F_ID order is the order of entry.
CREATE TABLE t_code (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_name VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_name) <= 255),
    F_type VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_type) <= 50)
);

-- Classification codes, three digits per level. F_likecode is the path that
-- archives store in F_DAtype, so it is no wider than that column; a category
-- name is no wider than the path that holds it.
CREATE TABLE t_treecode (
    F_code VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_code) <= 255),
    F_name VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_name) <= 50),
    F_likecode VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_likecode) <= 50),
    F_flag VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_flag) <= 50)
);

-- Operators. F_PassWord holds the stored (salted hash) form of the password.
CREATE TABLE OperList (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_Name VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_Name) <= 50),
    F_PassWord VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_PassWord) <= 255),
    F_Mem LONGTEXT COLLATE NOCASE DEFAULT '',
    F_Flag BOOLEAN NOT NULL DEFAULT 0 CHECK (typeof(F_Flag) = 'integer'),
    F_dept VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_dept) <= 50),
    F_deptFlag INTEGER NOT NULL DEFAULT 0 CHECK (typeof(F_deptFlag) = 'integer'),
    F_deptQX VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_deptQX) <= 255),
    F_shFlag BOOLEAN NOT NULL DEFAULT 0 CHECK (typeof(F_shFlag) = 'integer')
);

-- Rights that can be granted, one per rights code; grants refer to F_name.
CREATE TABLE Limits (
    F_code VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_code) <= 50),
    F_name VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_name) <= 50),
    F_flag BOOLEAN NOT NULL DEFAULT 1 CHECK (typeof(F_flag) = 'integer')
);

-- Granted rights, by operator name and right name.
CREATE TABLE OperLimit (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_OperName VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_OperName) <= 50),
    F_lmtName VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_lmtName) <= 50)
);

-- Operation log (failed logins).
CREATE TABLE LogRec (
    F_EmpName VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_EmpName) <= 50),
    F_OperType VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_OperType) <= 255),
    F_OperDate VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_OperDate) <= 50),
    F_OperTime VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_OperTime) <= 50)
);

-- Grid column layouts, one row per column of a layout; saving a layout only
-- updates these rows.
CREATE TABLE cfg_Grid (
    F_name VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_name) <= 50),
    F_FieldName VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_FieldName) <= 50),
    F_Caption VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_Caption) <= 255),
    F_Width INTEGER NOT NULL DEFAULT 80 CHECK (typeof(F_Width) = 'integer'),
    F_Visible BOOLEAN NOT NULL DEFAULT 1 CHECK (typeof(F_Visible) = 'integer'),
    F_ReadOnly BOOLEAN NOT NULL DEFAULT 0 CHECK (typeof(F_ReadOnly) = 'integer'),
    F_DisplayFormat VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_DisplayFormat) <= 255),
    F_FooterValue VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_FooterValue) <= 255),
    F_FooterType INTEGER NOT NULL DEFAULT 0 CHECK (typeof(F_FooterType) = 'integer'),
    F_Alignment INTEGER NOT NULL DEFAULT 0 CHECK (typeof(F_Alignment) = 'integer'),
    F_Order INTEGER NOT NULL DEFAULT 0 CHECK (typeof(F_Order) = 'integer')
);

-- Excel import field mappings: S_Field is the target column, F_FieldName its
-- caption, F_Field the sheet column proposed for it.
CREATE TABLE cfg_import (
    F_tablename VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_tablename) <= 50),
    F_iFlag INTEGER NOT NULL DEFAULT 1 CHECK (typeof(F_iFlag) = 'integer'),
    S_Field VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(S_Field) <= 50),
    F_FieldName VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_FieldName) <= 255),
    F_Field VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_Field) <= 255)
);

-- Company information and the backup folder; exactly one row.
CREATE TABLE SysInfo (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_Code VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_Code) <= 50),
    F_Name VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_Name) <= 255),
    F_BakPath VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_BakPath) <= 255),
    F_Manager VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_Manager) <= 50),
    F_Phone VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_Phone) <= 50),
    F_HandPhone VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_HandPhone) <= 50),
    F_Email VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_Email) <= 255),
    F_Homepage VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_Homepage) <= 255),
    F_Enroler VARCHAR(50) COLLATE NOCASE DEFAULT '' CHECK (length(F_Enroler) <= 50),
    F_Mem VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_Mem) <= 255)
);

-- System values by position: the n-th row in F_ID order is value n.
CREATE TABLE KeyValue (
    F_ID INTEGER PRIMARY KEY AUTOINCREMENT,
    F_Value VARCHAR(255) COLLATE NOCASE DEFAULT '' CHECK (length(F_Value) <= 255)
);

-- Indexes for the group key joins, the list filters and the lookups by name.
CREATE INDEX ix_Files_mainID ON t_Files (F_mainID);
CREATE INDEX ix_Files_code ON t_Files (F_code);
CREATE INDEX ix_Files_DAtype ON t_Files (F_DAtype);
CREATE INDEX ix_Files_CFaddress ON t_Files (F_CFaddress);
CREATE INDEX ix_Files_BMjibie ON t_Files (F_BMjibie);
CREATE INDEX ix_Files_GDdept ON t_Files (F_GDdept);
CREATE INDEX ix_Files_GDemp ON t_Files (F_GDemp);
CREATE INDEX ix_Files_editDate ON t_Files (F_editDate);
CREATE INDEX ix_JYrec_mainID ON t_JYrec (F_mainID);
CREATE INDEX ix_JYrec_editDate ON t_JYrec (F_editDate);
CREATE INDEX ix_JYrec_JYdate ON t_JYrec (F_JYdate);
CREATE INDEX ix_JYrec_return ON t_JYrec (F_GHdate, F_GHqiXian);
CREATE INDEX ix_TPrec_mainID ON t_TPrec (F_mainID);
CREATE INDEX ix_FJrec_mainID ON t_FJrec (F_mainID);
CREATE INDEX ix_FJrec_editDate ON t_FJrec (F_editDate);
CREATE INDEX ix_TXrec_mainID ON t_TXrec (F_mainID);
CREATE INDEX ix_TXrec_awokeDate ON t_TXrec (F_awokeDate);
CREATE INDEX ix_code_type ON t_code (F_type);
CREATE INDEX ix_treecode_code ON t_treecode (F_code);
CREATE INDEX ix_treecode_flag ON t_treecode (F_flag, F_code);
CREATE INDEX ix_OperList_name ON OperList (F_Name);
CREATE INDEX ix_OperLimit_oper ON OperLimit (F_OperName, F_lmtName);
CREATE UNIQUE INDEX ix_Limits_code ON Limits (F_code);
CREATE UNIQUE INDEX ix_Limits_name ON Limits (F_name);
CREATE INDEX ix_Grid_order ON cfg_Grid (F_name, F_Order);
CREATE INDEX ix_Grid_field ON cfg_Grid (F_name, F_FieldName);
CREATE INDEX ix_import_table ON cfg_import (F_tablename);

-- The single company row; every value empty until the company window fills it.
INSERT INTO SysInfo (F_Code) VALUES ('');

-- System values 1-11 name the custom items F_ZF1-5, F_SZ1-3, F_RQ1-3;
-- 12-14 are the decimals of quantities, unit prices and amounts; 15 is unused.
INSERT INTO KeyValue (F_ID, F_Value) VALUES
    (1, '字符项一'),
    (2, '字符项二'),
    (3, '字符项三'),
    (4, '字符项四'),
    (5, '字符项五'),
    (6, '数值项一'),
    (7, '数值项二'),
    (8, '数值项三'),
    (9, '日期项一'),
    (10, '日期项二'),
    (11, '日期项三'),
    (12, '0'),
    (13, '2'),
    (14, '2'),
    (15, '');

-- The administrator; dossara-newdb stores the empty password's hash afterwards.
INSERT INTO OperList (F_Name, F_PassWord, F_Mem, F_Flag, F_dept, F_deptFlag, F_deptQX, F_shFlag)
    VALUES ('admin', '', '系统管理员', 0, '', 0, '', 0);

-- One right per rights code, in code order (the rights editor lists them so).
INSERT INTO Limits (F_code, F_name, F_flag) VALUES
    ('101', '公司信息', 1),
    ('102', '更改密码', 1),
    ('103', '用户权限', 1),
    ('104', '选项设置', 1),
    ('105', '档案分类', 1),
    ('106', '自定义设置', 1),
    ('201', '档案新增', 1),
    ('202', '档案修改', 1),
    ('203', '档案删除', 1),
    ('204', '档案排序', 1),
    ('205', '档案显示字段选择', 1),
    ('206', '档案保存当前网格', 1),
    ('207', '档案复制', 1),
    ('208', '借阅记录', 1),
    ('209', '档案附件', 1),
    ('210', '批量修改档案分类', 1),
    ('301', '档案导出', 1),
    ('302', '报表设计', 1),
    ('303', '当前档案详单', 1),
    ('304', '当前档案借阅', 1),
    ('305', '当前档案附件', 1),
    ('306', '当前档案列表', 1),
    ('401', '档案统计', 1),
    ('402', '业务提醒', 1),
    ('403', '档案借阅记录统计', 1),
    ('404', '档案附件记录统计', 1),
    ('405', '档案提醒统计列表', 1),
    ('501', '导入档案资料', 1),
    ('502', '系统数据清理', 1),
    ('503', '数据备份恢复', 1),
    ('504', '压缩修复数据', 1),
    ('505', '连接网络数据', 1),
    ('901', '明细新增', 1),
    ('902', '明细修改', 1),
    ('903', '明细删除', 1),
    ('904', '明细排序', 1),
    ('905', '明细显示字段选择', 1),
    ('906', '明细保存当前网格', 1),
    ('907', '图片更名', 1);

-- The designed columns of every grid, one row per column in grid order: all
-- visible and read-only, left-aligned, without display format or footer.
-- DAmain: main window, archive list.
INSERT INTO cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly,
                      F_DisplayFormat, F_FooterValue, F_FooterType, F_Alignment, F_Order) VALUES
    ('DAmain', 'F_DAtype', '档案分类', 80, 1, 1, '', '', 0, 0, 0),
    ('DAmain', 'F_code', '档案编号', 80, 1, 1, '', '', 0, 0, 1),
    ('DAmain', 'F_name', '档案名称', 80, 1, 1, '', '', 0, 0, 2),
    ('DAmain', 'F_GDdate', '归档日期', 80, 1, 1, '', '', 0, 0, 3),
    ('DAmain', 'F_DAnum', '档案份数', 80, 1, 1, '', '', 0, 0, 4),
    ('DAmain', 'F_JCnum', '借出', 80, 1, 1, '', '', 0, 0, 5),
    ('DAmain', 'F_DZpath', '文件路径', 80, 1, 1, '', '', 0, 0, 6),
    ('DAmain', 'F_DZdx', '档案大小', 80, 1, 1, '', '', 0, 0, 7),
    ('DAmain', 'F_BMjibie', '保密级别', 80, 1, 1, '', '', 0, 0, 8),
    ('DAmain', 'F_CFaddress', '存放地点', 80, 1, 1, '', '', 0, 0, 9),
    ('DAmain', 'F_GDdept', '归档部门', 80, 1, 1, '', '', 0, 0, 10),
    ('DAmain', 'F_GDemp', '归档人', 80, 1, 1, '', '', 0, 0, 11),
    ('DAmain', 'F_memo1', '备注', 80, 1, 1, '', '', 0, 0, 12),
    ('DAmain', 'F_ZF1', '字符项一', 80, 1, 1, '', '', 0, 0, 13),
    ('DAmain', 'F_ZF2', '字符项二', 80, 1, 1, '', '', 0, 0, 14),
    ('DAmain', 'F_ZF3', '字符项三', 80, 1, 1, '', '', 0, 0, 15),
    ('DAmain', 'F_ZF4', '字符项四', 80, 1, 1, '', '', 0, 0, 16),
    ('DAmain', 'F_ZF5', '字符项五', 80, 1, 1, '', '', 0, 0, 17),
    ('DAmain', 'F_SZ1', '数值项一', 80, 1, 1, '', '', 0, 0, 18),
    ('DAmain', 'F_SZ2', '数值项二', 80, 1, 1, '', '', 0, 0, 19),
    ('DAmain', 'F_SZ3', '数值项三', 80, 1, 1, '', '', 0, 0, 20),
    ('DAmain', 'F_RQ1', '日期项一', 80, 1, 1, '', '', 0, 0, 21),
    ('DAmain', 'F_RQ2', '日期项二', 80, 1, 1, '', '', 0, 0, 22),
    ('DAmain', 'F_RQ3', '日期项三', 80, 1, 1, '', '', 0, 0, 23);
-- detail2: main window, borrowing grid.
INSERT INTO cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly,
                      F_DisplayFormat, F_FooterValue, F_FooterType, F_Alignment, F_Order) VALUES
    ('detail2', 'F_JYdate', '借阅日期', 80, 1, 1, '', '', 0, 0, 0),
    ('detail2', 'F_JYdept', '借阅部门', 80, 1, 1, '', '', 0, 0, 1),
    ('detail2', 'F_JYemp', '借阅人', 80, 1, 1, '', '', 0, 0, 2),
    ('detail2', 'F_GHqiXian', '归还期限', 80, 1, 1, '', '', 0, 0, 3),
    ('detail2', 'F_GHdate', '归还日期', 80, 1, 1, '', '', 0, 0, 4),
    ('detail2', 'F_memo1', '备注', 80, 1, 1, '', '', 0, 0, 5),
    ('detail2', 'F_PZemp', '批准人', 80, 1, 1, '', '', 0, 0, 6);
-- detail3: main window, attachment grid.
INSERT INTO cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly,
                      F_DisplayFormat, F_FooterValue, F_FooterType, F_Alignment, F_Order) VALUES
    ('detail3', 'F_fileName', '文件名称', 80, 1, 1, '', '', 0, 0, 0),
    ('detail3', 'F_filePos', '文件位置', 146, 1, 1, '', '', 0, 0, 1),
    ('detail3', 'F_fileExt', '文件类型', 80, 1, 1, '', '', 0, 0, 2),
    ('detail3', 'F_memo1', '备注', 198, 1, 1, '', '', 0, 0, 3),
    ('detail3', 'F_empName', '经手人', 80, 1, 1, '', '', 0, 0, 4),
    ('detail3', 'F_editDate', '编辑日期', 80, 1, 1, '', '', 0, 0, 5);
-- detail4: main window, reminder grid.
INSERT INTO cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly,
                      F_DisplayFormat, F_FooterValue, F_FooterType, F_Alignment, F_Order) VALUES
    ('detail4', 'F_awokeDate', '提醒日期', 80, 1, 1, '', '', 0, 0, 0),
    ('detail4', 'F_awokeTime', '提醒时间', 80, 1, 1, '', '', 0, 0, 1),
    ('detail4', 'F_caption', '事务主题', 103, 1, 1, '', '', 0, 0, 2),
    ('detail4', 'F_memo1', '详细描述', 116, 1, 1, '', '', 0, 0, 3),
    ('detail4', 'F_editDate', '编辑日期', 80, 1, 1, '', '', 0, 0, 4),
    ('detail4', 'F_operName', '录入人员', 80, 1, 1, '', '', 0, 0, 5);
-- awokegl1: reminder overview, returns due.
INSERT INTO cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly,
                      F_DisplayFormat, F_FooterValue, F_FooterType, F_Alignment, F_Order) VALUES
    ('awokegl1', 'F_code', '档案编号', 90, 1, 1, '', '', 0, 0, 0),
    ('awokegl1', 'F_name', '档案名称', 140, 1, 1, '', '', 0, 0, 1),
    ('awokegl1', 'F_DAtype', '档案分类', 140, 1, 1, '', '', 0, 0, 2),
    ('awokegl1', 'F_GDdate', '归档日期', 80, 1, 1, '', '', 0, 0, 3),
    ('awokegl1', 'F_DAnum', '档案份数', 60, 1, 1, '', '', 0, 0, 4),
    ('awokegl1', 'F_JCnum', '借出', 50, 1, 1, '', '', 0, 0, 5),
    ('awokegl1', 'F_BMjibie', '保密级别', 70, 1, 1, '', '', 0, 0, 6),
    ('awokegl1', 'F_CFaddress', '存放地点', 100, 1, 1, '', '', 0, 0, 7),
    ('awokegl1', 'F_GDdept', '归档部门', 80, 1, 1, '', '', 0, 0, 8),
    ('awokegl1', 'F_GDemp', '归档人', 70, 1, 1, '', '', 0, 0, 9),
    ('awokegl1', 'F_JYdate', '借阅日期', 80, 1, 1, '', '', 0, 0, 10),
    ('awokegl1', 'F_JYdept', '借阅部门', 80, 1, 1, '', '', 0, 0, 11),
    ('awokegl1', 'F_JYemp', '借阅人', 70, 1, 1, '', '', 0, 0, 12),
    ('awokegl1', 'F_GHqiXian', '归还期限', 80, 1, 1, '', '', 0, 0, 13),
    ('awokegl1', 'f_num', '过期天数', 60, 1, 1, '', '', 0, 0, 14),
    ('awokegl1', 'F_memo1', '备注', 160, 1, 1, '', '', 0, 0, 15),
    ('awokegl1', 'F_PZemp', '批准人', 70, 1, 1, '', '', 0, 0, 16),
    ('awokegl1', 'F_editDate', '录入日期', 80, 1, 1, '', '', 0, 0, 17);
-- awokegl2: reminder overview, reminders due.
INSERT INTO cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly,
                      F_DisplayFormat, F_FooterValue, F_FooterType, F_Alignment, F_Order) VALUES
    ('awokegl2', 'F_code', '档案编号', 90, 1, 1, '', '', 0, 0, 0),
    ('awokegl2', 'F_name', '档案名称', 140, 1, 1, '', '', 0, 0, 1),
    ('awokegl2', 'F_DAtype', '档案分类', 140, 1, 1, '', '', 0, 0, 2),
    ('awokegl2', 'F_GDdate', '归档日期', 80, 1, 1, '', '', 0, 0, 3),
    ('awokegl2', 'F_DAnum', '档案份数', 60, 1, 1, '', '', 0, 0, 4),
    ('awokegl2', 'F_JCnum', '借出', 50, 1, 1, '', '', 0, 0, 5),
    ('awokegl2', 'F_BMjibie', '保密级别', 70, 1, 1, '', '', 0, 0, 6),
    ('awokegl2', 'F_CFaddress', '存放地点', 100, 1, 1, '', '', 0, 0, 7),
    ('awokegl2', 'F_GDdept', '归档部门', 80, 1, 1, '', '', 0, 0, 8),
    ('awokegl2', 'F_GDemp', '归档人', 70, 1, 1, '', '', 0, 0, 9),
    ('awokegl2', 'F_awokeDate', '提醒日期', 80, 1, 1, '', '', 0, 0, 10),
    ('awokegl2', 'F_awokeTime', '提醒时间', 70, 1, 1, '', '', 0, 0, 11),
    ('awokegl2', 'F_caption', '事务主题', 140, 1, 1, '', '', 0, 0, 12),
    ('awokegl2', 'F_memo1', '详细描述', 160, 1, 1, '', '', 0, 0, 13),
    ('awokegl2', 'F_operName', '录入人员', 70, 1, 1, '', '', 0, 0, 14),
    ('awokegl2', 'F_editDate', '录入日期', 80, 1, 1, '', '', 0, 0, 15),
    ('awokegl2', 'f_num', '天数', 60, 1, 1, '', '', 0, 0, 16);
-- JYJLman: borrowing records window.
INSERT INTO cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly,
                      F_DisplayFormat, F_FooterValue, F_FooterType, F_Alignment, F_Order) VALUES
    ('JYJLman', 'F_code', '档案编号', 90, 1, 1, '', '', 0, 0, 0),
    ('JYJLman', 'F_name', '档案名称', 140, 1, 1, '', '', 0, 0, 1),
    ('JYJLman', 'F_DAtype', '档案分类', 140, 1, 1, '', '', 0, 0, 2),
    ('JYJLman', 'F_GDdate', '归档日期', 80, 1, 1, '', '', 0, 0, 3),
    ('JYJLman', 'F_DAnum', '档案份数', 60, 1, 1, '', '', 0, 0, 4),
    ('JYJLman', 'F_JCnum', '借出', 50, 1, 1, '', '', 0, 0, 5),
    ('JYJLman', 'F_BMjibie', '保密级别', 70, 1, 1, '', '', 0, 0, 6),
    ('JYJLman', 'F_CFaddress', '存放地点', 100, 1, 1, '', '', 0, 0, 7),
    ('JYJLman', 'F_GDdept', '归档部门', 80, 1, 1, '', '', 0, 0, 8),
    ('JYJLman', 'F_GDemp', '归档人', 70, 1, 1, '', '', 0, 0, 9),
    ('JYJLman', 'F_JYdate', '借阅日期', 80, 1, 1, '', '', 0, 0, 10),
    ('JYJLman', 'F_JYdept', '借阅部门', 80, 1, 1, '', '', 0, 0, 11),
    ('JYJLman', 'F_JYemp', '借阅人', 70, 1, 1, '', '', 0, 0, 12),
    ('JYJLman', 'F_GHqiXian', '归还期限', 80, 1, 1, '', '', 0, 0, 13),
    ('JYJLman', 'F_GHdate', '归还日期', 80, 1, 1, '', '', 0, 0, 14),
    ('JYJLman', 'F_memo1', '备注', 160, 1, 1, '', '', 0, 0, 15),
    ('JYJLman', 'F_PZemp', '批准人', 70, 1, 1, '', '', 0, 0, 16),
    ('JYJLman', 'F_editDate', '录入日期', 80, 1, 1, '', '', 0, 0, 17);
-- dlgDangAnXz: archive picker.
INSERT INTO cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly,
                      F_DisplayFormat, F_FooterValue, F_FooterType, F_Alignment, F_Order) VALUES
    ('dlgDangAnXz', 'F_DAtype', '档案分类', 140, 1, 1, '', '', 0, 0, 0),
    ('dlgDangAnXz', 'F_code', '档案编号', 90, 1, 1, '', '', 0, 0, 1),
    ('dlgDangAnXz', 'F_name', '档案名称', 140, 1, 1, '', '', 0, 0, 2),
    ('dlgDangAnXz', 'F_GDdate', '归档日期', 80, 1, 1, '', '', 0, 0, 3),
    ('dlgDangAnXz', 'F_DAnum', '档案份数', 60, 1, 1, '', '', 0, 0, 4),
    ('dlgDangAnXz', 'F_JCnum', '借出', 50, 1, 1, '', '', 0, 0, 5),
    ('dlgDangAnXz', 'F_DZpath', '文件路径', 160, 1, 1, '', '', 0, 0, 6),
    ('dlgDangAnXz', 'F_DZdx', '档案大小', 70, 1, 1, '', '', 0, 0, 7),
    ('dlgDangAnXz', 'F_BMjibie', '保密级别', 70, 1, 1, '', '', 0, 0, 8),
    ('dlgDangAnXz', 'F_CFaddress', '存放地点', 100, 1, 1, '', '', 0, 0, 9),
    ('dlgDangAnXz', 'F_GDdept', '归档部门', 80, 1, 1, '', '', 0, 0, 10),
    ('dlgDangAnXz', 'F_GDemp', '归档人', 70, 1, 1, '', '', 0, 0, 11),
    ('dlgDangAnXz', 'F_memo1', '备注', 160, 1, 1, '', '', 0, 0, 12),
    ('dlgDangAnXz', 'F_ZF1', '字符项一', 80, 1, 1, '', '', 0, 0, 13),
    ('dlgDangAnXz', 'F_ZF2', '字符项二', 80, 1, 1, '', '', 0, 0, 14),
    ('dlgDangAnXz', 'F_ZF3', '字符项三', 80, 1, 1, '', '', 0, 0, 15),
    ('dlgDangAnXz', 'F_ZF4', '字符项四', 80, 1, 1, '', '', 0, 0, 16),
    ('dlgDangAnXz', 'F_ZF5', '字符项五', 80, 1, 1, '', '', 0, 0, 17),
    ('dlgDangAnXz', 'F_SZ1', '数值项一', 80, 1, 1, '', '', 0, 0, 18),
    ('dlgDangAnXz', 'F_SZ2', '数值项二', 80, 1, 1, '', '', 0, 0, 19),
    ('dlgDangAnXz', 'F_SZ3', '数值项三', 80, 1, 1, '', '', 0, 0, 20),
    ('dlgDangAnXz', 'F_RQ1', '日期项一', 80, 1, 1, '', '', 0, 0, 21),
    ('dlgDangAnXz', 'F_RQ2', '日期项二', 80, 1, 1, '', '', 0, 0, 22),
    ('dlgDangAnXz', 'F_RQ3', '日期项三', 80, 1, 1, '', '', 0, 0, 23);
-- DAFJman: attachment records window.
INSERT INTO cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly,
                      F_DisplayFormat, F_FooterValue, F_FooterType, F_Alignment, F_Order) VALUES
    ('DAFJman', 'F_code', '档案编号', 90, 1, 1, '', '', 0, 0, 0),
    ('DAFJman', 'F_name', '档案名称', 140, 1, 1, '', '', 0, 0, 1),
    ('DAFJman', 'F_DAtype', '档案分类', 140, 1, 1, '', '', 0, 0, 2),
    ('DAFJman', 'F_GDdate', '归档日期', 80, 1, 1, '', '', 0, 0, 3),
    ('DAFJman', 'F_DAnum', '档案份数', 60, 1, 1, '', '', 0, 0, 4),
    ('DAFJman', 'F_JCnum', '借出', 50, 1, 1, '', '', 0, 0, 5),
    ('DAFJman', 'F_BMjibie', '保密级别', 70, 1, 1, '', '', 0, 0, 6),
    ('DAFJman', 'F_CFaddress', '存放地点', 100, 1, 1, '', '', 0, 0, 7),
    ('DAFJman', 'F_GDdept', '归档部门', 80, 1, 1, '', '', 0, 0, 8),
    ('DAFJman', 'F_GDemp', '归档人', 70, 1, 1, '', '', 0, 0, 9),
    ('DAFJman', 'F_filePos', '文档位置', 160, 1, 1, '', '', 0, 0, 10),
    ('DAFJman', 'F_fileName', '文件名称', 120, 1, 1, '', '', 0, 0, 11),
    ('DAFJman', 'F_fileExt', '文件类型', 60, 1, 1, '', '', 0, 0, 12),
    ('DAFJman', 'F_memo1', '备注', 160, 1, 1, '', '', 0, 0, 13),
    ('DAFJman', 'F_empName', '经手人', 70, 1, 1, '', '', 0, 0, 14),
    ('DAFJman', 'F_editDate', '录入日期', 80, 1, 1, '', '', 0, 0, 15);
-- DAJYdetailTJ: borrowing statistics list.
INSERT INTO cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly,
                      F_DisplayFormat, F_FooterValue, F_FooterType, F_Alignment, F_Order) VALUES
    ('DAJYdetailTJ', 'F_code', '档案编号', 90, 1, 1, '', '', 0, 0, 0),
    ('DAJYdetailTJ', 'F_name', '档案名称', 140, 1, 1, '', '', 0, 0, 1),
    ('DAJYdetailTJ', 'F_DAtype', '档案分类', 140, 1, 1, '', '', 0, 0, 2),
    ('DAJYdetailTJ', 'F_GDdate', '归档日期', 80, 1, 1, '', '', 0, 0, 3),
    ('DAJYdetailTJ', 'F_DAnum', '档案份数', 60, 1, 1, '', '', 0, 0, 4),
    ('DAJYdetailTJ', 'F_JCnum', '借出', 50, 1, 1, '', '', 0, 0, 5),
    ('DAJYdetailTJ', 'F_BMjibie', '保密级别', 70, 1, 1, '', '', 0, 0, 6),
    ('DAJYdetailTJ', 'F_CFaddress', '存放地点', 100, 1, 1, '', '', 0, 0, 7),
    ('DAJYdetailTJ', 'F_GDdept', '归档部门', 80, 1, 1, '', '', 0, 0, 8),
    ('DAJYdetailTJ', 'F_GDemp', '归档人', 70, 1, 1, '', '', 0, 0, 9),
    ('DAJYdetailTJ', 'F_JYdate', '借阅日期', 80, 1, 1, '', '', 0, 0, 10),
    ('DAJYdetailTJ', 'F_JYdept', '借阅部门', 80, 1, 1, '', '', 0, 0, 11),
    ('DAJYdetailTJ', 'F_JYemp', '借阅人', 70, 1, 1, '', '', 0, 0, 12),
    ('DAJYdetailTJ', 'F_GHqiXian', '归还期限', 80, 1, 1, '', '', 0, 0, 13),
    ('DAJYdetailTJ', 'F_GHdate', '归还日期', 80, 1, 1, '', '', 0, 0, 14),
    ('DAJYdetailTJ', 'F_memo1', '备注', 160, 1, 1, '', '', 0, 0, 15),
    ('DAJYdetailTJ', 'F_PZemp', '批准人', 70, 1, 1, '', '', 0, 0, 16),
    ('DAJYdetailTJ', 'F_editDate', '录入日期', 80, 1, 1, '', '', 0, 0, 17);
-- DAFJdetailTJ: attachment statistics list.
INSERT INTO cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly,
                      F_DisplayFormat, F_FooterValue, F_FooterType, F_Alignment, F_Order) VALUES
    ('DAFJdetailTJ', 'F_code', '档案编号', 90, 1, 1, '', '', 0, 0, 0),
    ('DAFJdetailTJ', 'F_name', '档案名称', 140, 1, 1, '', '', 0, 0, 1),
    ('DAFJdetailTJ', 'F_DAtype', '档案分类', 140, 1, 1, '', '', 0, 0, 2),
    ('DAFJdetailTJ', 'F_GDdate', '归档日期', 80, 1, 1, '', '', 0, 0, 3),
    ('DAFJdetailTJ', 'F_DAnum', '档案份数', 60, 1, 1, '', '', 0, 0, 4),
    ('DAFJdetailTJ', 'F_JCnum', '借出', 50, 1, 1, '', '', 0, 0, 5),
    ('DAFJdetailTJ', 'F_BMjibie', '保密级别', 70, 1, 1, '', '', 0, 0, 6),
    ('DAFJdetailTJ', 'F_CFaddress', '存放地点', 100, 1, 1, '', '', 0, 0, 7),
    ('DAFJdetailTJ', 'F_GDdept', '归档部门', 80, 1, 1, '', '', 0, 0, 8),
    ('DAFJdetailTJ', 'F_GDemp', '归档人', 70, 1, 1, '', '', 0, 0, 9),
    ('DAFJdetailTJ', 'F_filePos', '文档位置', 160, 1, 1, '', '', 0, 0, 10),
    ('DAFJdetailTJ', 'F_fileName', '文件名称', 120, 1, 1, '', '', 0, 0, 11),
    ('DAFJdetailTJ', 'F_fileExt', '文件类型', 60, 1, 1, '', '', 0, 0, 12),
    ('DAFJdetailTJ', 'F_memo1', '备注', 160, 1, 1, '', '', 0, 0, 13),
    ('DAFJdetailTJ', 'F_empName', '经手人', 70, 1, 1, '', '', 0, 0, 14),
    ('DAFJdetailTJ', 'F_editDate', '录入日期', 80, 1, 1, '', '', 0, 0, 15);
-- DATXdetailTJ: reminder statistics list.
INSERT INTO cfg_Grid (F_name, F_FieldName, F_Caption, F_Width, F_Visible, F_ReadOnly,
                      F_DisplayFormat, F_FooterValue, F_FooterType, F_Alignment, F_Order) VALUES
    ('DATXdetailTJ', 'F_code', '档案编号', 90, 1, 1, '', '', 0, 0, 0),
    ('DATXdetailTJ', 'F_name', '档案名称', 140, 1, 1, '', '', 0, 0, 1),
    ('DATXdetailTJ', 'F_DAtype', '档案分类', 140, 1, 1, '', '', 0, 0, 2),
    ('DATXdetailTJ', 'F_GDdate', '归档日期', 80, 1, 1, '', '', 0, 0, 3),
    ('DATXdetailTJ', 'F_DAnum', '档案份数', 60, 1, 1, '', '', 0, 0, 4),
    ('DATXdetailTJ', 'F_JCnum', '借出', 50, 1, 1, '', '', 0, 0, 5),
    ('DATXdetailTJ', 'F_BMjibie', '保密级别', 70, 1, 1, '', '', 0, 0, 6),
    ('DATXdetailTJ', 'F_CFaddress', '存放地点', 100, 1, 1, '', '', 0, 0, 7),
    ('DATXdetailTJ', 'F_GDdept', '归档部门', 80, 1, 1, '', '', 0, 0, 8),
    ('DATXdetailTJ', 'F_GDemp', '归档人', 70, 1, 1, '', '', 0, 0, 9),
    ('DATXdetailTJ', 'F_AwokeDate', '提醒日期', 80, 1, 1, '', '', 0, 0, 10),
    ('DATXdetailTJ', 'F_AwokeTime', '提醒时间', 70, 1, 1, '', '', 0, 0, 11),
    ('DATXdetailTJ', 'F_Caption', '事务主题', 140, 1, 1, '', '', 0, 0, 12),
    ('DATXdetailTJ', 'F_memo1', '详细描述', 160, 1, 1, '', '', 0, 0, 13),
    ('DATXdetailTJ', 'F_OperName', '录入人员', 70, 1, 1, '', '', 0, 0, 14),
    ('DATXdetailTJ', 'F_editDate', '录入日期', 80, 1, 1, '', '', 0, 0, 15);

-- Archive import mappings: every archive column an operator fills, proposed
-- from a sheet column titled like the archive list's column.
INSERT INTO cfg_import (F_tablename, F_iFlag, S_Field, F_FieldName, F_Field) VALUES
    ('t_Files', 1, 'F_DAtype', '档案分类', '档案分类'),
    ('t_Files', 1, 'F_code', '档案编号', '档案编号'),
    ('t_Files', 1, 'F_name', '档案名称', '档案名称'),
    ('t_Files', 1, 'F_GDdate', '归档日期', '归档日期'),
    ('t_Files', 1, 'F_DAnum', '档案份数', '档案份数'),
    ('t_Files', 1, 'F_JCnum', '借出', '借出'),
    ('t_Files', 1, 'F_DZpath', '文件路径', '文件路径'),
    ('t_Files', 1, 'F_DZdx', '档案大小', '档案大小'),
    ('t_Files', 1, 'F_BMjibie', '保密级别', '保密级别'),
    ('t_Files', 1, 'F_CFaddress', '存放地点', '存放地点'),
    ('t_Files', 1, 'F_GDdept', '归档部门', '归档部门'),
    ('t_Files', 1, 'F_GDemp', '归档人', '归档人'),
    ('t_Files', 1, 'F_memo1', '备注', '备注'),
    ('t_Files', 1, 'F_ZF1', '字符项一', '字符项一'),
    ('t_Files', 1, 'F_ZF2', '字符项二', '字符项二'),
    ('t_Files', 1, 'F_ZF3', '字符项三', '字符项三'),
    ('t_Files', 1, 'F_ZF4', '字符项四', '字符项四'),
    ('t_Files', 1, 'F_ZF5', '字符项五', '字符项五'),
    ('t_Files', 1, 'F_SZ1', '数值项一', '数值项一'),
    ('t_Files', 1, 'F_SZ2', '数值项二', '数值项二'),
    ('t_Files', 1, 'F_SZ3', '数值项三', '数值项三'),
    ('t_Files', 1, 'F_RQ1', '日期项一', '日期项一'),
    ('t_Files', 1, 'F_RQ2', '日期项二', '日期项二'),
    ('t_Files', 1, 'F_RQ3', '日期项三', '日期项三'),
    ('t_Files', 1, 'F_editDate', '录入日期', '录入日期');
