#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <string>
#include <vector>

struct sqlite3_stmt;

namespace vz {

class Database;

/// A data set over the table engine: the rows of a table or of a query result held in memory,
/// with a cursor. Fields are addressed by name (without regard to case) or by position; an
/// empty (NULL) field reads as "" or 0.
class DataSet
{
public:
    enum class Locate {
        Exact,                 ///< equal, case-sensitive
        CaseInsensitive,       ///< equal, ignoring case (Cyrillic folded too)
        CaseInsensitivePrefix, ///< the field starts with the value, ignoring case
    };

    /// A remembered row; valid until the data set is re-read.
    struct Bookmark
    {
        qint64 rowId = -1;
        int row = -1;
    };

    explicit DataSet(Database &db);
    virtual ~DataSet();
    DataSet(const DataSet &) = delete;
    DataSet &operator=(const DataSet &) = delete;

    Database &database() const { return m_db; }

    bool isOpen() const { return m_open; }
    virtual void open() = 0;
    void close() { m_open = false; }

    // Cursor.
    void first();
    void next();
    void prior();
    void last();
    bool eof() const { return m_eof; }
    bool bof() const { return m_bof; }
    int recordCount() const { return int(m_rows.size()); }
    int recNo() const { return m_cursor; } ///< 0-based, -1 when empty
    void moveTo(int row);

    // Fields of the current row.
    int fieldCount() const { return m_fieldNames.size(); }
    const QStringList &fieldNames() const { return m_fieldNames; }
    int fieldIndex(const QString &name) const; ///< -1 when there is no such field
    QString text(int position) const;
    QString text(const QString &name) const;
    qint64 integer(int position) const;
    qint64 integer(const QString &name) const;
    bool isNull(int position) const;
    /// Every field of the current row in field order (NULL as an invalid QVariant).
    QVariantList values() const;

    /// Moves to the first row whose field matches; returns false and stays put when none does.
    bool locate(const QString &field, const QString &value, Locate option);

    Bookmark bookmark() const;
    /// Returns to a remembered row; false when it is gone.
    bool gotoBookmark(const Bookmark &mark);

    /// The name field of every row in order (for filling lists quickly).
    QStringList columnTexts(const QString &field) const;

protected:
    enum class Kind : quint8 { Null, Integer, Real, Text };
    struct Cell
    {
        qint64 integer = 0;
        quint32 offset = 0;
        quint32 length = 0;
        Kind kind = Kind::Null;
    };
    struct Row
    {
        qint64 rowId = -1;
        std::vector<Cell> cells;
    };

    /// Runs a prepared statement and returns its rows; when `withRowId` the first column is the
    /// row id. Throws DbError, leaving this data set untouched.
    void load(sqlite3_stmt *stmt, bool withRowId, std::vector<Row> &rows, std::string &arena,
              QStringList &names) const;
    void replaceRows(std::vector<Row> rows, std::string arena, QStringList names);
    Row makeRow(qint64 rowId, const QVariantList &values);
    QVariant cellValue(const Cell &cell) const;
    const Cell *cell(int position) const;
    void invalidateFolded() { m_folded.clear(); }
    // Keep the lower-cased columns in step with a single-row change instead of rebuilding them.
    void foldedRowChanged(int row);
    void foldedRowInserted(int row);
    void foldedRowRemoved(int row);
    void settleCursor(int row);

    Database &m_db;
    std::vector<Row> m_rows;
    std::string m_arena;
    QStringList m_fieldNames;
    QHash<QString, int> m_fieldByName; // lower-case name -> position
    int m_cursor = -1;
    bool m_eof = true;
    bool m_bof = true;
    bool m_open = false;

private:
    const std::vector<QString> &foldedColumn(int position);
    QString foldedCell(const Cell &cell) const;
    QHash<int, std::vector<QString>> m_folded; // lower-cased texts per column, built on demand
};

/// A whole table in `card_index` order, editable: edit/append/post/delete write through to the
/// engine at once.
class Table : public DataSet
{
public:
    Table(Database &db, const QString &tableName);

    QString tableName() const { return m_table; }
    void open() override;
    /// Re-reads the table, keeping the cursor on the same row where it still exists.
    void refresh();

    void edit();
    void append();
    void setField(const QString &name, const QVariant &value);
    void setField(int position, const QVariant &value);
    void post();
    void cancel();
    bool isEditing() const { return m_state != State::Browse; }
    /// Appends and posts a row from values in field order (missing trailing values are NULL).
    void appendRecord(const QVariantList &values);
    /// Deletes the current row; the cursor moves to the next row, or to the new last one.
    void deleteRecord();
    /// Deletes every row.
    void emptyTable();

private:
    enum class State { Browse, Edit, Insert };
    void checkField(int position) const;
    QString m_table;
    State m_state = State::Browse;
    QVariantList m_buffer;
};

/// A query whose SQL is kept as a list of lines that callers edit line by line before open().
/// A statement the engine rejects throws DbError and leaves the previous SQL, rows, cursor and
/// open state as they were.
class Query : public DataSet
{
public:
    explicit Query(Database &db);

    QStringList &sql() { return m_sql; }
    const QStringList &sql() const { return m_sql; }
    void setSql(const QStringList &lines) { m_sql = lines; }
    /// Replaces the last line (the ORDER BY line of the list queries).
    void replaceLastLine(const QString &line);

    /// Runs the SQL text and opens the result; the cursor goes to the first row.
    void open() override;
    /// Runs the SQL again (after the table changed), cursor on the first row.
    void requery() { open(); }

private:
    QStringList m_sql;
    QStringList m_runSql;   // the SQL of the rows held now
    bool m_hasResult = false;
};

} // namespace vz
