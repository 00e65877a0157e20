#include "datacontrol.h"
#include "platform/controls.h"
#include "platform/cursor.h"
#include "platform/database/errors.h"
#include "platform/handlers.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>

namespace platform {

DataControl::DataControl(QWidget* parent, const QString& name) : QWidget(parent)
{
    setObjectName(name);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 255, 255));
    pal.setColor(QPalette::WindowText, QColor(0, 0, 0));
    setPalette(pal);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    struct Arrow { const char* name; const char* text; const char* tip; };
    static const Arrow arrows[] = {{"First", "|\u25C0", "First record"}, {"Previous", "\u25C0", "Previous record"},
                                   {"Next", "\u25B6", "Next record"}, {"Last", "\u25B6|", "Last record"}};
    caption_ = new QLabel(this);
    caption_->setObjectName(QStringLiteral("caption"));
    caption_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    caption_->setContentsMargins(6, 0, 6, 0);
    for (int i = 0; i < 4; ++i) {
        if (i == 2)
            layout->addWidget(caption_, 1);
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(arrows[i].name));
        b->setText(QString::fromUtf8(arrows[i].text));
        b->setToolTip(QString::fromLatin1(arrows[i].tip));
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoRaise(false);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        layout->addWidget(b);
        connectHandler(b, &QToolButton::clicked, this, [this, i] { arrow(i); });
    }
}

DataControl::~DataControl()
{
    if (rowSet_)
        rowSet_->setListener(nullptr);
}

QString DataControl::Caption() const { return caption_->text(); }
void DataControl::setCaption(const QString& text) { caption_->setText(text); }

db::RowSet& DataControl::Recordset() const
{
    if (!rowSet_)
        throw db::Error(db::NoOpenRecordset);
    return *rowSet_;
}

void DataControl::bind(TextBox* box, const QString& column) { bindings_.push_back({box, column}); }

void DataControl::closeRecordset(int action)
{
    if (!rowSet_)
        return;
    rowSet_->notifyClose(action);
    rowSet_->setListener(nullptr);
    rowSet_.reset();
}

void DataControl::Refresh()
{
    const bool wasOpen = rowSet_ != nullptr;
    closeRecordset(db::ActionClose);
    try {
        const QString path = paths::resolve(databaseName_);
        const QString key = path + QChar(0) + connect_;
        // The same file with the same connect string keeps its connection: re-keying is slow.
        if (!connection_ || connectionKey_ != key) {
            connection_.reset();
            auto opened = db::OpenAhead::take(path, connect_, openStep_);
            if (!opened) {
                opened = std::make_shared<db::Connection>(path, connect_);
                if (openStep_)
                    openStep_(*opened);
            }
            connection_ = std::move(opened);
            connectionKey_ = key;
        }
        rowSet_ = std::make_unique<db::RowSet>(connection_, recordSource_);
    } catch (...) {
        // No row is current any more: the bound boxes no longer show the closed set's row.
        if (wasOpen)
            rowEntered();
        throw;
    }
    rowSet_->setListener(this);
    rowEntered();
}

void DataControl::UpdateRecord()
{
    Recordset();
    int action = db::ActionUpdate;
    bool save = true;
    emit Validate(action, save);
    if (save)
        saveEdits(action);
}

template<class F> void DataControl::ownOperation(F&& f)
{
    try {
        f();
    } catch (const db::Error& e) {
        int response = 1;
        emit Error(e.number(), response);
        if (response != 0)
            msgbox::show(e.description());
    }
}

void DataControl::openOnLoad()
{
    ownOperation([this] {
        try {
            Refresh();
        } catch (...) {
            rowSet_.reset();
            throw;
        }
    });
}

void DataControl::closeOnUnload()
{
    unloading_ = true; // a refused save is reported
    ownOperation([this] { closeRecordset(db::ActionClose); });
    unloading_ = false;
    if (rowSet_) {
        rowSet_->setListener(nullptr);
        rowSet_.reset();
    }
}

void DataControl::arrow(int which)
{
    ownOperation([this, which] {
        db::RowSet& set = Recordset();
        if (set.isBOF() && set.isEOF())
            return;
        switch (which) {
        case 0: set.MoveFirst(); break;
        case 1:
            set.MovePrevious();
            if (set.isBOF())
                set.MoveFirst();
            break;
        case 2:
            set.MoveNext();
            if (set.isEOF())
                set.MoveLast();
            break;
        default: set.MoveLast(); break;
        }
    });
}

bool DataControl::anyEdited() const
{
    for (const Binding& b : bindings_)
        if (b.box->edited())
            return true;
    return false;
}

void DataControl::rowLeaving(int action)
{
    bool save = anyEdited();
    emit Validate(action, save);
    if (save && rowSet_ && rowSet_->hasCurrent())
        saveEdits(action);
}

void DataControl::saveEdits(int action)
{
    try {
        writeBoundBoxes();
    } catch (const db::Error& refusal) {
        if (unloading_ || !rowSet_->hasCurrent()) // no row left to keep editing
            throw;
        settleRefusal(refusal, action);
    }
}

void DataControl::settleRefusal(const db::Error& refusal, int action)
{
    if (keptEditing_ && keptEditing_->description == refusal.description() && keptEditing_->texts == boxTexts()) {
        // Asked already about these very edits: an explicit save says why it failed again, and
        // leaving the row lets them go.
        if (action == db::ActionUpdate)
            throw refusal;
        return;
    }
    cursor::set(cursor::Shape::Arrow);
    const QString question
        = rowSet_->isAdding()
              ? QStringLiteral("Empty this new record and lose what you typed? Choose No to keep editing it.")
              : QStringLiteral(
                  "Reload this record as it is stored now and lose your changes? Choose No to keep editing it.");
    if (msgbox::ask(refusal.description() + QStringLiteral("\n\n") + question)) {
        rowSet_->reread();
        rowEntered();
    } else {
        if (refusal.number() == db::ChangedByOther) {
            // The edits go on over the row as it is stored now, which the other boxes show.
            rowSet_->reread();
            fillBoundBoxes(true);
        }
        keptEditing_ = Refusal{refusal.description(), boxTexts()};
    }
    throw Settled();
}

QStringList DataControl::boxTexts() const
{
    QStringList texts;
    for (const Binding& b : bindings_)
        texts << b.box->text();
    return texts;
}

void DataControl::writeBoundBoxes()
{
    db::RowSet& set = Recordset();
    for (const Binding& b : bindings_) {
        if (b.box->edited() && !b.box->holdsWhatItTakes())
            throw db::Error(db::SaveRefused, b.box->editor()->accessibleName() + QStringLiteral(" takes a whole number only"));
    }
    // The row as read, with the edited boxes over it: the row set writes what differs.
    std::vector<db::Value> values = set.values();
    values.resize(size_t(set.fields().size()));
    for (const Binding& b : bindings_) {
        const int i = set.fieldIndex(b.column);
        if (i < 0 || !b.box->edited())
            continue;
        const QString text = b.box->text();
        values[size_t(i)] = text.isEmpty() ? db::Value() : db::Value(text);
    }
    set.save(values);
    for (const Binding& b : bindings_)
        b.box->setEdited(false);
}

void DataControl::fillBoundBoxes(bool keepEdits)
{
    const db::RowSet* set = rowSet_.get();
    for (const Binding& b : bindings_) {
        if (keepEdits && b.box->edited())
            continue;
        const int i = set ? set->fieldIndex(b.column) : -1;
        const auto& values = set ? set->values() : std::vector<db::Value>();
        b.box->setTextFromData(i >= 0 && size_t(i) < values.size() ? values[size_t(i)].value_or(QString()) : QString());
    }
}

void DataControl::rowEntered()
{
    keptEditing_.reset();
    fillBoundBoxes();
    emit Reposition();
}

} // namespace platform
