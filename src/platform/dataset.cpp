#include "dataset.h"

#include "database.h"
#include "error.h"

#include <sqlite3.h>

namespace vz {

namespace {

// Owns a prepared statement for the length of a scope.
struct Statement
{
    sqlite3_stmt *stmt = nullptr;
    Statement(sqlite3 *db, const QString &sql)
    {
        const QByteArray utf8 = sql.toUtf8();
        if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt, nullptr) != SQLITE_OK)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(db)));
    }
    ~Statement() { sqlite3_finalize(stmt); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void bind(int index, const QVariant &value)
    {
        if (!value.isValid() || value.isNull()
            || (value.typeId() == QMetaType::QString && value.toString().isEmpty())) {
            sqlite3_bind_null(stmt, index);
        } else if (value.typeId() == QMetaType::QString || value.typeId() == QMetaType::QByteArray) {
            const QByteArray utf8 = value.toString().toUtf8();
            sqlite3_bind_text(stmt, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
        } else if (value.typeId() == QMetaType::Double) {
            sqlite3_bind_double(stmt, index, value.toDouble());
        } else {
            sqlite3_bind_int64(stmt, index, value.toLongLong());
        }
    }
    void run(sqlite3 *db)
    {
        const int rc = sqlite3_step(stmt);
        if (rc != SQLITE_DONE && rc != SQLITE_ROW)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(db)));
    }
};

} // namespace

// ---------------------------------------------------------------------------------------------
// DataSet

DataSet::DataSet(Database &db)
    : m_db(db)
{
}

DataSet::~DataSet() = default;

void DataSet::settleCursor(int row)
{
    if (m_rows.empty()) {
        m_cursor = -1;
        m_eof = m_bof = true;
        return;
    }
    m_cursor = std::clamp(row, 0, int(m_rows.size()) - 1);
    m_eof = m_bof = false;
}

void DataSet::first()
{
    settleCursor(0);
    m_bof = true;
}

void DataSet::next()
{
    if (m_rows.empty() || m_cursor >= int(m_rows.size()) - 1) {
        m_eof = true;
        return;
    }
    ++m_cursor;
    m_bof = false;
}

void DataSet::prior()
{
    if (m_rows.empty() || m_cursor <= 0) {
        m_bof = true;
        return;
    }
    --m_cursor;
    m_eof = false;
}

void DataSet::last()
{
    settleCursor(int(m_rows.size()) - 1);
    m_eof = true;
}

void DataSet::moveTo(int row)
{
    settleCursor(row);
}

int DataSet::fieldIndex(const QString &name) const
{
    return m_fieldByName.value(name.toLower(), -1);
}

const DataSet::Cell *DataSet::cell(int position) const
{
    if (m_cursor < 0 || m_cursor >= int(m_rows.size()))
        return nullptr;
    const Row &row = m_rows[size_t(m_cursor)];
    if (position < 0 || position >= int(row.cells.size()))
        throw Error(QStringLiteral("Поле номер %1 не найдено").arg(position));
    return &row.cells[size_t(position)];
}

QVariant DataSet::cellValue(const Cell &c) const
{
    switch (c.kind) {
    case Kind::Null:
        return {};
    case Kind::Integer:
        return c.integer;
    case Kind::Real:
        return QString::fromUtf8(m_arena.data() + c.offset, c.length).toDouble();
    case Kind::Text:
        return QString::fromUtf8(m_arena.data() + c.offset, c.length);
    }
    return {};
}

QString DataSet::text(int position) const
{
    const Cell *c = cell(position);
    if (!c)
        return {};
    switch (c->kind) {
    case Kind::Null:
        return {};
    case Kind::Integer:
        return QString::number(c->integer);
    case Kind::Real:
    case Kind::Text:
        return QString::fromUtf8(m_arena.data() + c->offset, c->length);
    }
    return {};
}

static int requireField(const DataSet &set, const QString &name)
{
    const int position = set.fieldIndex(name);
    if (position < 0)
        throw Error(QStringLiteral("Поле %1 не найдено").arg(name));
    return position;
}

QString DataSet::text(const QString &name) const
{
    return text(requireField(*this, name));
}

qint64 DataSet::integer(int position) const
{
    const Cell *c = cell(position);
    if (!c || c->kind == Kind::Null)
        return 0;
    if (c->kind == Kind::Integer)
        return c->integer;
    const QString value = QString::fromUtf8(m_arena.data() + c->offset, c->length).trimmed();
    bool ok = false;
    const qint64 number = value.toLongLong(&ok);
    if (ok)
        return number;
    const double real = value.toDouble(&ok);
    if (ok)
        return qint64(real);
    throw Error(QStringLiteral("'%1' не является целым числом").arg(value));
}

qint64 DataSet::integer(const QString &name) const
{
    return integer(requireField(*this, name));
}

bool DataSet::isNull(int position) const
{
    const Cell *c = cell(position);
    return !c || c->kind == Kind::Null;
}

QVariantList DataSet::values() const
{
    QVariantList result;
    if (m_cursor < 0)
        return result;
    for (const Cell &c : m_rows[size_t(m_cursor)].cells)
        result << cellValue(c);
    return result;
}

QString DataSet::foldedCell(const Cell &c) const
{
    if (c.kind == Kind::Integer)
        return QString::number(c.integer);
    if (c.kind == Kind::Null)
        return {};
    return QString::fromUtf8(m_arena.data() + c.offset, c.length).toLower();
}

const std::vector<QString> &DataSet::foldedColumn(int position)
{
    auto it = m_folded.find(position);
    if (it != m_folded.end())
        return it.value();
    std::vector<QString> folded;
    folded.reserve(m_rows.size());
    for (const Row &row : m_rows)
        folded.push_back(foldedCell(row.cells[size_t(position)]));
    return m_folded.insert(position, std::move(folded)).value();
}

void DataSet::foldedRowChanged(int row)
{
    for (auto it = m_folded.begin(); it != m_folded.end(); ++it)
        it.value()[size_t(row)] = foldedCell(m_rows[size_t(row)].cells[size_t(it.key())]);
}

void DataSet::foldedRowInserted(int row)
{
    for (auto it = m_folded.begin(); it != m_folded.end(); ++it)
        it.value().insert(it.value().begin() + row,
                          foldedCell(m_rows[size_t(row)].cells[size_t(it.key())]));
}

void DataSet::foldedRowRemoved(int row)
{
    for (auto it = m_folded.begin(); it != m_folded.end(); ++it)
        it.value().erase(it.value().begin() + row);
}

bool DataSet::locate(const QString &field, const QString &value, Locate option)
{
    const int position = requireField(*this, field);
    if (option == Locate::Exact) {
        const QByteArray utf8 = value.toUtf8();
        for (size_t r = 0; r < m_rows.size(); ++r) {
            const Cell &c = m_rows[r].cells[size_t(position)];
            const bool match = c.kind == Kind::Integer
                                   ? QString::number(c.integer) == value
                                   : (c.kind == Kind::Null
                                          ? value.isEmpty()
                                          : (c.length == quint32(utf8.size())
                                             && std::equal(utf8.begin(), utf8.end(),
                                                           m_arena.begin() + c.offset)));
            if (match) {
                settleCursor(int(r));
                return true;
            }
        }
        return false;
    }
    const QString wanted = value.toLower();
    const std::vector<QString> &folded = foldedColumn(position);
    for (size_t r = 0; r < folded.size(); ++r) {
        const bool match = option == Locate::CaseInsensitive ? folded[r] == wanted
                                                             : folded[r].startsWith(wanted);
        if (match) {
            settleCursor(int(r));
            return true;
        }
    }
    return false;
}

DataSet::Bookmark DataSet::bookmark() const
{
    if (m_cursor < 0)
        return {};
    return {m_rows[size_t(m_cursor)].rowId, m_cursor};
}

bool DataSet::gotoBookmark(const Bookmark &mark)
{
    if (mark.row < 0)
        return false;
    if (mark.row < int(m_rows.size()) && m_rows[size_t(mark.row)].rowId == mark.rowId) {
        settleCursor(mark.row);
        return true;
    }
    if (mark.rowId < 0)
        return false;
    for (size_t r = 0; r < m_rows.size(); ++r) {
        if (m_rows[r].rowId == mark.rowId) {
            settleCursor(int(r));
            return true;
        }
    }
    return false;
}

QStringList DataSet::columnTexts(const QString &field) const
{
    const int position = requireField(*this, field);
    QStringList result;
    result.reserve(qsizetype(m_rows.size()));
    for (const Row &row : m_rows) {
        const Cell &c = row.cells[size_t(position)];
        if (c.kind == Kind::Integer)
            result << QString::number(c.integer);
        else if (c.kind == Kind::Null)
            result << QString();
        else
            result << QString::fromUtf8(m_arena.data() + c.offset, c.length);
    }
    return result;
}

void DataSet::load(sqlite3_stmt *stmt, bool withRowId, std::vector<Row> &rows, std::string &arena,
                   QStringList &names) const
{
    const int columns = sqlite3_column_count(stmt);
    const int first = withRowId ? 1 : 0;
    for (int c = first; c < columns; ++c)
        names << QString::fromUtf8(sqlite3_column_name(stmt, c));
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        Row row;
        row.rowId = withRowId ? sqlite3_column_int64(stmt, 0) : -1;
        row.cells.resize(size_t(columns - first));
        for (int c = first; c < columns; ++c) {
            Cell &cell = row.cells[size_t(c - first)];
            switch (sqlite3_column_type(stmt, c)) {
            case SQLITE_NULL:
                break;
            case SQLITE_INTEGER:
                cell.kind = Kind::Integer;
                cell.integer = sqlite3_column_int64(stmt, c);
                break;
            default: {
                const bool real = sqlite3_column_type(stmt, c) == SQLITE_FLOAT;
                const auto *bytes = reinterpret_cast<const char *>(sqlite3_column_text(stmt, c));
                const int length = sqlite3_column_bytes(stmt, c);
                if (length == 0 && !real)
                    break; // an empty text reads like an empty field
                cell.kind = real ? Kind::Real : Kind::Text;
                cell.offset = quint32(arena.size());
                cell.length = quint32(length);
                arena.append(bytes, size_t(length));
            }
            }
        }
        rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        throw DbError(QString::fromUtf8(sqlite3_errmsg(m_db.handle())));
}

void DataSet::replaceRows(std::vector<Row> rows, std::string arena, QStringList names)
{
    m_rows = std::move(rows);
    m_arena = std::move(arena);
    if (names != m_fieldNames) {
        m_fieldNames = std::move(names);
        m_fieldByName.clear();
        for (int i = m_fieldNames.size() - 1; i >= 0; --i)
            m_fieldByName.insert(m_fieldNames.at(i).toLower(), i);
    }
    invalidateFolded();
    m_open = true;
    first();
}

DataSet::Row DataSet::makeRow(qint64 rowId, const QVariantList &values)
{
    Row row;
    row.rowId = rowId;
    row.cells.resize(size_t(m_fieldNames.size()));
    for (int i = 0; i < m_fieldNames.size() && i < values.size(); ++i) {
        const QVariant &v = values.at(i);
        Cell &cell = row.cells[size_t(i)];
        if (!v.isValid() || v.isNull())
            continue;
        if (v.typeId() == QMetaType::QString || v.typeId() == QMetaType::Double) {
            const QByteArray utf8 = v.toString().toUtf8();
            if (utf8.isEmpty())
                continue;
            cell.kind = v.typeId() == QMetaType::Double ? Kind::Real : Kind::Text;
            cell.offset = quint32(m_arena.size());
            cell.length = quint32(utf8.size());
            m_arena.append(utf8.constData(), size_t(utf8.size()));
        } else {
            cell.kind = Kind::Integer;
            cell.integer = v.toLongLong();
        }
    }
    return row;
}

// ---------------------------------------------------------------------------------------------
// Table

Table::Table(Database &db, const QString &tableName)
    : DataSet(db)
    , m_table(tableName)
{
}

void Table::open()
{
    Statement st(m_db.handle(),
                 QStringLiteral("SELECT rowid, * FROM %1 ORDER BY card_index, rowid").arg(m_table));
    std::vector<Row> rows;
    std::string arena;
    QStringList names;
    load(st.stmt, true, rows, arena, names);
    replaceRows(std::move(rows), std::move(arena), std::move(names));
    m_state = State::Browse;
}

void Table::refresh()
{
    const Bookmark mark = bookmark();
    const int row = m_cursor;
    open();
    if (!gotoBookmark(mark))
        settleCursor(row);
}

void Table::checkField(int position) const
{
    if (m_state == State::Browse)
        throw Error(QStringLiteral("Таблица %1 не в режиме правки").arg(m_table));
    if (position < 0 || position >= m_fieldNames.size())
        throw Error(QStringLiteral("Поле номер %1 не найдено").arg(position));
}

void Table::edit()
{
    if (m_cursor < 0)
        throw Error(QStringLiteral("Таблица %1 пуста").arg(m_table));
    m_buffer = values();
    m_state = State::Edit;
}

void Table::append()
{
    m_buffer = QVariantList();
    for (int i = 0; i < m_fieldNames.size(); ++i)
        m_buffer << QVariant();
    m_state = State::Insert;
}

void Table::setField(const QString &name, const QVariant &value)
{
    const int position = fieldIndex(name);
    if (position < 0)
        throw Error(QStringLiteral("Поле %1 не найдено").arg(name));
    setField(position, value);
}

void Table::setField(int position, const QVariant &value)
{
    checkField(position);
    m_buffer[position] = value;
}

void Table::cancel()
{
    m_state = State::Browse;
    m_buffer.clear();
}

void Table::post()
{
    if (m_state == State::Browse)
        return;
    // Normalise the buffer the way the engine stores it, so the cached row reads back the same.
    for (int i = 0; i < m_buffer.size(); ++i) {
        QVariant &v = m_buffer[i];
        const bool textField = i < Database::cardFields().size() && Database::isTextField(i);
        if (!v.isValid() || v.isNull() || (v.typeId() == QMetaType::QString && v.toString().isEmpty()))
            v = QVariant();
        else if (textField)
            v = v.toString();
        else if (v.typeId() == QMetaType::QString) {
            bool ok = false;
            const qint64 n = v.toString().trimmed().toLongLong(&ok);
            if (!ok)
                throw Error(QStringLiteral("'%1' не является целым числом").arg(v.toString()));
            v = n;
        } else if (v.typeId() != QMetaType::Double) {
            v = v.toLongLong();
        }
    }
    QStringList columns, marks;
    for (int i = 0; i < m_fieldNames.size(); ++i) {
        columns << m_fieldNames.at(i) + QStringLiteral("=?");
        marks << QStringLiteral("?");
    }
    const QString sql = m_state == State::Edit
                            ? QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?")
                                  .arg(m_table, columns.join(QLatin1Char(',')))
                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(m_table, m_fieldNames.join(QLatin1Char(',')),
                                       marks.join(QLatin1Char(',')));
    Statement st(m_db.handle(), sql);
    for (int i = 0; i < m_buffer.size(); ++i)
        st.bind(i + 1, m_buffer.at(i));
    if (m_state == State::Edit)
        sqlite3_bind_int64(st.stmt, int(m_buffer.size()) + 1, m_rows[size_t(m_cursor)].rowId);
    st.run(m_db.handle());

    if (m_state == State::Edit) {
        m_rows[size_t(m_cursor)] = makeRow(m_rows[size_t(m_cursor)].rowId, m_buffer);
        foldedRowChanged(m_cursor);
    } else {
        // Keep card_index order: the new row goes after every row with a smaller or equal index.
        const qint64 rowId = sqlite3_last_insert_rowid(m_db.handle());
        const qint64 index = m_buffer.value(0).toLongLong();
        size_t at = m_rows.size();
        while (at > 0 && m_rows[at - 1].cells[0].integer > index)
            --at;
        m_rows.insert(m_rows.begin() + qptrdiff(at), makeRow(rowId, m_buffer));
        foldedRowInserted(int(at));
        settleCursor(int(at));
    }
    m_state = State::Browse;
    m_buffer.clear();
}

void Table::appendRecord(const QVariantList &values)
{
    append();
    for (int i = 0; i < values.size() && i < m_buffer.size(); ++i)
        m_buffer[i] = values.at(i);
    post();
}

void Table::deleteRecord()
{
    if (m_cursor < 0)
        throw Error(QStringLiteral("Таблица %1 пуста").arg(m_table));
    Statement st(m_db.handle(), QStringLiteral("DELETE FROM %1 WHERE rowid=?").arg(m_table));
    sqlite3_bind_int64(st.stmt, 1, m_rows[size_t(m_cursor)].rowId);
    st.run(m_db.handle());
    m_rows.erase(m_rows.begin() + m_cursor);
    foldedRowRemoved(m_cursor);
    m_state = State::Browse;
    settleCursor(m_cursor);
}

void Table::emptyTable()
{
    m_db.exec(QStringLiteral("DELETE FROM %1").arg(m_table));
    m_rows.clear();
    m_arena.clear();
    invalidateFolded();
    m_state = State::Browse;
    settleCursor(0);
}

// ---------------------------------------------------------------------------------------------
// Query

Query::Query(Database &db)
    : DataSet(db)
{
}

void Query::replaceLastLine(const QString &line)
{
    if (m_sql.isEmpty())
        m_sql << line;
    else
        m_sql.last() = line;
}

void Query::open()
{
    std::vector<Row> rows;
    std::string arena;
    QStringList names;
    try {
        Statement st(m_db.handle(), m_sql.join(QLatin1Char('\n')));
        load(st.stmt, false, rows, arena, names);
    } catch (const DbError &) {
        // Leave everything as it was before this attempt.
        m_sql = m_runSql;
        m_open = m_hasResult;
        throw;
    }
    replaceRows(std::move(rows), std::move(arena), std::move(names));
    m_runSql = m_sql;
    m_hasResult = true;
}

} // namespace vz
