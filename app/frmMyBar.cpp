#include "app/frmMyBar.h"

#include "app/frmMain.h"
#include "catalogue/mybar/index.h"
#include "catalogue/mybar/vocabulary.h"
#include "catalogue/schema.h"
#include "catalogue/upgrade.h"
#include "platform/controls.h"
#include "platform/database/connection.h"
#include "platform/database/errors.h"
#include "platform/forms.h"
#include "platform/handlers.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "platform/windowparts.h"

#include <QAbstractListModel>
#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>

#include <numeric>

namespace app {

using catalogue::mybar::Missing;
using catalogue::mybar::Purchase;

// The rows of one list, each text made when the view asks for it, so that a list of many
// thousands of drinks costs nothing until it is seen. A row's key is its recipe's (-1: none).
class DrinkRows : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;
    static constexpr int KeyRole = Qt::UserRole;

    void set(int count, std::function<QString(int)> text, std::function<qint64(int)> key)
    {
        beginResetModel();
        count_ = count;
        text_ = std::move(text);
        key_ = std::move(key);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : count_; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= count_)
            return {};
        if (role == Qt::DisplayRole)
            return text_(index.row());
        if (role == KeyRole)
            return key_(index.row());
        return {};
    }

private:
    int count_ = 0;
    std::function<QString(int)> text_;
    std::function<qint64(int)> key_;
};

namespace {

constexpr int kBuyNext = 5;
constexpr int kIngredientRole = Qt::UserRole;

const QString kReadOnly = QStringLiteral("The shelf cannot be saved: the recipe file cannot be written. "
                                         "Your tick was not kept.");

// Counts the commits of other connections to the file.
qint64 dataVersion(platform::db::Connection& db)
{
    platform::db::Statement version(db.handle(), QStringLiteral("PRAGMA data_version"));
    version.step();
    return version.int64(0);
}

QLabel* heading(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

frmMyBar::frmMyBar()
{
    setObjectName(QStringLiteral("frmMyBar"));
    setWindowTitle(QStringLiteral("My Bar"));
    setAttribute(Qt::WA_DeleteOnClose);

    // Three columns: the shelf; what it makes; what to buy and the search by ingredient.
    auto* columns = new QHBoxLayout(this);
    auto* shelfColumn = new QVBoxLayout;
    auto* drinkColumn = new QVBoxLayout;
    auto* findColumn = new QVBoxLayout;
    columns->addLayout(shelfColumn, 2);
    columns->addLayout(drinkColumn, 3);
    columns->addLayout(findColumn, 3);

    shelfColumn->addWidget(heading(this, QStringLiteral("lblShelf"), QStringLiteral("Shelf (tick what you have)")));
    txtShelfFilter = new platform::TextBox(this, QStringLiteral("txtShelfFilter"));
    platform::nameAfterLabel(txtShelfFilter, QStringLiteral("Filter the shelf"));
    txtShelfFilter->setToolTip(QStringLiteral("Filter the shelf"));
    shelfColumn->addWidget(txtShelfFilter);
    lstShelf = new QTreeWidget(this);
    lstShelf->setObjectName(QStringLiteral("lstShelf"));
    lstShelf->setHeaderHidden(true);
    shelfColumn->addWidget(lstShelf, 1);

    canMake_ = new DrinkRows(this);
    oneAway_ = new DrinkRows(this);
    buyNext_ = new DrinkRows(this);
    results_ = new DrinkRows(this);
    lblCanMake = heading(this, QStringLiteral("lblCanMake"), QString());
    lblOneAway = heading(this, QStringLiteral("lblOneAway"), QString());
    drinkColumn->addWidget(lblCanMake);
    drinkColumn->addWidget(makeList(QStringLiteral("lstCanMake"), canMake_), 1);
    drinkColumn->addWidget(lblOneAway);
    drinkColumn->addWidget(makeList(QStringLiteral("lstOneAway"), oneAway_), 1);

    findColumn->addWidget(heading(this, QStringLiteral("lblBuyNext"), QStringLiteral("Buy next")));
    auto* lstBuyNext = makeList(QStringLiteral("lstBuyNext"), buyNext_);
    lstBuyNext->setFixedHeight(lstBuyNext->fontMetrics().lineSpacing() * kBuyNext + 2 * lstBuyNext->frameWidth() + 4);
    findColumn->addWidget(lstBuyNext);
    findColumn->addWidget(
        heading(this, QStringLiteral("lblIngredientSearch"), QStringLiteral("Drinks using (separate with commas)")));
    auto* searchRow = new QHBoxLayout;
    txtIngredientSearch = new platform::TextBox(this, QStringLiteral("txtIngredientSearch"));
    platform::nameAfterLabel(txtIngredientSearch, QStringLiteral("Drinks using"));
    searchRow->addWidget(txtIngredientSearch, 1);
    auto* cmdIngredientSearch = new QPushButton(QStringLiteral("Find Drinks"), this);
    cmdIngredientSearch->setObjectName(QStringLiteral("cmdIngredientSearch"));
    searchRow->addWidget(cmdIngredientSearch);
    findColumn->addLayout(searchRow);
    findColumn->addWidget(makeList(QStringLiteral("lstIngredientResults"), results_), 1);
    for (platform::TextBox* box : {txtShelfFilter, txtIngredientSearch})
        box->setFixedHeight(cmdIngredientSearch->sizeHint().height());

    platform::connectHandler(lstShelf, &QTreeWidget::itemChanged, this, &frmMyBar::lstShelf_ItemCheck);
    platform::connectHandler(txtShelfFilter, &platform::TextBox::Change, this, &frmMyBar::txtShelfFilter_Change);
    platform::connectHandler(cmdIngredientSearch, &QPushButton::clicked, this, &frmMyBar::cmdIngredientSearch_Click);
    // Return in the search box presses Find Drinks.
    cmdIngredientSearch->setDefault(true);
    cmdIngredientSearch->setAutoDefault(true);

    db_ = std::make_unique<platform::db::Connection>(platform::paths::resolve(catalogue::kDatabasePath),
                                                     catalogue::kConnect);
    catalogue::prepareCatalogue(*db_);
    read();
    resize(900, 560);
}

frmMyBar::~frmMyBar() = default;

QListView* frmMyBar::makeList(const QString& name, DrinkRows* rows)
{
    auto* list = new QListView(this);
    list->setObjectName(name);
    list->setModel(rows);
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    platform::connectHandler(list, &QListView::activated, this, &frmMyBar::lstDrinks_DblClick);
    return list;
}

void frmMyBar::read()
{
    bar_.load(*db_);
    dataVersion_ = dataVersion(*db_);
    fillShelf();
    showLists();
    cmdIngredientSearch_Click(); // the results name drinks as the bar numbers them
}

void frmMyBar::fillShelf()
{
    const QSignalBlocker quiet(lstShelf);
    lstShelf->clear();
    QList<QTreeWidgetItem*> groups;
    const auto group = [&](const QString& text) {
        auto* item = new QTreeWidgetItem(QStringList(text));
        item->setFlags(Qt::ItemIsEnabled);
        groups << item;
        return item;
    };
    QHash<QString, QTreeWidgetItem*> byKind;
    for (const catalogue::mybar::Kind& k : catalogue::mybar::kinds())
        byKind.insert(QString::fromLatin1(k.key), group(QString::fromLatin1(k.heading)));
    QTreeWidgetItem* unused = group(QStringLiteral("No longer in any recipe"));

    std::vector<int> order(bar_.shelf().size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [this](int a, int b) { return bar_.shelf()[size_t(a)].name < bar_.shelf()[size_t(b)].name; });
    for (int i : order) {
        const catalogue::mybar::ShelfEntry& e = bar_.shelf()[size_t(i)];
        auto* item = new QTreeWidgetItem((e.used ? byKind.value(e.kind) : unused), QStringList(e.name));
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        item->setCheckState(0, e.onHand ? Qt::Checked : Qt::Unchecked);
        item->setData(0, kIngredientRole, i);
    }
    for (QTreeWidgetItem* g : groups)
        if (g->childCount() > 0)
            lstShelf->addTopLevelItem(g);
        else
            delete g;
    lstShelf->expandAll();
    txtShelfFilter_Change();
}

void frmMyBar::showLists()
{
    const auto name = [this](int drink) { return bar_.drinks()[size_t(drink)].name; };
    const auto key = [this](int drink) { return bar_.drinks()[size_t(drink)].key; };
    const auto ingredient = [this](int i) { return bar_.shelf()[size_t(i)].name; };

    auto can = std::make_shared<std::vector<int>>(bar_.canMake());
    canMake_->set(
        int(can->size()), [can, name](int row) { return name((*can)[size_t(row)]); },
        [can, key](int row) { return key((*can)[size_t(row)]); });
    lblCanMake->setText(
        QStringLiteral("You can make %1")
            .arg(can->size() == 1 ? QStringLiteral("1 drink") : QStringLiteral("%1 drinks").arg(can->size())));

    auto away = std::make_shared<std::vector<Missing>>(bar_.oneAway());
    oneAway_->set(
        int(away->size()),
        [away, name, ingredient](int row) {
            const Missing& m = (*away)[size_t(row)];
            return QStringLiteral("%1 (needs %2)").arg(name(m.drink), ingredient(m.ingredient));
        },
        [away, key](int row) { return key((*away)[size_t(row)].drink); });
    lblOneAway->setText(QStringLiteral("One ingredient away: %1").arg(away->size()));

    auto buy = std::make_shared<std::vector<Purchase>>(bar_.buyNext(kBuyNext));
    buyNext_->set(
        int(buy->size()),
        [buy, ingredient](int row) {
            const Purchase& p = (*buy)[size_t(row)];
            return QStringLiteral("%1 (%2 more %3)")
                .arg(ingredient(p.ingredient))
                .arg(p.drinks)
                .arg(p.drinks == 1 ? QStringLiteral("drink") : QStringLiteral("drinks"));
        },
        [](int) { return qint64(-1); });
}

void frmMyBar::lstShelf_ItemCheck(QTreeWidgetItem* item)
{
    const QVariant ingredient = item->data(0, kIngredientRole);
    if (!ingredient.isValid())
        return;
    const int i = ingredient.toInt();
    const bool onHand = item->checkState(0) == Qt::Checked;
    if (onHand == bar_.shelf()[size_t(i)].onHand)
        return;
    try {
        catalogue::mybar::saveOnHand(*db_, bar_.shelf()[size_t(i)].name, onHand);
    } catch (const platform::db::Error&) {
        const QSignalBlocker quiet(lstShelf);
        item->setCheckState(0, onHand ? Qt::Unchecked : Qt::Checked);
        platform::msgbox::show(kReadOnly, platform::msgbox::Icon::None, QString(), this);
        return;
    }
    bar_.setOnHand(i, onHand);
    showLists();
}

void frmMyBar::txtShelfFilter_Change()
{
    const QString filter = txtShelfFilter->text().trimmed();
    for (int g = 0; g < lstShelf->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = lstShelf->topLevelItem(g);
        bool any = false;
        for (int c = 0; c < group->childCount(); ++c) {
            QTreeWidgetItem* item = group->child(c);
            const bool shown = item->text(0).contains(filter, Qt::CaseInsensitive);
            item->setHidden(!shown);
            any = any || shown;
        }
        group->setHidden(!any);
    }
}

void frmMyBar::cmdIngredientSearch_Click()
{
    std::vector<int> wanted;
    QStringList unknown;
    for (const QString& part : txtIngredientSearch->text().split(QLatin1Char(','))) {
        const QString name = catalogue::mybar::canonical(*db_, part).ingredient;
        if (name.isEmpty())
            continue;
        const int i = bar_.ingredient(name);
        if (i < 0 || !bar_.shelf()[size_t(i)].used)
            unknown << part.trimmed();
        else
            wanted.push_back(i);
    }
    if (!unknown.isEmpty()) {
        auto lines = std::make_shared<QStringList>();
        for (const QString& u : unknown)
            *lines << QStringLiteral("No drink uses \"%1\".").arg(u);
        results_->set(
            int(lines->size()), [lines](int row) { return lines->at(row); }, [](int) { return qint64(-1); });
        return;
    }
    auto found = std::make_shared<std::vector<int>>(bar_.using_(wanted));
    if (found->empty() && !wanted.empty()) {
        results_->set(
            1, [](int) { return QStringLiteral("No drink uses all of these."); }, [](int) { return qint64(-1); });
        return;
    }
    results_->set(
        int(found->size()), [this, found](int row) { return bar_.drinks()[size_t((*found)[size_t(row)])].name; },
        [this, found](int row) { return bar_.drinks()[size_t((*found)[size_t(row)])].key; });
}

void frmMyBar::lstDrinks_DblClick(const QModelIndex& index)
{
    const qint64 key = index.data(DrinkRows::KeyRole).toLongLong();
    if (key < 0)
        return;
    if (auto* main = qobject_cast<frmMain*>(platform::forms::find(QStringLiteral("frmMain"))))
        main->showRecipe(key);
}

void frmMyBar::Form_Activate()
{
    if (dataVersion(*db_) != dataVersion_)
        read();
}

void frmMyBar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        platform::guarded([this] { Form_Activate(); });
}

} // namespace app
