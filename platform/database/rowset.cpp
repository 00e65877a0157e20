#include "rowset.h"
#include "criteria.h"
#include "errors.h"
#include <QRegularExpression>
#include <algorithm>
#include <limits>

namespace platform::db {

namespace {

QString quoted(QString name) { return QLatin1Char('"') + name.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"'); }

// "select * from [joke]" and "SELECT * FROM Toasting;" name their table; other SELECT texts
// are not supported.
QString sourceName(const QString& source)
{
    static const QRegularExpression select(QStringLiteral(R"(^\s*select\b)"), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression selectAll(
        QStringLiteral(R"re(^\s*select\s+\*\s+from\s+(?:\[([^\]]+)\]|"([^"]+)"|([A-Za-z_]\w*))\s*;?\s*$)re"),
        QRegularExpression::CaseInsensitiveOption);
    if (!select.match(source).hasMatch())
        return source.trimmed();
    const auto m = selectAll.match(source);
    if (!m.hasMatch())
        throw Error(SyntaxInFrom, source);
    for (int i = 1; i <= 3; ++i)
        if (!m.captured(i).isEmpty())
            return m.captured(i);
    throw Error(SyntaxInFrom, source);
}

const QString kKey = QStringLiteral("zkey");
// The first page of keys is small, so that a list opens at once at any size; later pages grow.
constexpr qint64 kFirstPage = 200, kLargestPage = 51200;

} // namespace

RowSet::RowSet(std::shared_ptr<Connection> connection, const QString& source) : conn_(std::move(connection))
{
    const QString name = sourceName(source);
    // A temporary view of this connection stands in front of the file's object of the same name.
    const PreparedStatement lookup = conn_->prepare(
        QStringLiteral("SELECT type, name FROM sqlite_temp_master WHERE type = 'view' AND name = ?1 COLLATE NOCASE "
                       "UNION ALL SELECT type, name FROM sqlite_master WHERE type IN ('table','view') "
                       "AND name = ?1 COLLATE NOCASE AND name NOT LIKE 'sqlite_%'"));
    lookup->bind(1, Value(name));
    if (name.isEmpty() || !lookup->step())
        throw Error(SourceNotFound, name);
    const bool isView = lookup->text(0) == QStringLiteral("view");
    const QString object = *lookup->text(1);

    const PreparedStatement columns = conn_->prepare(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(quoted(object)));
    columns->step(); // a statement kept from before a change of the schema is prepared again here
    bool hasKey = false;
    for (int i = 0; i < columns->columnCount(); ++i) {
        const QString column = columns->columnName(i);
        if (column.compare(kKey, Qt::CaseInsensitive) == 0) {
            hasKey = true;
            continue;
        }
        fields_ << column;
        if (base_.isEmpty())
            base_ = columns->columnTable(i);
    }
    if (!isView)
        base_ = object;
    if (base_.isEmpty() || (isView && !hasKey))
        throw Error(SyntaxInFrom, source);
    keyColumn_ = hasKey ? kKey : QStringLiteral("rowid");

    const PreparedStatement last = conn_->prepare(QStringLiteral("SELECT max(%1) FROM %2").arg(keyColumn_, quoted(base_)));
    last->step();
    allKeysRead_ = sqlite3_column_type(last->handle(), 0) == SQLITE_NULL;
    lastKey_ = last->int64(0);
    const QString key = isView ? kKey : keyColumn_;
    keyPage_ = conn_->prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %1 >= ?1 AND %1 <= ?2 ORDER BY %1 LIMIT ?3").arg(key, quoted(object)));
    pageSize_ = kFirstPage;
    readKeyPage();

    QStringList list;
    for (const QString& f : fields_)
        list << quoted(f);
    readRow_ = conn_->prepare(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?1").arg(list.join(QLatin1Char(',')), quoted(base_), keyColumn_));
    moveTo(nextLive(-1, 1)); // the first row, or after the end of an empty set
}

RowSet::~RowSet() = default;

int RowSet::fieldIndex(const QString& name) const
{
    for (int i = 0; i < fields_.size(); ++i)
        if (fields_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool RowSet::readKeyPage() const
{
    if (allKeysRead_)
        return false;
    keyPage_->reset();
    keyPage_->bind(1, keys_.empty() ? std::numeric_limits<qint64>::min() : keys_.back() + 1);
    keyPage_->bind(2, lastKey_);
    keyPage_->bind(3, pageSize_);
    qint64 read = 0;
    while (keyPage_->step()) {
        keys_.push_back(keyPage_->int64(0));
        ++read;
    }
    keyPage_->reset();
    deleted_.resize(keys_.size(), false);
    allKeysRead_ = read < pageSize_ || keys_.back() == lastKey_;
    pageSize_ = std::min(pageSize_ * 4, kLargestPage);
    return read > 0;
}

bool RowSet::reach(qint64 index) const
{
    while (index >= qint64(keys_.size()) && readKeyPage()) {
    }
    return index >= 0 && index < qint64(keys_.size());
}

int RowSet::keyCount() const
{
    readAllKeys();
    return int(keys_.size());
}

bool RowSet::noLiveRow() const { return deletedSorted_.size() == keys_.size() && !reach(qint64(keys_.size())); }

bool RowSet::isBOF() const { return pos_ < 0 || noLiveRow(); }
bool RowSet::isEOF() const { return pos_ >= qint64(keys_.size()) || noLiveRow(); }

bool RowSet::hasCurrent() const
{
    return adding_ || (pos_ >= 0 && pos_ < qint64(keys_.size()) && !isDeleted(pos_));
}

int RowSet::AbsolutePosition() const
{
    if (adding_ || pos_ < 0 || pos_ >= qint64(keys_.size()))
        return -1;
    if (isDeleted(pos_))
        throw Error(RecordDeleted);
    const auto before = std::lower_bound(deletedSorted_.begin(), deletedSorted_.end(), pos_) - deletedSorted_.begin();
    return int(pos_ - before);
}

void RowSet::requireCurrent() const
{
    if (adding_ || pos_ < 0 || pos_ >= qint64(keys_.size()))
        throw Error(NoCurrentRecord);
    if (isDeleted(pos_))
        throw Error(RecordDeleted);
}

BookmarkId RowSet::Bookmark() const
{
    requireCurrent();
    return pos_;
}

void RowSet::setBookmark(BookmarkId b)
{
    if (!reach(b))
        throw Error(NoCurrentRecord);
    if (isDeleted(b))
        throw Error(RecordDeleted);
    leaveRow(ActionBookmark);
    moveTo(b);
}

BookmarkId RowSet::bookmarkOfKey(qint64 key) const
{
    readAllKeys();
    const auto found = std::find(keys_.begin(), keys_.end(), key);
    if (found == keys_.end())
        throw Error(NoCurrentRecord);
    return BookmarkId(found - keys_.begin());
}

BookmarkId RowSet::LastModified() const
{
    if (!lastModified_)
        throw Error(NoCurrentRecord);
    return *lastModified_;
}

qint64 RowSet::nextLive(qint64 from, int step) const
{
    qint64 i = from + step;
    while (reach(i) && isDeleted(i))
        i += step;
    return i < 0 ? -1 : std::min(i, qint64(keys_.size()));
}

void RowSet::leaveRow(int action)
{
    if (listener_)
        listener_->rowLeaving(action);
    adding_ = false; // a new row not stored by the validate step is discarded
}

void RowSet::moveTo(qint64 index)
{
    pos_ = index;
    adding_ = false;
    readCurrent();
    if (listener_)
        listener_->rowEntered();
}

void RowSet::markDeleted(qint64 index)
{
    deleted_[size_t(index)] = true;
    deletedSorted_.insert(std::lower_bound(deletedSorted_.begin(), deletedSorted_.end(), index), index);
}

void RowSet::readCurrent()
{
    current_.clear();
    original_.clear();
    if (pos_ < 0 || pos_ >= qint64(keys_.size()) || isDeleted(pos_))
        return;
    readRow_->reset();
    readRow_->bind(1, keys_[size_t(pos_)]);
    if (!readRow_->step()) { // deleted through another connection
        markDeleted(pos_);
        return;
    }
    for (int i = 0; i < fields_.size(); ++i) {
        original_.push_back(readRow_->stored(i)); // before reading it as text changes its type
        current_.push_back(readRow_->text(i));
    }
    readRow_->reset();
}

void RowSet::reread()
{
    if (adding_)
        current_.assign(size_t(fields_.size()), std::nullopt);
    else
        readCurrent();
}

void RowSet::MoveFirst()
{
    leaveRow(ActionMoveFirst);
    const qint64 target = nextLive(-1, 1);
    if (target >= qint64(keys_.size()))
        throw Error(NoCurrentRecord);
    moveTo(target);
}

void RowSet::MoveLast()
{
    leaveRow(ActionMoveLast);
    readAllKeys();
    const qint64 target = nextLive(qint64(keys_.size()), -1);
    if (target < 0)
        throw Error(NoCurrentRecord);
    moveTo(target);
}

void RowSet::MoveNext()
{
    if (!adding_ && isEOF())
        throw Error(NoCurrentRecord);
    leaveRow(ActionMoveNext);
    moveTo(nextLive(pos_, 1));
}

void RowSet::MovePrevious()
{
    if (!adding_ && isBOF())
        throw Error(NoCurrentRecord);
    leaveRow(ActionMovePrevious);
    moveTo(nextLive(pos_, -1));
}

void RowSet::FindFirst(const QString& criteria) { find(0, criteria); }

void RowSet::FindNext(const QString& criteria) { find(std::max<qint64>(pos_ + 1, 0), criteria); }

namespace {
// The criteria run inside the engine's scan, as a function registered only for one find.
struct FindCall {
    const Criteria* criteria;
    std::vector<int> argOf; // field index -> argument index
};

void matchRow(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    const auto* slot = static_cast<const Connection::FindSlot*>(sqlite3_user_data(ctx));
    const auto* call = static_cast<const FindCall*>(slot->call);
    if (!call) { // only a find of ours may use it
        sqlite3_result_int(ctx, 0);
        return;
    }
    const bool hit = call->criteria->matches([&](int field) -> std::optional<std::string_view> {
        const int a = call->argOf[size_t(field)];
        if (a < 0 || a >= argc || sqlite3_value_type(argv[a]) == SQLITE_NULL)
            return std::nullopt;
        const auto* data = reinterpret_cast<const char*>(sqlite3_value_text(argv[a]));
        return std::string_view(data, size_t(sqlite3_value_bytes(argv[a])));
    });
    sqlite3_result_int(ctx, hit ? 1 : 0);
}

const char* const kMatchFunction = "zestrel_find_match";
} // namespace

void RowSet::find(qint64 from, const QString& text)
{
    const Criteria criteria(text, fields_); // a bad criteria changes nothing
    leaveRow(ActionFind);
    FindCall call{&criteria, std::vector<int>(size_t(fields_.size()), -1)};
    QStringList args;
    for (int field : criteria.fieldsUsed()) {
        call.argOf[size_t(field)] = int(args.size());
        args << quoted(fields_[field]);
    }
    sqlite3* db = conn_->handle();
    Connection::FindSlot& slot = conn_->findSlot();
    if (!slot.registered) {
        sqlite3_create_function_v2(db, kMatchFunction, -1, SQLITE_UTF8, &slot, matchRow, nullptr, nullptr, nullptr);
        slot.registered = true;
    }
    slot.call = &call;
    struct Clear {
        Connection::FindSlot& slot;
        ~Clear() { slot.call = nullptr; }
    } clear{slot};
    const QString match = QStringLiteral("%1(%2)").arg(QLatin1String(kMatchFunction), args.join(QLatin1Char(',')));

    std::optional<qint64> found;
    if (reach(from) && keysAscending_) {
        // One pass over the file in key order; rows outside the set are skipped.
        Statement scan(db, QStringLiteral("SELECT %1 FROM %2 WHERE %1 >= ?1 AND %3 ORDER BY %1").arg(keyColumn_, quoted(base_), match));
        scan.bind(1, keys_[size_t(from)]);
        qint64 lo = from;
        while (!found && scan.step()) {
            const qint64 k = scan.int64(0);
            while (keys_.back() < k && readKeyPage()) {
            }
            lo = std::lower_bound(keys_.begin() + lo, keys_.end(), k) - keys_.begin();
            if (lo < qint64(keys_.size()) && keys_[size_t(lo)] == k && !isDeleted(lo))
                found = lo;
        }
    } else if (reach(from)) {
        readAllKeys();
        const qint64 n = qint64(keys_.size());
        Statement row(db, QStringLiteral("SELECT %1 FROM %2 WHERE %3 = ?1").arg(match, quoted(base_), keyColumn_));
        for (qint64 i = from; i < n && !found; ++i) {
            if (isDeleted(i))
                continue;
            row.reset();
            row.bind(1, keys_[size_t(i)]);
            if (row.step() && row.int64(0) == 1)
                found = i;
        }
    }
    noMatch_ = !found;
    moveTo(found.value_or(pos_));
}

void RowSet::AddNew()
{
    leaveRow(ActionAddNew);
    adding_ = true;
    current_.assign(size_t(fields_.size()), std::nullopt);
    original_.clear();
    if (listener_)
        listener_->rowEntered();
}

void RowSet::Delete()
{
    requireCurrent();
    leaveRow(ActionDelete);
    const PreparedStatement del = conn_->prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?1").arg(quoted(base_), keyColumn_));
    del->bind(1, keys_[size_t(pos_)]);
    del->step();
    markDeleted(pos_);
    current_.clear();
    original_.clear();
}

void RowSet::save(const std::vector<Value>& values)
{
    if (int(values.size()) != fields_.size())
        throw Error(EngineFailure, QStringLiteral("a row of %1 values for %2 fields").arg(values.size()).arg(fields_.size()));
    sqlite3* db = conn_->handle();
    if (adding_) {
        // Only the fields given a value are written, so the file's defaults fill the rest.
        QStringList names, marks;
        std::vector<Value> given;
        for (int i = 0; i < fields_.size(); ++i)
            if (values[size_t(i)]) {
                names << quoted(fields_[i]);
                marks << QStringLiteral("?%1").arg(given.size() + 1);
                given.push_back(values[size_t(i)]);
            }
        const QString sql = names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(base_))
                                            : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                                  .arg(quoted(base_), names.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
        // Borrowed from the connection: preparing compiles every trigger on the table into it.
        const PreparedStatement insert = conn_->prepare(sql);
        for (size_t i = 0; i < given.size(); ++i)
            insert->bind(int(i) + 1, given[i]);
        readAllKeys(); // the new row comes after every row of the source
        insert->step();
        const qint64 key = sqlite3_last_insert_rowid(db);
        if (!keys_.empty() && key <= keys_.back())
            keysAscending_ = false;
        keys_.push_back(key);
        deleted_.push_back(false);
        lastModified_ = qint64(keys_.size()) - 1;
        adding_ = false;
        readCurrent();
        return;
    }
    requireCurrent();
    QStringList sets, checks;
    std::vector<int> changed;
    for (int i = 0; i < fields_.size(); ++i) {
        if (values[size_t(i)] != current_[size_t(i)]) {
            changed.push_back(i);
            sets << QStringLiteral("%1 = ?%2").arg(quoted(fields_[i])).arg(i + 2);
        }
        checks << QStringLiteral("%1 IS ?%2").arg(quoted(fields_[i])).arg(i + 2 + fields_.size());
    }
    if (!changed.empty()) {
        // The row is written only if nobody changed it since it was read.
        const PreparedStatement update = conn_->prepare(
            QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?1 AND %4")
                .arg(quoted(base_), sets.join(QLatin1Char(',')), keyColumn_, checks.join(QStringLiteral(" AND "))));
        update->bind(1, keys_[size_t(pos_)]);
        for (int i : changed)
            update->bind(i + 2, values[size_t(i)]);
        for (int i = 0; i < fields_.size(); ++i)
            update->bind(i + 2 + int(fields_.size()), original_[size_t(i)]);
        update->step();
        if (sqlite3_changes(db) == 0) {
            Statement exists(db, QStringLiteral("SELECT 1 FROM %1 WHERE %2 = ?1").arg(quoted(base_), keyColumn_));
            exists.bind(1, keys_[size_t(pos_)]);
            throw Error(exists.step() ? ChangedByOther : RecordDeleted);
        }
        readCurrent();
    }
    lastModified_ = pos_;
}

void RowSet::notifyClose(int action) { leaveRow(action); }

} // namespace platform::db
