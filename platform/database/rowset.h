#pragma once
// An updatable, searchable row set over a table, a stored query or a SELECT text, with
// dynaset behaviour: the rows are those of the source at opening, in key order; their keys
// are read a page at a time as the position moves on (a move to the last row or an add reads
// the rest), and each row is read by key when it becomes current; rows added here join the
// end, rows another program adds after the opening are not in the set; a deleted row stays
// in the set as deleted and stays current until the position leaves it (a row another
// program deleted before the set read its key is simply not in it).
#include "connection.h"
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace platform::db {

using BookmarkId = qint64;
using Value = std::optional<QString>;

// What the row set tells the data control that owns it.
class RowSetListener {
public:
    virtual ~RowSetListener() = default;
    // Before the current row is left or saved (action codes 1..11); may save pending edits.
    virtual void rowLeaving(int action) = 0;
    // After another row, or no row, has become current.
    virtual void rowEntered() = 0;
};

enum Action : int {
    ActionMoveFirst = 1, ActionMovePrevious, ActionMoveNext, ActionMoveLast, ActionAddNew,
    ActionUpdate, ActionDelete, ActionFind, ActionBookmark, ActionClose, ActionUnload
};

class RowSet {
public:
    // Throws Error: SourceNotFound, SyntaxInFrom, NotADatabase ...
    RowSet(std::shared_ptr<Connection> connection, const QString& source);
    ~RowSet();

    void setListener(RowSetListener* listener) { listener_ = listener; }

    const QStringList& fields() const { return fields_; }
    int fieldIndex(const QString& name) const; // -1 when absent; ignores case
    int keyCount() const; // every key of the set, live or deleted (reads them all)

    bool isBOF() const;
    bool isEOF() const;
    bool NoMatch() const { return noMatch_; }
    bool hasCurrent() const;       // on a row that is not deleted (or adding)
    bool isAdding() const { return adding_; }
    int AbsolutePosition() const;  // -1 off the rows or while adding; throws RecordDeleted on a deleted row
    BookmarkId Bookmark() const;     // throws NoCurrentRecord / RecordDeleted
    void setBookmark(BookmarkId b);  // throws RecordDeleted / NoCurrentRecord
    BookmarkId bookmarkOfKey(qint64 key) const; // the row with this key; throws NoCurrentRecord
    BookmarkId LastModified() const; // throws NoCurrentRecord when nothing was added or changed

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    void FindFirst(const QString& criteria);
    void FindNext(const QString& criteria);
    void AddNew();
    void Delete();

    // The current row's values (all fields; empty while adding or off the rows).
    const std::vector<Value>& values() const { return current_; }
    // Saves values (one per field) into the current row, or inserts the row begun by
    // AddNew. Only the fields whose value differs from values() are written, and only while
    // the row in the file is as it was read, type and bytes (ChangedByOther otherwise). Raises
    // no event; the data control calls it from its own save step.
    void save(const std::vector<Value>& values);
    // Reads the current row again as it is stored now (a new row begun by AddNew starts again
    // empty); later saves are checked against it. Raises no event.
    void reread();
    // Raised by the owner before the row set closes (10 close, 11 unload).
    void notifyClose(int action);

private:
    void leaveRow(int action);
    void moveTo(qint64 index);           // reads the row, raises Reposition
    void readCurrent();
    qint64 nextLive(qint64 from, int step) const;
    bool reach(qint64 index) const; // reads pages of keys until `index` is read or none are left
    bool readKeyPage() const;
    void readAllKeys() const { while (readKeyPage()) {} }
    bool noLiveRow() const;
    void find(qint64 fromIndex, const QString& criteria);
    void requireCurrent() const;
    bool isDeleted(qint64 index) const { return deleted_[size_t(index)]; }
    void markDeleted(qint64 index);

    std::shared_ptr<Connection> conn_;
    RowSetListener* listener_ = nullptr;
    QString base_;                 // the table rows are read from and written to
    QString keyColumn_;            // "zkey" or "rowid"
    QStringList fields_;           // without the key column
    // The keys read so far; the rest come in pages (a cache: reading more changes no state
    // the row set shows).
    mutable std::vector<qint64> keys_;
    mutable std::vector<bool> deleted_;
    mutable bool allKeysRead_ = false;
    mutable qint64 pageSize_;
    qint64 lastKey_ = 0;           // the source's greatest key at opening
    PreparedStatement keyPage_;
    std::vector<qint64> deletedSorted_; // indexes of deleted rows, for positions
    bool keysAscending_ = true;
    qint64 pos_ = -1;              // -1 before the first, keys_.size() after the last
    bool adding_ = false;
    bool noMatch_ = false;
    std::optional<BookmarkId> lastModified_;
    std::vector<Value> current_;
    std::vector<StoredValue> original_; // as read, for the check that nobody else changed the row
    PreparedStatement readRow_;
};

} // namespace platform::db
