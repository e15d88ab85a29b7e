#include "store/row_codec.h"

#include "money/currency.h"

namespace tallyra::store_detail {

void RowReader::operator()(const char*, QDateTime& value)
{
    value = m_statement.isNull(m_column) ? QDateTime()
                                         : instantFromStored(m_statement.int64At(m_column));
    ++m_column;
}

void RowReader::operator()(const char*, std::optional<QByteArray>& value)
{
    value.reset();
    m_pictureFiles.append(m_statement.textAt(m_column++));
}

void RowBinder::operator()(const char*, const QString& value)
{
    // A null QString is stored as '' so that NOT NULL text stays text.
    m_statement.bindText(m_index++, value.isNull() ? QStringLiteral("") : value);
}

void RowBinder::operator()(const char*, const QDateTime& value)
{
    if (value.isValid())
        m_statement.bindInt64(m_index++, value.toMSecsSinceEpoch());
    else
        m_statement.bindNull(m_index++);
}

void RowBinder::operator()(const char*, const std::optional<QByteArray>&)
{
    const QString& file = m_pictureFiles.at(m_picture++);
    if (file.isNull())
        m_statement.bindNull(m_index++);
    else
        m_statement.bindText(m_index++, file);
}

namespace {

template <class Tag> void ensureId(TypedId<Tag>& id)
{
    if (id.isNull())
        id = TypedId<Tag>::random();
}

void ensureNow(QDateTime& instant, const QDateTime& now)
{
    if (!instant.isValid())
        instant = now;
}

} // namespace

void applyInsertDefaults(AccountModel& model, const QDateTime& now)
{
    ensureId(model.id);
    ensureNow(model.createdAt, now);
    if (model.currency.isEmpty())
        model.currency = Currency::main();
}

void applyInsertDefaults(CategoryModel& model, const QDateTime&)
{
    ensureId(model.id);
    if (!model.createdAt.isValid())
        model.createdAt = categoryReferenceInstant();
}

void applyInsertDefaults(TransactionModel& model, const QDateTime& now)
{
    ensureId(model.id);
    ensureNow(model.date, now);
    ensureNow(model.createdAt, now);
    ensureNow(model.updatedAt, now);
}

void applyInsertDefaults(BudgetModel& model, const QDateTime&)
{
    ensureId(model.id);
}

void applyInsertDefaults(GoalModel& model, const QDateTime&)
{
    ensureId(model.id);
}

void applyInsertDefaults(BalanceCheckpointModel& model, const QDateTime& now)
{
    ensureId(model.id);
    ensureNow(model.date, now);
    ensureNow(model.createdAt, now);
}

} // namespace tallyra::store_detail
