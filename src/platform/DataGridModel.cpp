#include "platform/DataGridModel.h"

#include "db/DataSet.h"
#include "db/DateText.h"
#include "platform/DataGridFormat.h"

namespace {

bool sameFields(const QVector<GridColumn>& columns, const QVector<Field>& fields)
{
    if (columns.size() != fields.size())
        return false;
    for (int i = 0; i < fields.size(); ++i) {
        if (columns[i].fieldName != fields[i].name)
            return false;
    }
    return true;
}

QString sumText(double sum, const QString& format)
{
    return format.trimmed().isEmpty() ? QString::number(sum, 'g', 15) : DisplayFormat::number(sum, format);
}

}

DataGridModel::DataGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void DataGridModel::setDataSet(DataSet* dataSet)
{
    m_dataSet = dataSet;
    reload();
}

void DataGridModel::setColumns(const QVector<GridColumn>& columns)
{
    beginResetModel();
    m_designed = true;
    m_columns = columns;
    bindFields();
    makeFooterTexts();
    endResetModel();
    Q_EMIT columnsReplaced();
    Q_EMIT footerChanged();
}

void DataGridModel::setColumn(int index, const GridColumn& column)
{
    m_columns[index] = column;
    bindFields();
    makeFooterTexts();
    Q_EMIT headerDataChanged(Qt::Horizontal, index, index);
    if (rowCount() > 0)
        Q_EMIT dataChanged(this->index(0, index), this->index(rowCount() - 1, index));
    Q_EMIT footerChanged();
}

void DataGridModel::setColumnTitle(int index, const QString& title)
{
    m_columns[index].title = title;
    Q_EMIT headerDataChanged(Qt::Horizontal, index, index);
}

void DataGridModel::reload()
{
    beginResetModel();
    const bool replaced = columnsFollowFields() && m_dataSet && !sameFields(m_columns, m_dataSet->fields());
    if (replaced)
        takeColumnsFromFields();
    bindFields();
    makeFooterTexts();
    endResetModel();
    if (replaced)
        Q_EMIT columnsReplaced();
    Q_EMIT footerChanged();
}

void DataGridModel::valueChanged(int row, int field)
{
    bool sums = false;
    for (int column = 0; column < m_columns.size(); ++column) {
        if (m_fieldOf[column] != field)
            continue;
        Q_EMIT dataChanged(index(row, column), index(row, column));
        sums = sums || m_columns[column].footerType == FooterType::Sum;
    }
    if (sums) {
        makeFooterTexts();
        Q_EMIT footerChanged();
    }
}

void DataGridModel::takeColumnsFromFields()
{
    m_columns.clear();
    for (const Field& field : m_dataSet->fields()) {
        GridColumn column;
        column.fieldName = field.name;
        column.title = field.name;
        m_columns << column;
    }
}

void DataGridModel::bindFields()
{
    m_fieldOf.resize(m_columns.size());
    for (int i = 0; i < m_columns.size(); ++i)
        m_fieldOf[i] = m_dataSet ? m_dataSet->fieldIndex(m_columns[i].fieldName) : -1;
}

void DataGridModel::makeFooterTexts()
{
    m_footerTexts.clear();
    for (int i = 0; i < m_columns.size(); ++i)
        m_footerTexts << footerTextOf(i);
}

QString DataGridModel::footerTextOf(int column) const
{
    const GridColumn& c = m_columns[column];
    switch (c.footerType) {
    case FooterType::Text:
        return c.footerText;
    case FooterType::Sum:
        return m_fieldOf[column] < 0 ? QString() : sumText(m_dataSet->sum(m_fieldOf[column]), c.displayFormat);
    default:
        return {};
    }
}

QString DataGridModel::cellText(int row, int column) const
{
    const int field = m_fieldOf.value(column, -1);
    if (field < 0 || row < 0 || row >= m_dataSet->recordCount())
        return {};
    const GridColumn& c = m_columns[column];
    QString text = m_dataSet->text(row, field);
    if (c.emptyDateRule)
        text = DateText::shown(text);
    if (text.isEmpty() || c.displayFormat.trimmed().isEmpty())
        return text;
    // As the fields of the data set do: numbers and dates take the format, texts are shown as stored.
    switch (m_dataSet->field(field).type) {
    case FieldType::Integer:
    case FieldType::Real:
        return DisplayFormat::number(m_dataSet->realValue(row, field), c.displayFormat);
    case FieldType::DateTime: {
        const QDateTime moment = DateText::toDateTime(text);
        return moment.isValid() ? DisplayFormat::dateTime(moment, c.displayFormat) : text;
    }
    default:
        return text;
    }
}

int DataGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_dataSet ? 0 : m_dataSet->recordCount();
}

int DataGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant DataGridModel::data(const QModelIndex& index, int role) const
{
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::EditRole: {
        const int field = m_fieldOf.value(index.column(), -1);
        return field < 0 ? QVariant() : QVariant(m_dataSet->text(index.row(), field));
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(m_columns[index.column()].alignment | Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant DataGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_columns.size())
        return {};
    if (role == Qt::DisplayRole)
        return m_columns[section].title;
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignCenter));
    return {};
}

Qt::ItemFlags DataGridModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (m_editable && !m_columns[index.column()].readOnly && m_fieldOf[index.column()] >= 0)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool DataGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    // The data set reports the change back through valueChanged().
    m_dataSet->setValue(index.row(), m_fieldOf[index.column()], value);
    return true;
}
